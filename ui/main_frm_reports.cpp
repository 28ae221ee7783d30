// Opening a stored report and printing the current data.
#include <QLabel>
#include <QLineEdit>

#include "platform/qt/message_boxes.h"
#include "reports/dialog/report_printer.h"
#include "reports/dialog/topnrep.h"
#include "reports/report_loader.h"
#include "reports/report_names.h"
#include "ui/main_frm.h"
#include "ui/paint_box.h"

std::string TMainFrm::RecordingReportName() const {
  if (!Recorder.ReportOpen()) return {};
  return std::filesystem::path(Recorder.ReportPath()).stem().string();
}

void TMainFrm::N4Click() {
  const std::filesystem::path reportDir = Paths.ReportDir.toStdString();
  if (!OpnRep) OpnRep = new TOpnRep(reportDir, [this] { return RecordingReportName(); }, this);
  OpnRep->RefreshList();
  if (OpnRep->ReportCount() == 0) {
    services_.boxes->Inform(this, MessageBoxes::Icon::Warning, QString(), QStringLiteral("Файлов с отчетами пока нет."));
    return;
  }
  if (OpnRep->exec() != QDialog::Accepted) return;

  // Switching reading off ends a recorded cycle with its question; its file is closed when
  // N3Click returns.
  if (n3Checked_) N3Click();

  const std::string name = OpnRep->SelectedName();
  const std::optional<LoadedReport> loaded = LoadReport(reportDir, name, Samples);
  if (!loaded) {
    const QString path = QString::fromStdString(ReportFilePath(reportDir, name).string());
    services_.boxes->Inform(this, MessageBoxes::Icon::Error, QString(),
                            QStringLiteral("Нумогу прочитать файл отчета:\n%1\nвозможно он открыт другой программой.").arg(path));
    return;
  }
  Recorder.SetCycleStamp(loaded->cycleStamp);
  Edit1->setText(QString::fromStdString(loaded->description));
  Chart.CursorRow = -1;
  Panel1Resize();
  PaintBox3->update();
  Edit1->setReadOnly(true);
  Label[8]->clear();
}

void TMainFrm::N6Click() {
  if (Samples.RowCount == 0) {
    services_.boxes->Inform(this, MessageBoxes::Icon::Information, QString(), QStringLiteral("Печатать нечего."));
    return;
  }
  const PrintOutcome outcome =
      PrintReport({Samples, Recorder.CycleStamp(), Edit1->text().toStdString()});
  if (outcome == PrintOutcome::NoPrinter)
    services_.boxes->Inform(nullptr, MessageBoxes::Icon::Error, QStringLiteral("Ошибка"),
                            QStringLiteral("Нет установленных принтеров."));
}
