#pragma once
// Loading a stored report into the sample table.
#include <filesystem>
#include <optional>
#include <string>

class LStorage;

struct LoadedReport {
  std::string description;  // the file's last line, UTF-8
  std::string cycleStamp;   // the report name with ':' as the 14th and 17th characters
  int skippedLines = 0;     // lines between header and description that are no sample line
};

// Reads the report `name` of reportDir (ReportFilePath) whole: Windows-1251 unless a byte-order
// mark names UTF-8 or UTF-16LE. The first line is the header (not looked at), the last one the
// description, every line between them a sample "nn:ss" TAB Tr TAB Ti TAB Te; lines that do not
// parse are left out and counted. A file of one line (the header only) or none loads as an empty
// table with an empty description.
// On success samples holds one row per sample (Time in days, Tr, Ti, Te); when the file cannot
// be read the result is nullopt and samples is left as it was.
std::optional<LoadedReport> LoadReport(const std::filesystem::path& reportDir,
                                       const std::string& name, LStorage& samples);
