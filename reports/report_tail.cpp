#include "reports/report_tail.h"

#include <array>
#include <fstream>

#include "platform/cp1251.h"
#include "reports/report_text.h"

std::string LastLineOfTail(std::string_view tail) {
  const auto lines = SplitLines(tail);
  return lines.empty() ? std::string() : Cp1251ToUtf8(lines.back());
}

std::optional<std::string> ReadReportDescription(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in.seekg(0, std::ios::end)) return std::nullopt;
  const std::streamoff size = in.tellg();
  if (size < 0) return std::nullopt;
  const std::streamoff start =
      size > static_cast<std::streamoff>(ReportTailBytes) ? size - ReportTailBytes : 0;
  if (!in.seekg(start)) return std::nullopt;
  // The file may grow or shrink meanwhile: read() never writes past the buffer, and gcount()
  // tells how much of it holds data.
  std::array<char, ReportTailBytes> buffer;
  in.read(buffer.data(), buffer.size());
  if (in.bad()) return std::nullopt;
  return LastLineOfTail(std::string_view(buffer.data(), static_cast<std::size_t>(in.gcount())));
}
