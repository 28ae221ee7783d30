#include "reports/report_text.h"

#include <cstdint>

#include "platform/cp1251.h"
#include "platform/utf8.h"

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LeBom = "\xFF\xFE";
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
