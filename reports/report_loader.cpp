#include "reports/report_loader.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "cycle/lstorage.h"
#include "cycle/report_format.h"
#include "reports/report_names.h"
#include "reports/report_text.h"

namespace {

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(std::istreambuf_iterator<char>(in), {});
  if (in.bad()) return std::nullopt;
  return bytes;
}

}  // namespace

std::optional<LoadedReport> LoadReport(const std::filesystem::path& reportDir,
                                       const std::string& name, LStorage& samples) {
  const auto bytes = ReadWholeFile(ReportFilePath(reportDir, name));
  if (!bytes) return std::nullopt;
  const std::string text = DecodeReportText(*bytes);
  const auto lines = SplitLines(text);

  LoadedReport report;
  report.cycleStamp = StampWithColons(name);
  std::vector<ParsedSample> parsed;
  if (lines.size() >= 2) {
    report.description = std::string(lines.back());
    parsed.reserve(lines.size() - 2);
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
      if (auto sample = ParseSampleLine(lines[i])) {
        parsed.push_back(*sample);
      } else {
        ++report.skippedLines;
      }
    }
  }

  // Only now, with the whole file understood, is the table replaced.
  samples.Clear();
  for (std::int32_t row = 0; row < static_cast<std::int32_t>(parsed.size()); ++row) {
    const ParsedSample& sample = parsed[row];
    samples.SetDateTime(ColTime, row, sample.time);
    std::int32_t* cells = samples.Row(row);  // taken after SetDateTime, which may move rows
    cells[ColTr] = sample.tr;
    cells[ColTi] = sample.ti;
    cells[ColTe] = sample.te;
  }
  return report;
}
