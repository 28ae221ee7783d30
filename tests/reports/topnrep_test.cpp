#include "reports/dialog/topnrep.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTest>
#include <functional>

#include "reports/report_names.h"
#include "tests/reports/report_fixture.h"

namespace {

constexpr const char* Newest = "2024.01.10 18.30.05";
constexpr const char* Middle = "2024.01.02 09.00.00";
constexpr const char* Oldest = "2023.12.31 23.59.59";
constexpr int WaitMs = 5000;

class ReportListDialog : public ::testing::Test {
 protected:
  ReportListDialog() {
    dir.Write(std::string(Newest) + ".xls", ReportBytes({{0, 25, 24, 23}}, "Плата 10"));
    dir.Write(std::string(Middle) + ".xls", ReportBytes({{0, 25, 24, 23}}, "Плата 2"));
    dir.Write(std::string(Oldest) + ".xls", CutOffReportBytes({{0, 25, 24, 23}}));
  }

  QTableView* Grid() { return dialog.findChild<QTableView*>(); }
  QPushButton* Button(const QString& text) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
      if (button->text() == text) return button;
    }
    return nullptr;
  }
  QString Cell(int row, int column) { return Grid()->model()->index(row, column).data().toString(); }

  // Shows the dialog as the window would (modal), runs the action, and waits for it to close.
  QDialog::DialogCode Run(const std::function<void()>& action) {
    dialog.open();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    action();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, WaitMs));
    return static_cast<QDialog::DialogCode>(dialog.result());
  }
  void SelectRow(int row) { Grid()->setCurrentIndex(Grid()->model()->index(row, 0)); }
  void DoubleClickRow(int row) {
    const QPoint at = Grid()->visualRect(Grid()->model()->index(row, 1)).center();
    // A real double click: press and release, then the double-click event and its release.
    QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(Grid()->viewport(), Qt::LeftButton, {}, at);
  }

  TempReportDir dir;
  std::string recording;
  TOpnRep dialog{dir.Path(), [this] { return recording; }};
};

TEST_F(ReportListDialog, ListsNewestFirstWithDateTimeAndDescription) {
  dialog.RefreshList();
  ASSERT_EQ(dialog.ReportCount(), 3);
  EXPECT_EQ(dialog.windowTitle(), "Список отчетов");
  EXPECT_EQ(Cell(0, 0), "2024.01.10");
  EXPECT_EQ(Cell(0, 1), "18:30:05");
  EXPECT_EQ(Cell(0, 2), "Плата 10");
  EXPECT_EQ(Cell(1, 2), "Плата 2");
  EXPECT_EQ(Cell(2, 0), "2023.12.31");
  EXPECT_EQ(Cell(2, 2), "00:00\t25\t24\t23") << "a cut-off report shows its last sample";
}

TEST_F(ReportListDialog, HidesTheRecordingAsItIsWhenShown) {
  dialog.RefreshList();
  EXPECT_EQ(dialog.ReportCount(), 3);
  recording = Middle;  // a cycle started after the list was first built
  Run([&] { EXPECT_EQ(dialog.ReportCount(), 2); dialog.reject(); });
  EXPECT_EQ(Cell(1, 0), "2023.12.31");
}

TEST_F(ReportListDialog, AcceptsWithOkEnterOrDoubleClickAndCancelsOtherwise) {
  struct Case {
    const char* what;
    std::function<void()> action;
    QDialog::DialogCode result;
    std::string selected;
  } cases[] = {
      {"OK", [&] { SelectRow(1); QTest::mouseClick(Button("OK"), Qt::LeftButton); },
       QDialog::Accepted, Middle},
      {"Enter", [&] { SelectRow(2); QTest::keyClick(Grid(), Qt::Key_Return); },
       QDialog::Accepted, Oldest},
      {"double click", [&] { DoubleClickRow(1); }, QDialog::Accepted, Middle},
      {"Esc", [&] { SelectRow(0); QTest::keyClick(Grid(), Qt::Key_Escape); }, QDialog::Rejected,
       Middle},
      {"Отмена", [&] { SelectRow(0); QTest::mouseClick(Button("Отмена"), Qt::LeftButton); },
       QDialog::Rejected, Middle},
      {"close box", [&] { SelectRow(0); dialog.close(); }, QDialog::Rejected, Middle},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Run(c.action), c.result) << c.what;
    EXPECT_EQ(dialog.SelectedName(), c.selected) << c.what;
  }
}

TEST_F(ReportListDialog, KeepsTheCurrentRowAcrossShowings) {
  Run([&] { SelectRow(2); dialog.reject(); });
  Run([&] {
    EXPECT_EQ(Grid()->currentIndex().row(), 2);
    std::filesystem::remove(dir.Path() / (std::string(Oldest) + ".xls"));
    dialog.RefreshList();
    EXPECT_EQ(Grid()->currentIndex().row(), 1) << "moved up when the list shrank";
    dialog.reject();
  });
}

TEST_F(ReportListDialog, ReadsDescriptionsOnlyForPaintedRowsAndOncePerBuild) {
  // 200 more reports, older than the three: report i is listed in row 3 + (199 - i).
  const auto fileOf = [](int i) {
    char name[32];
    std::snprintf(name, sizeof name, "2022.01.01 00.%02d.%02d.xls", i / 60, i % 60);
    return std::string(name);
  };
  for (int i = 0; i < 200; ++i) dir.Write(fileOf(i), ReportBytes({{0, 25, 24, 23}}, "old"));
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  Grid()->viewport()->repaint();  // row 3 is painted now; row 190 lies far below the view

  dir.Write(fileOf(199), ReportBytes({{0, 25, 24, 23}}, "new"));  // row 3
  dir.Write(fileOf(12), ReportBytes({{0, 25, 24, 23}}, "new"));   // row 190
  Grid()->viewport()->repaint();
  EXPECT_EQ(Cell(3, 2), "old") << "read once, when first painted";
  EXPECT_EQ(Cell(190, 2), "new") << "never painted, so never read before";

  dialog.RefreshList();
  EXPECT_EQ(Cell(3, 2), "new") << "read again after a rebuild";
}

TEST_F(ReportListDialog, DescriptionColumnTakesTheRestButAtLeast10Pixels) {
  const int scrollBar = dialog.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &dialog);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  for (const int width : {549, 400, 120}) {
    dialog.resize(width, 300);
    QCoreApplication::processEvents();
    ASSERT_EQ(Grid()->width(), width);
    EXPECT_EQ(Grid()->columnWidth(0), 80);
    EXPECT_EQ(Grid()->columnWidth(1), 70);
    EXPECT_EQ(Grid()->columnWidth(2), std::max(width - 150 - scrollBar - 6, 10)) << width;
  }
  EXPECT_EQ(Grid()->columnWidth(2), 10);
}

}  // namespace
