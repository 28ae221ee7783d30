#include "reports/report_tail.h"

#include <gtest/gtest.h>

#include "tests/reports/report_fixture.h"

namespace {

std::vector<SampleRow> Samples(int count) {
  std::vector<SampleRow> rows;
  for (int i = 0; i < count; ++i) rows.push_back({i, 180 + i, 170, 150});
  return rows;
}

TEST(ReportDescription, IsTheLastLineOfTheTail) {
  std::string longDescription;
  for (int i = 0; i < 90; ++i) longDescription += "Ж";

  struct Case {
    const char* what;
    std::string bytes;
    std::string description;
  } cases[] = {
      {"a finished report", ReportBytes(Samples(20), "Плата 1"), "Плата 1"},
      {"90 Cyrillic characters", ReportBytes(Samples(20), longDescription), longDescription},
      {"an empty description", ReportBytes(Samples(20), ""), ""},
      {"a recording cut off: its last sample", CutOffReportBytes(Samples(20)),
       "00:19\t199\t170\t150"},
      {"a file of 100 bytes or less is read whole", ReportBytes({}, "Тест"), "Тест"},
      {"an empty file", "", ""},
      {"no line end", "abc", "abc"},
      {"LF and CR line ends", "head\nfirst\rlast", "last"},
  };
  TempReportDir dir;
  for (const Case& c : cases) {
    dir.Write("r.xls", c.bytes);
    EXPECT_EQ(ReadReportDescription(dir.Path() / "r.xls"), c.description) << c.what;
  }
}

TEST(ReportDescription, ReadsNoMoreThanTheLast100Bytes) {
  TempReportDir dir;
  const std::string line = std::string(150, 'a') + std::string(100, 'b');
  dir.Write("r.xls", line);
  EXPECT_EQ(ReadReportDescription(dir.Path() / "r.xls"), std::string(100, 'b'));
}

TEST(ReportDescription, NoneForAFileThatCannotBeRead) {
  TempReportDir dir;
  EXPECT_EQ(ReadReportDescription(dir.Path() / "missing.xls"), std::nullopt);
}

}  // namespace
