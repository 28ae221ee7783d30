#include "reports/report_text.h"

#include <cstdint>

#include "platform/cp1251.h"
#include "platform/utf8.h"

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LeBom = "\xFF\xFE";
constexpr char32_t ReplacementCharacter = 0xFFFD;

// UTF-16LE to UTF-8; an unpaired surrogate or a trailing odd byte becomes U+FFFD.
std::string Utf16LeToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  auto unit = [&](std::size_t i) {
    return static_cast<char16_t>(static_cast<std::uint8_t>(bytes[i]) |
                                 (static_cast<std::uint8_t>(bytes[i + 1]) << 8));
  };
  std::size_t i = 0;
  while (i + 1 < bytes.size()) {
    const char16_t first = unit(i);
    i += 2;
    if (first < 0xD800 || first > 0xDFFF) {
      AppendUtf8(out, first);
    } else if (first <= 0xDBFF && i + 1 < bytes.size() && unit(i) >= 0xDC00 && unit(i) <= 0xDFFF) {
      AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(first) - 0xD800) << 10) + (unit(i) - 0xDC00));
      i += 2;
    } else {
      AppendUtf8(out, ReplacementCharacter);
    }
  }
  if (i < bytes.size()) AppendUtf8(out, ReplacementCharacter);
  return out;
}

}  // namespace

std::string DecodeReportText(std::string_view bytes) {
  if (bytes.starts_with(Utf8Bom)) return std::string(bytes.substr(Utf8Bom.size()));
  if (bytes.starts_with(Utf16LeBom)) return Utf16LeToUtf8(bytes.substr(Utf16LeBom.size()));
  return Cp1251ToUtf8(bytes);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}
