#include "reports/dialog/report_printer.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>

#include "cycle/lstorage.h"
#include "cycle/time_text.h"
#include "tests/reports/report_fixture.h"

namespace {

constexpr int RenderDpi = 300;
constexpr int ProcessWaitMs = 60000;

QString RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  EXPECT_TRUE(process.waitForFinished(ProcessWaitMs)) << program.toStdString();
  EXPECT_EQ(process.exitCode(), 0) << program.toStdString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintToPdf : public ::testing::Test {
 protected:
  PrintToPdf() { samples.SetColumns(SampleColumnTypes, 4); }

  // Level curves at 250, 140 and 50 °C: clear of the 15 °C grid lines.
  void Fill(int rows) {
    for (int r = 0; r < rows; ++r) {
      samples.SetDateTime(ColTime, r, r * OneSecond);
      samples.Row(r)[ColTr] = 250;
      samples.Row(r)[ColTi] = 140;
      samples.Row(r)[ColTe] = 50;
    }
  }
  PrintOutcome Print() { return PrintReportToPdf({samples, "2024.03.15 14:05:09", "Плата 1"}, Pdf()); }
  QString Pdf() const { return QString::fromStdString((dir.Path() / "page.pdf").string()); }

  LStorage samples;
  TempReportDir dir;
};

// Stretches of dark pixels in column x of the image, from y0 to y1.
int DarkRuns(const QImage& image, int x, int y0, int y1) {
  int runs = 0;
  bool inRun = false;
  for (int y = y0; y < y1; ++y) {
    const bool dark = qGray(image.pixel(x, y)) < 100;
    runs += dark && !inRun;
    inRun = dark;
  }
  return runs;
}

TEST_F(PrintToPdf, OneLandscapePageWithCurvesAcrossThePlot) {
  Fill(600);
  ASSERT_EQ(Print(), PrintOutcome::Printed);

  const QString text = RunTool("pdftotext", {Pdf(), "-"});
  for (const char* expected : {"ЛОРН 2.1M", "2024.03.15 14:05:09", "Плата 1", "Расчетная температура",
                               "T,°C"}) {
    EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
  }
  EXPECT_TRUE(RunTool("pdfinfo", {Pdf()}).contains(QRegularExpression("Pages:\\s+1\\n")));

  const QString image = QString::fromStdString((dir.Path() / "page").string());
  RunTool("pdftoppm", {"-r", QString::number(RenderDpi), "-gray", "-singlefile", Pdf(), image});
  const QImage page(image + ".pgm");
  ASSERT_FALSE(page.isNull());
  EXPECT_GT(page.width(), page.height()) << "landscape";

  // The plot area in image pixels, from the printable area of a printer set up the same way.
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageOrientation(QPageLayout::Landscape);
  const QRectF area = printer.pageLayout().paintRect(QPageLayout::Inch);
  const auto at = [&](double inches) { return static_cast<int>(inches * RenderDpi); };
  const int left = at(area.left() + area.width() * 0.06), right = at(area.left() + area.width() * 0.96);
  const int top = at(area.top() + area.height() * 0.08), bottom = at(area.top() + area.height() * 0.95);
  // Columns just inside both ends of the plot, and just past its right end, from the top of the
  // plot down to above the caption "t, м:c"; the lowest curve, 50 °C, lies above that.
  const int inset = (right - left) / 50, from = top + 5, to = bottom - (bottom - top) / 10;
  EXPECT_GE(DarkRuns(page, left + inset, from, to), 3) << "curves start at the left";
  EXPECT_GE(DarkRuns(page, right - inset, from, to), 3) << "curves reach the right";
  EXPECT_EQ(DarkRuns(page, right + inset, from, to), 0) << "and end there";
}

TEST_F(PrintToPdf, OneRowPrints) {
  Fill(1);
  EXPECT_EQ(Print(), PrintOutcome::Printed);
  EXPECT_TRUE(RunTool("pdftotext", {Pdf(), "-"}).contains("00:00"));
}

TEST_F(PrintToPdf, NothingToPrintOrNowhereToPrintIt) {
  EXPECT_EQ(Print(), PrintOutcome::NothingToPrint);
  EXPECT_EQ(PrintReport({samples, "", ""}), PrintOutcome::NothingToPrint);

  Fill(2);
  const QString unwritable = QString::fromStdString((dir.Path() / "missing" / "page.pdf").string());
  EXPECT_EQ(PrintReportToPdf({samples, "", ""}, unwritable), PrintOutcome::NoPrinter);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the wait cursor is gone";
}

TEST_F(PrintToPdf, NoPrinterInstalled) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "this machine has printers";
  Fill(2);
  EXPECT_EQ(PrintReport({samples, "", ""}), PrintOutcome::NoPrinter);
}

}  // namespace
