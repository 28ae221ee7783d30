#include "reports/dialog/topnrep.h"

#include <algorithm>

#include <QFont>
#include <QShowEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>
#include <QTableView>

#include "reports/dialog/report_list_model.h"
#include "reports/report_names.h"

namespace {

// Sizes in pixels: the window's initial client size, the button panel at the bottom, and the
// buttons, which keep their distance to the right edge as at the initial width.
constexpr int InitialWidth = 549;
constexpr int InitialHeight = 503;
constexpr int MinimumSize = 100;
constexpr int PanelHeight = 40;
constexpr int ButtonWidth = 90;
constexpr int ButtonHeight = 29;
constexpr int ButtonTop = 6;
constexpr int OkButtonLeft = 342;
constexpr int CancelButtonLeft = 442;
constexpr int RowHeight = 18;

QFont VerdanaFont(int pixelSize, bool bold) {
  QFont font(QStringLiteral("Verdana"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

}  // namespace

TOpnRep::TOpnRep(std::filesystem::path reportDir, std::function<std::string()> recordingName,
                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      reportDir_(std::move(reportDir)),
      recordingName_(std::move(recordingName)),
      model_(new ReportListModel(this)),
      StringGrid1(new QTableView(this)),
      Panel1(new QWidget(this)),
      Button1(new QPushButton(QStringLiteral("OK"), Panel1)),
      Button2(new QPushButton(QStringLiteral("Отмена"), Panel1)) {
  setWindowTitle(QStringLiteral("Список отчетов"));
  setFont(VerdanaFont(13, true));
  setMinimumSize(MinimumSize, MinimumSize);
  resize(InitialWidth, InitialHeight);

  StringGrid1->setModel(model_);
  StringGrid1->setFont(VerdanaFont(12, false));
  StringGrid1->horizontalHeader()->hide();
  StringGrid1->horizontalHeader()->setMinimumSectionSize(0);  // the width rule has its own floor
  StringGrid1->verticalHeader()->hide();
  StringGrid1->verticalHeader()->setMinimumSectionSize(0);
  StringGrid1->verticalHeader()->setDefaultSectionSize(RowHeight);
  StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  StringGrid1->setShowGrid(false);
  StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->setWordWrap(false);
  StringGrid1->setColumnWidth(0, DateColumnWidth);
  StringGrid1->setColumnWidth(1, TimeColumnWidth);

  Button1->setDefault(true);
  Button1->resize(ButtonWidth, ButtonHeight);
  Button2->resize(ButtonWidth, ButtonHeight);
  connect(Button1, &QPushButton::clicked, this, &TOpnRep::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
  connect(StringGrid1, &QAbstractItemView::doubleClicked, Button1, &QPushButton::click);
}

void TOpnRep::RefreshList() {
  const int currentRow = StringGrid1->currentIndex().row();
  model_->SetReports(reportDir_, ListReportNames(reportDir_, recordingName_ ? recordingName_() : ""));
  // The grid keeps its current row across rebuilds, moved up to the last row when the list shrank.
  const int count = model_->rowCount();
  if (count > 0) StringGrid1->setCurrentIndex(model_->index(std::clamp(currentRow, 0, count - 1), 0));
}

int TOpnRep::ReportCount() const { return model_->rowCount(); }

void TOpnRep::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;  // the window system re-showing it: no new list
  RefreshList();
  StringGrid1->setFocus();
}

void TOpnRep::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  const int width = event->size().width(), height = event->size().height();
  Panel1->setGeometry(0, height - PanelHeight, width, PanelHeight);
  Button1->move(width - (InitialWidth - OkButtonLeft), ButtonTop);
  Button2->move(width - (InitialWidth - CancelButtonLeft), ButtonTop);
  StringGrid1->setGeometry(0, 0, width, height - PanelHeight);
  const int scrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  StringGrid1->setColumnWidth(2, DescriptionColumnWidth(StringGrid1->width(), scrollBarWidth));
}

void TOpnRep::Button1Click() {
  const int row = StringGrid1->currentIndex().row();
  if (row < 0 || row >= ReportCount()) {
    reject();  // nothing to choose: the list emptied while the dialog was shown
    return;
  }
  selectedName_ = model_->Names()[row];
  accept();
}
