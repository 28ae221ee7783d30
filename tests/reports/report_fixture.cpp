#include "tests/reports/report_fixture.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "cycle/report_format.h"
#include "cycle/time_text.h"

TempReportDir::TempReportDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "reports-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempReportDir::~TempReportDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void TempReportDir::Write(const std::string& fileName, std::string_view bytes) const {
  std::ofstream out(path_ / fileName, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + fileName);
}

std::string CutOffReportBytes(const std::vector<SampleRow>& samples) {
  std::string bytes(ReportHeader);
  for (const SampleRow& s : samples) bytes += SampleLine(s.seconds * OneSecond, s.tr, s.ti, s.te);
  return bytes;
}

std::string ReportBytes(const std::vector<SampleRow>& samples, std::string_view description) {
  return CutOffReportBytes(samples) + DescriptionLine(description);
}
