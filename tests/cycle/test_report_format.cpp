#include "cycle/report_format.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cycle/time_text.h"

namespace {

std::vector<int> Bytes(std::string_view text) {
  return {reinterpret_cast<const unsigned char*>(text.data()),
          reinterpret_cast<const unsigned char*>(text.data()) + text.size()};
}

double DateTime(int day, int h, int m, double s) { return day + (h * 3600 + m * 60 + s) / 86400.0; }

TEST(ReportFormat, HeaderBytes) {
  EXPECT_EQ(Bytes(ReportHeader),
            (std::vector<int>{0xC2, 0xF0, 0xE5, 0xEC, 0xFF, 0x09, 0xD0, 0xE0, 0xF1, 0xF7, 0xE5, 0xF2, 0x09,
                              0xC2, 0xED, 0xF3, 0xF2, 0xF0, 0x09, 0xC2, 0xED, 0xE5, 0xF8, 0xED, 0x0D, 0x0A}));
}

TEST(ReportFormat, NameFromTheStartOfTheCycle) {
  struct Case { double start; const char* stamp; };
  for (const Case& c : {
           Case{DateTime(45366, 14, 5, 9), "2024.03.15 14.05.09"},
           Case{DateTime(45366, 14, 5, 9.9996), "2024.03.15 14.05.10"},  // milliseconds rounded
           Case{DateTime(45350, 23, 59, 59.9999), "2024.02.29 00.00.00"},
           Case{DateTime(36526, 0, 0, 0), "2000.01.01 00.00.00"},
           Case{DateTime(0, 6, 0, 0), "1899.12.30 06.00.00"},
           Case{DateTime(73050, 1, 2, 3), "2099.12.31 01.02.03"},
       }) {
    const ReportName name = MakeReportName(c.start);
    EXPECT_EQ(name.stamp, c.stamp);
    EXPECT_EQ(name.fileName, std::string(c.stamp) + ".xls");
  }
  EXPECT_EQ(MakeReportName(DateTime(45366, 14, 5, 9)).cycleStamp, "2024.03.15 14:05:09");
}

TEST(ReportFormat, StampWithColonsChangesOnlyWhereItReaches) {
  EXPECT_EQ(StampWithColons("2024.03.15 14.05.09"), "2024.03.15 14:05:09");
  EXPECT_EQ(StampWithColons("2024.03.15 14.05"), "2024.03.15 14:05");
  EXPECT_EQ(StampWithColons("2024.03.15"), "2024.03.15");
  EXPECT_EQ(StampWithColons(""), "");
}

TEST(ReportFormat, SampleLines) {
  EXPECT_EQ(SampleLine(207 * OneSecond, 183, 176, 150), "03:27\t183\t176\t150\r\n");
  EXPECT_EQ(SampleLine(0, 0, 0, 0), "00:00\t0\t0\t0\r\n");
  EXPECT_EQ(SampleLine(3599.9 * OneSecond, 65535, 65535, 65535), "59:59\t65535\t65535\t65535\r\n");
  EXPECT_EQ(SampleLine(3599.9 * OneSecond, 65535, 65535, 65535).size(), 25u);
  EXPECT_EQ(SampleLine(3600.4 * OneSecond, -40, 2147483647, -2147483647 - 1),
            "00:00\t-40\t2147483647\t-2147483648\r\n");
}

TEST(ReportFormat, DescriptionLineIsWindows1251) {
  std::string ninety;
  for (int i = 0; i < 45; ++i) ninety += "Яё";
  const std::string line = DescriptionLine(ninety);
  ASSERT_EQ(line.size(), 92u);
  EXPECT_EQ(Bytes(line.substr(0, 2)), (std::vector<int>{0xDF, 0xB8}));
  EXPECT_EQ(line.substr(90), "\r\n");

  EXPECT_EQ(Bytes(DescriptionLine("Плата 1")),
            (std::vector<int>{0xCF, 0xEB, 0xE0, 0xF2, 0xE0, 0x20, 0x31, 0x0D, 0x0A}));
  EXPECT_EQ(DescriptionLine(""), "\r\n");
  EXPECT_EQ(DescriptionLine("ok ✓ 漢"), "ok ? ?\r\n");
  // A line break would make the file's last line something else than the description.
  EXPECT_EQ(DescriptionLine("a\r\nb\nc"), "a  b c\r\n");
}

TEST(ReportFormat, ParsesSampleLines) {
  const auto sample = ParseSampleLine("03:27\t183\t176\t150");
  ASSERT_TRUE(sample);
  EXPECT_EQ(sample->time, 207000 / 86400000.0);
  EXPECT_EQ(sample->tr, 183);
  EXPECT_EQ(sample->ti, 176);
  EXPECT_EQ(sample->te, 150);

  const auto extremes = ParseSampleLine("59:59\t-2147483648\t0\t2147483647");
  ASSERT_TRUE(extremes);
  EXPECT_EQ(extremes->tr, -2147483647 - 1);
  EXPECT_EQ(extremes->te, 2147483647);
}

TEST(ReportFormat, EveryWrittenTimeReadsBackToTheSameText) {
  for (int seconds = 0; seconds < 3600; ++seconds) {
    const std::string line = SampleLine(seconds * OneSecond, 1, 2, 3);
    const auto parsed = ParseSampleLine(std::string_view(line).substr(0, line.size() - 2));
    ASSERT_TRUE(parsed) << line;
    ASSERT_EQ(TimeText(parsed->time), line.substr(0, 5));
  }
}

TEST(ReportFormat, RejectsMalformedSampleLines) {
  for (const char* line : {
           "",                          // empty line
           "03:27",                     // no fields
           "03:27\t183\t176",           // a field missing
           "03:27\t183 176\t150",       // missing tab
           "03:27 183\t176\t150",
           "03:27\t183\t176\t150\t1",   // more than four fields
           "03:27\t183\t176\t150\r",    // line end left on
           "03:27\t\t176\t150",         // empty field
           "03:27\tx\t176\t150",        // not an integer
           "03:27\t18.3\t176\t150",
           "03:27\t 183\t176\t150",
           "03:27\t+183\t176\t150",
           "03:27\t183\t176\t2147483648",  // beyond 32 bits
           "3:27\t183\t176\t150",       // bad times
           "60:00\t183\t176\t150",
           "03:60\t183\t176\t150",
           "1:03:27\t183\t176\t150",
           "03.27\t183\t176\t150",
           "ab:cd\t183\t176\t150",
       }) {
    EXPECT_FALSE(ParseSampleLine(line)) << line;
  }
}

}  // namespace
