#include "reports/report_names.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cycle/report_format.h"
#include "tests/reports/report_fixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class ReportListing : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"2024.01.02 09.00.00.xls", "2024.01.10 18.30.05.xls",
                             "2023.12.31 23.59.59.xls"}) {
      dir.Write(name, ReportBytes({{0, 25, 24, 23}}, "Плата"));
    }
  }
  TempReportDir dir;
};

TEST_F(ReportListing, NewestFirst) {
  EXPECT_THAT(ListReportNames(dir.Path(), ""),
              ElementsAre("2024.01.10 18.30.05", "2024.01.02 09.00.00", "2023.12.31 23.59.59"));
}

TEST_F(ReportListing, LeavesOutWhatIsNoReportFile) {
  std::filesystem::create_directory(dir.Path() / "2024.02.01 00.00.00.xls");  // a folder
  dir.Write("notes.xls", "x");
  dir.Write("2024.02.02 00.00.00.txt", "x");
  dir.Write("2024.02.03 00.00.00.XLS", "x");
  dir.Write("2024.02.04 00-00-00.xls", "x");
  dir.Write("2024.1.05 00.00.00.xls", "x");
  dir.Write("2024.01.05 10.00.00 копия.xls", "x");  // a renamed copy keeps its stamp: listed

  EXPECT_THAT(ListReportNames(dir.Path(), ""),
              ElementsAre("2024.01.10 18.30.05", "2024.01.05 10.00.00 копия", "2024.01.02 09.00.00",
                          "2023.12.31 23.59.59"));
}

TEST_F(ReportListing, HidesTheReportBeingRecordedEvenWhenItIsNotTheNewest) {
  EXPECT_THAT(ListReportNames(dir.Path(), "2024.01.02 09.00.00"),
              ElementsAre("2024.01.10 18.30.05", "2023.12.31 23.59.59"));
}

TEST(ReportListingEdges, OnlyTheRecordingOrNoFolderGivesNoReports) {
  TempReportDir dir;
  dir.Write("2024.05.06 07.08.09.xls", ReportHeader);
  EXPECT_THAT(ListReportNames(dir.Path(), "2024.05.06 07.08.09"), IsEmpty());
  EXPECT_THAT(ListReportNames(dir.Path() / "missing", ""), IsEmpty());
}

TEST(SplitReportName, DateBeforeTheBlankTimeWithColonsAfterIt) {
  struct Case {
    std::string name, date, time;
  } cases[] = {
      {"2024.01.10 18.30.05", "2024.01.10", "18:30:05"},
      {"2024.01.05 10.00.00 копия", "2024.01.05", "10:00:00 копия"},
      {"ab cd", "ab", "cd"},  // too short for the colons: nothing beyond the text is touched
  };
  for (const Case& c : cases) {
    const ReportNameColumns columns = SplitReportName(c.name);
    EXPECT_EQ(columns.date, c.date) << c.name;
    EXPECT_EQ(columns.time, c.time) << c.name;
  }
}

}  // namespace
