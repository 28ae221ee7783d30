// The report commands of the window: opening a stored report (list, load, messages) and printing.
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>

#include "cycle/report_format.h"
#include "window_fixture.h"

namespace {

class ReportWindowTest : public WindowTest {
 protected:
  // No serial port exists here; the start-up message about it is not what these tests look at.
  void Create() {
    WindowTest::Create();
    boxes.shown.clear();
  }
  void WriteReport(const char* stamp, const std::string& body) {
    QDir().mkpath(paths.ReportDir);
    QFile f(ReportPath(stamp));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const std::string bytes = std::string(ReportHeader) + body;
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
};

TEST_F(ReportWindowTest, NoReportsYet) {
  Create();
  frm->N4Click();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].icon, MessageBoxes::Icon::Warning);
  EXPECT_EQ(boxes.shown[0].caption, QString());
  EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Файлов с отчетами пока нет."));
}

TEST_F(ReportWindowTest, OpensTheChosenReport) {
  WriteReport("2024.01.02 09.00.00", "00:00\t1\t1\t1\r\nolder\r\n");
  WriteReport("2024.03.15 14.05.09",
              "00:00\t25\t24\t23\r\n00:01\t26\t25\t23\r\n00:02\t27\t25\t24\r\n" + DescriptionLine("Плата 1"));
  Create();
  frm->Label[8]->setText(QStringLiteral("Тип термопрофиля: Стандартный"));
  AcceptNextDialog();  // the newest report is the first row
  frm->N4Click();
  ASSERT_EQ(frm->Samples.RowCount, 3);
  const std::int32_t expected[3][3] = {{25, 24, 23}, {26, 25, 23}, {27, 25, 24}};
  for (int r = 0; r < 3; ++r) {
    EXPECT_NEAR(frm->Samples.GetDateTime(ColTime, r) * SecondsPerDay, r, 1e-6);
    for (int c = 0; c < 3; ++c) EXPECT_EQ(frm->Samples.Row(r)[1 + c], expected[r][c]);
  }
  EXPECT_EQ(frm->Edit1->text(), QStringLiteral("Плата 1"));
  EXPECT_TRUE(frm->Edit1->isReadOnly());
  EXPECT_EQ(frm->Recorder.CycleStamp(), "2024.03.15 14:05:09");
  EXPECT_EQ(frm->Label[8]->text(), QString());
  EXPECT_EQ(frm->Chart.CursorRow, -1);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ReportWindowTest, AReportThatCannotBeReadLeavesTheTableAsItWas) {
  WriteReport("2024.03.15 14.05.09", "00:00\t25\t24\t23\r\nkept\r\n");
  WriteReport("2024.04.01 08.00.00", "00:00\t1\t1\t1\r\ngone\r\n");
  Create();
  AcceptNextDialog();
  frm->N4Click();  // loads the newest
  ASSERT_EQ(frm->Samples.RowCount, 1);
  AcceptNextDialog([&] { QFile::remove(ReportPath("2024.04.01 08.00.00")); });
  frm->N4Click();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].icon, MessageBoxes::Icon::Error);
  EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Нумогу прочитать файл отчета:\n%1\nвозможно он открыт другой программой.")
                                     .arg(ReportPath("2024.04.01 08.00.00")));
  EXPECT_EQ(frm->Samples.RowCount, 1);
  EXPECT_EQ(frm->Edit1->text(), QStringLiteral("gone"));
}

TEST_F(ReportWindowTest, PrintingNothingAndPrintingWithoutAPrinter) {
  Create();
  frm->N6Click();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].icon, MessageBoxes::Icon::Information);
  EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Печатать нечего."));

  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "this machine has a printer";
  WriteReport("2024.03.15 14.05.09", "00:00\t25\t24\t23\r\n00:01\t26\t25\t23\r\nx\r\n");
  AcceptNextDialog();
  frm->N4Click();
  frm->N6Click();
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[1].icon, MessageBoxes::Icon::Error);
  EXPECT_EQ(boxes.shown[1].caption, QStringLiteral("Ошибка"));
  EXPECT_EQ(boxes.shown[1].text, QStringLiteral("Нет установленных принтеров."));
}

}  // namespace
