#pragma once
// The report file: Windows-1251 tab-separated text, CR LF line ends, named after the cycle's start
// "yyyy.mm.dd hh.mm.ss.xls". Lines: the header, one sample line per sample, the description last.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// "Время\tРасчет\tВнутр\tВнешн\r\n" in Windows-1251: exactly 26 bytes.
extern const std::string_view ReportHeader;
inline constexpr std::string_view ReportExtension = ".xls";

struct ReportName {
  std::string stamp;       // "yyyy.mm.dd hh.mm.ss"
  std::string cycleStamp;  // the stamp with ':' in the time: "yyyy.mm.dd hh:mm:ss"
  std::string fileName;    // stamp + ".xls"
};
// The name of a report whose cycle started at the given local date-time (days).
ReportName MakeReportName(double startDateTime);

// The stamp with its 14th and 17th characters (1-based) made ':'; a shorter text changes only
// where it reaches.
std::string StampWithColons(std::string stamp);

// "nn:ss" + "\t%d\t%d\t%d\r\n": at most 25 bytes.
std::string SampleLine(double elapsedDays, std::int32_t tr, std::int32_t ti, std::int32_t te);
// The description converted to Windows-1251 ("?" for what it cannot hold), then CR LF.
std::string DescriptionLine(std::string_view utf8Description);

struct ParsedSample {
  double time = 0;  // elapsed time in days, read as 0 hours, nn minutes, ss seconds
  std::int32_t tr = 0, ti = 0, te = 0;
};
// One sample line without its line end. Fails (nullopt) unless it is "nn:ss" (minutes and seconds
// 00..59), TAB, three signed decimal integers separated by TABs, and nothing else.
std::optional<ParsedSample> ParseSampleLine(std::string_view line);
