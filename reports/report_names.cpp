#include "reports/report_names.h"

#include <algorithm>
#include <system_error>

#include "cycle/cut_token.h"
#include "cycle/report_format.h"

namespace {

constexpr std::string_view StampForm = "dddd.dd.dd dd.dd.dd";

bool IsReportFile(const std::filesystem::directory_entry& entry) {
  std::error_code error;
  return entry.is_regular_file(error);  // follows links; false for folders and on error
}

}  // namespace

int CompareReportNames(std::string_view first, std::string_view second) {
  const int order = second.compare(first);
  return (order > 0) - (order < 0);
}

bool HasReportStamp(std::string_view name) {
  if (name.size() < StampForm.size()) return false;
  for (std::size_t i = 0; i < StampForm.size(); ++i) {
    const bool digit = name[i] >= '0' && name[i] <= '9';
    if (StampForm[i] == 'd' ? !digit : name[i] != StampForm[i]) return false;
  }
  return true;
}

std::vector<std::string> ListReportNames(const std::filesystem::path& reportDir,
                                         std::string_view recordingName) {
  std::vector<std::string> names;
  std::error_code error;
  // A folder that cannot be read, or stops being readable, lists what was found so far.
  for (std::filesystem::directory_iterator it(reportDir, error), end; !error && it != end;
       it.increment(error)) {
    const auto& entry = *it;
    std::string fileName = entry.path().filename().string();
    if (!fileName.ends_with(ReportExtension)) continue;
    fileName.resize(fileName.size() - ReportExtension.size());
    if (!HasReportStamp(fileName) || fileName == recordingName || !IsReportFile(entry)) continue;
    names.push_back(std::move(fileName));
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return CompareReportNames(a, b) < 0;
  });
  return names;
}

std::filesystem::path ReportFilePath(const std::filesystem::path& reportDir, std::string_view name) {
  std::string fileName(name);
  fileName += ReportExtension;
  return reportDir / fileName;
}

ReportNameColumns SplitReportName(std::string name) {
  ReportNameColumns columns;
  columns.date = CutToken(name, " ");
  for (std::size_t i : {2u, 5u}) {
    if (i < name.size()) name[i] = ':';
  }
  columns.time = std::move(name);
  return columns;
}

int DescriptionColumnWidth(int gridWidth, int scrollBarWidth) {
  return std::max(gridWidth - DateColumnWidth - TimeColumnWidth - scrollBarWidth - 6, 10);
}
