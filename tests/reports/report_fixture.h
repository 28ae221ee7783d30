#pragma once
// Report folders for tests: a fresh temporary folder, and report files written byte for byte
// with the recorder's own line helpers or by hand.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class TempReportDir {
 public:
  TempReportDir();
  ~TempReportDir();
  TempReportDir(const TempReportDir&) = delete;
  TempReportDir& operator=(const TempReportDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Writes Path() / fileName with exactly these bytes.
  void Write(const std::string& fileName, std::string_view bytes) const;

 private:
  std::filesystem::path path_;
};

struct SampleRow {
  int seconds;
  int tr, ti, te;
};
// A report as the recorder writes it: header, one line per sample, the description (UTF-8).
std::string ReportBytes(const std::vector<SampleRow>& samples, std::string_view description);
// The same without a description line: a recording that was cut off.
std::string CutOffReportBytes(const std::vector<SampleRow>& samples);
