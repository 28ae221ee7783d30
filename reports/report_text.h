#pragma once
// Text of report files: decoding their bytes and cutting them into lines.
#include <string>
#include <string_view>
#include <vector>

// Decodes the bytes of a report file to UTF-8. A byte-order mark at the start names the
// encoding (EF BB BF: UTF-8, FF FE: UTF-16LE) and is dropped; without one the bytes are
// Windows-1251, as the recorder writes them. Malformed UTF-16 becomes U+FFFD.
std::string DecodeReportText(std::string_view bytes);

// The lines of a text: each ends at CR, LF or CR LF; a line break at the very end of the text
// adds no empty line after it, so "" has no lines and "a\r\n\r\n" has "a" and "".
// The views point into text.
std::vector<std::string_view> SplitLines(std::string_view text);
