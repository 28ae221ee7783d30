#pragma once
// The stored reports of a folder: which entries are reports, their order, and how a name is
// shown. A report name is its file name less ".xls": "yyyy.mm.dd hh.mm.ss", possibly followed by
// more text when a user renamed a copy. Names are file-system bytes (ASCII for the stamp).
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The list's order: the ordinal, case-sensitive comparison of second with first (negative, zero
// or positive), so sorting by it puts "yyyy.mm.dd hh.mm.ss" names newest first.
int CompareReportNames(std::string_view first, std::string_view second);

// True when the name starts with a stamp of the form "yyyy.mm.dd hh.mm.ss" (digits where the
// form has them). Only such names can be split into date and time and read back as a cycle start.
bool HasReportStamp(std::string_view name);

// The names of the reports in reportDir, newest first: regular files (or links to them) named
// "<stamp>[more].xls". Folders and other names are left out, and so is the report whose name
// equals recordingName (the one being written; empty when none is). A missing or unreadable
// folder gives an empty list.
std::vector<std::string> ListReportNames(const std::filesystem::path& reportDir,
                                         std::string_view recordingName);

// The file of a report: reportDir / (name + ".xls").
std::filesystem::path ReportFilePath(const std::filesystem::path& reportDir, std::string_view name);

// The first two columns of the report list: the text before the first blank ("yyyy.mm.dd"), and
// the text after it with its 3rd and 6th characters made ':' ("hh:mm:ss").
struct ReportNameColumns {
  std::string date;
  std::string time;
};
ReportNameColumns SplitReportName(std::string name);

// Column widths of the report list, in pixels: the date and the time are fixed; the description
// takes the rest of the grid less a vertical scroll bar and 6 pixels, but at least 10.
inline constexpr int DateColumnWidth = 80;
inline constexpr int TimeColumnWidth = 70;
int DescriptionColumnWidth(int gridWidth, int scrollBarWidth);
