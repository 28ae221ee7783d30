#pragma once
// UTF-8 code points, shared by the Windows-1251 conversion and the INI file reader.
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
