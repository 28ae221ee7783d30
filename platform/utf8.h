#pragma once
// UTF-8 code points, shared by the Windows-1251 conversion, the INI file reader, report loading
// and the HID string reads.
#include <cstddef>
#include <string>
#include <string_view>

// Decodes the well-formed UTF-8 sequence that starts at text[pos] into cp and returns its length
// in bytes; returns 0 when the bytes there are not one (a stray continuation byte, a truncated or
// overlong sequence, a surrogate, a value above U+10FFFF). pos must be < text.size().
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& cp);

// Appends cp (at most U+10FFFF, no surrogate) as UTF-8.
void AppendUtf8(std::string& out, char32_t cp);

// True when every byte of text belongs to a well-formed UTF-8 sequence.
bool IsValidUtf8(std::string_view text);

// UTF-16LE bytes to UTF-8; an unpaired surrogate or a trailing odd byte becomes U+FFFD.
std::string Utf16LeToUtf8(std::string_view bytes);
