#include "cycle/report_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "cycle/time_text.h"
#include "platform/cp1251.h"

// "Время\tРасчет\tВнутр\tВнешн\r\n" in Windows-1251.
const std::string_view ReportHeader =
    "\xC2\xF0\xE5\xEC\xFF\t\xD0\xE0\xF1\xF7\xE5\xF2\t\xC2\xED\xF3\xF2\xF0\t\xC2\xED\xE5\xF8\xED\r\n";

namespace {

// The calendar range of date-time values: 0001-01-01 .. 9999-12-31 23:59:59.999.
constexpr double FirstDateTime = -693593.0;
constexpr double LastDateTime = 2958465.99999999;

struct CivilDate {
  int year;
  unsigned month, day;
};

// The proleptic Gregorian date of a day counted from 1970-01-01 (H. Hinnant's civil_from_days).
CivilDate CivilFromDays(long long z) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const auto dayOfEra = static_cast<unsigned>(z - era * 146097);
  const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned mp = (5 * dayOfYear + 2) / 153;
  const unsigned day = dayOfYear - (153 * mp + 2) / 5 + 1;
  const unsigned month = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<int>(yearOfEra + era * 400) + (month <= 2), month, day};
}

// Appends value in decimal ("%d") to the buffer at out and returns the new end.
char* PutInt(char* out, std::int32_t value) {
  return std::to_chars(out, out + 11, value).ptr;
}

// Reads text[pos..pos+1] as a two-digit number 00..59.
bool ReadSexagesimal(std::string_view text, std::size_t pos, int& value) {
  const char tens = text[pos], units = text[pos + 1];
  if (tens < '0' || tens > '5' || units < '0' || units > '9') return false;
  value = (tens - '0') * 10 + (units - '0');
  return true;
}

// Reads a whole signed decimal 32-bit field ("-" allowed, nothing else around the digits).
bool ReadInt(std::string_view field, std::int32_t& value) {
  if (field.empty()) return false;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  return error == std::errc() && end == field.data() + field.size();
}

}  // namespace

ReportName MakeReportName(double startDateTime) {
  // Rounded to whole milliseconds; the whole part is the day, the magnitude of the fraction the
  // time of day, as date-time values have always been read.
  const double clamped = std::isfinite(startDateTime)
                             ? std::clamp(startDateTime, FirstDateTime, LastDateTime)
                             : 0.0;
  const auto total = static_cast<long long>(std::llround(clamped * MillisecondsPerDay));
  const long long msOfDay = std::llabs(total % MillisecondsPerDay);
  const CivilDate date = CivilFromDays(total / MillisecondsPerDay - UnixEpochDateTimeDay);
  const long long secondOfDay = msOfDay / 1000;
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d.%02u.%02u %02lld.%02lld.%02lld", date.year, date.month,
                date.day, secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60);
  ReportName name;
  name.stamp = stamp;
  name.cycleStamp = StampWithColons(name.stamp);
  name.fileName = name.stamp + std::string(ReportExtension);
  return name;
}

std::string StampWithColons(std::string stamp) {
  for (const std::size_t at : {13u, 16u}) {
    if (at < stamp.size()) stamp[at] = ':';
  }
  return stamp;
}

std::string SampleLine(double elapsedDays, std::int32_t tr, std::int32_t ti, std::int32_t te) {
  char line[64];
  const std::string time = TimeText(elapsedDays);
  char* out = std::copy(time.begin(), time.end(), line);
  for (const std::int32_t value : {tr, ti, te}) {
    *out++ = '\t';
    out = PutInt(out, value);
  }
  *out++ = '\r';
  *out++ = '\n';
  return std::string(line, out);
}

std::string DescriptionLine(std::string_view utf8Description) {
  // The description must stay one line: the file's last line is read back as the description.
  std::string line = Utf8ToCp1251(utf8Description);
  std::replace_if(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return line + "\r\n";
}

std::optional<ParsedSample> ParseSampleLine(std::string_view line) {
  int minutes = 0, seconds = 0;
  if (line.size() < 6 || line[2] != ':' || line[5] != '\t' || !ReadSexagesimal(line, 0, minutes) ||
      !ReadSexagesimal(line, 3, seconds)) {
    return std::nullopt;
  }
  std::string_view rest = line.substr(6);
  const std::size_t tab1 = rest.find('\t');
  const std::size_t tab2 = tab1 == rest.npos ? rest.npos : rest.find('\t', tab1 + 1);
  if (tab2 == rest.npos) return std::nullopt;
  ParsedSample sample;
  if (!ReadInt(rest.substr(0, tab1), sample.tr) ||
      !ReadInt(rest.substr(tab1 + 1, tab2 - tab1 - 1), sample.ti) ||
      !ReadInt(rest.substr(tab2 + 1), sample.te)) {
    return std::nullopt;
  }
  // Same arithmetic as a time of day 00:nn:ss, so the time reads back to the same text.
  sample.time = static_cast<double>((minutes * 60 + seconds) * 1000) / static_cast<double>(MillisecondsPerDay);
  return sample;
}
