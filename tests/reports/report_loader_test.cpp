#include "reports/report_loader.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "cycle/lstorage.h"
#include "cycle/report_format.h"
#include "cycle/time_text.h"
#include "platform/cp1251.h"
#include "tests/reports/report_fixture.h"

namespace {

using namespace std::string_literals;

constexpr const char* Name = "2024.03.15 14.05.09";

class ReportLoading : public ::testing::Test {
 protected:
  ReportLoading() { samples.SetColumns(SampleColumnTypes, 4); }

  void Write(std::string_view bytes) const { dir.Write(std::string(Name) + ".xls", bytes); }
  std::optional<LoadedReport> Load() { return LoadReport(dir.Path(), Name, samples); }

  // The table as (seconds, Tr, Ti, Te) rows.
  std::vector<std::array<int, 4>> Table() const {
    std::vector<std::array<int, 4>> rows;
    for (std::int32_t r = 0; r < samples.RowCount; ++r) {
      const std::int32_t* cells = samples.Row(r);
      rows.push_back({static_cast<int>(std::lround(samples.GetDateTime(ColTime, r) / OneSecond)),
                      cells[ColTr], cells[ColTi], cells[ColTe]});
    }
    return rows;
  }

  TempReportDir dir;
  LStorage samples;
};

using Rows = std::vector<std::array<int, 4>>;

TEST_F(ReportLoading, ReadsSamplesDescriptionAndStamp) {
  Write(ReportBytes({{0, 25, 24, 23}, {1, 26, 25, 23}, {2, 27, 25, 24}}, "Плата 1"));
  const auto report = Load();
  ASSERT_TRUE(report);
  EXPECT_EQ(report->description, "Плата 1");
  EXPECT_EQ(report->cycleStamp, "2024.03.15 14:05:09");
  EXPECT_EQ(report->skippedLines, 0);
  EXPECT_EQ(Table(), (Rows{{0, 25, 24, 23}, {1, 26, 25, 23}, {2, 27, 25, 24}}));
}

TEST_F(ReportLoading, KeepsFileOrderAcrossTheHourWrap) {
  Write(ReportBytes({{59 * 60 + 59, 200, 190, 180}, {3600, 201, 191, 181}}, ""));
  ASSERT_TRUE(Load());
  EXPECT_EQ(Table(), (Rows{{59 * 60 + 59, 200, 190, 180}, {0, 201, 191, 181}}));
}

TEST_F(ReportLoading, ShortFilesLoadAsAnEmptyTable) {
  struct Case {
    const char* what;
    std::string bytes;
    std::string description;
  } cases[] = {
      {"header and empty description", std::string(ReportHeader) + "\r\n", ""},
      {"header only", std::string(ReportHeader), ""},
      {"empty file", "", ""},
      {"a recording cut off after one sample: it is read as the description",
       CutOffReportBytes({{0, 25, 24, 23}}), "00:00\t25\t24\t23"},
  };
  for (const Case& c : cases) {
    samples.SetDateTime(ColTime, samples.RowCount, 0.0);  // left over from before: must go
    Write(c.bytes);
    const auto report = Load();
    ASSERT_TRUE(report) << c.what;
    EXPECT_EQ(report->description, c.description) << c.what;
    EXPECT_EQ(samples.RowCount, 0) << c.what;
  }
}

TEST_F(ReportLoading, SkipsAndCountsLinesThatAreNoSample) {
  Write(std::string(ReportHeader) +
        "00:01\t1\t2\t3\r\n"
        "\r\n"                     // empty
        "00:02\t1\t2\r\n"          // a field missing
        "00:03\t1\t2\t3\t4\r\n"    // a field too many
        "ab:cd\t1\t2\t3\r\n"       // no time
        "00:04\tx\t2\t3\r\n"       // no number
        "00:05\t-7\t2\t3\r\n"
        + Utf8ToCp1251("Плата 2\r\n"));
  const auto report = Load();
  ASSERT_TRUE(report);
  EXPECT_EQ(report->skippedLines, 5);
  EXPECT_EQ(report->description, "Плата 2");
  EXPECT_EQ(Table(), (Rows{{1, 1, 2, 3}, {5, -7, 2, 3}}));
}

TEST_F(ReportLoading, HonoursByteOrderMarksAndAnyLineEnd) {
  const std::string utf8 = "Время\tРасчет\n00:00\t25\t24\t23\r00:01\t26\t25\t23\r\nПлата 1\n";
  std::string utf16 = "\xFF\xFE";
  for (char c : std::string("hdr\r\n00:00\t25\t24\t23\r\n00:01\t26\t25\t23\r\n")) {
    utf16 += c;
    utf16 += '\0';
  }
  utf16 += "\x1F\x04\x3B\x04\x30\x04\x42\x04\x30\x04 \0001\0"s;  // "Плата 1" in UTF-16LE
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {{"Windows-1251, mixed line ends", Utf8ToCp1251(utf8)},
               {"UTF-8 with BOM", "\xEF\xBB\xBF" + utf8},
               {"UTF-16LE with BOM", utf16}};
  for (const Case& c : cases) {
    Write(c.bytes);
    const auto report = Load();
    ASSERT_TRUE(report) << c.what;
    EXPECT_EQ(report->description, "Плата 1") << c.what;
    EXPECT_EQ(Table(), (Rows{{0, 25, 24, 23}, {1, 26, 25, 23}})) << c.what;
  }
}

TEST_F(ReportLoading, FailureLeavesTheTableAsItWas) {
  Write(ReportBytes({{0, 25, 24, 23}, {1, 26, 25, 23}}, "old"));
  ASSERT_TRUE(Load());
  std::filesystem::create_directory(dir.Path() / "2024.03.16 00.00.00.xls");

  EXPECT_FALSE(LoadReport(dir.Path(), "2024.03.17 00.00.00", samples));  // no such file
  EXPECT_FALSE(LoadReport(dir.Path(), "2024.03.16 00.00.00", samples));  // a folder
  EXPECT_EQ(Table(), (Rows{{0, 25, 24, 23}, {1, 26, 25, 23}}));
}

TEST_F(ReportLoading, ANameTooShortForTheColonsIsKeptAsItIs) {
  dir.Write("abc.xls", ReportBytes({{0, 1, 2, 3}}, "x"));
  const auto report = LoadReport(dir.Path(), "abc", samples);
  ASSERT_TRUE(report);
  EXPECT_EQ(report->cycleStamp, "abc");
  EXPECT_EQ(samples.RowCount, 1);
}

}  // namespace
