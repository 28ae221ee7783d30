#include "ui/main_frm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolButton>

#include "device/packets.h"
#include "platform/private_profile.h"
#include "platform/qt/message_boxes.h"
#include "ui/paint_box.h"
#include "ui/pictures.h"
#include "ui/settings_keys.h"

TMainFrm::TMainFrm(const AppPaths& paths, MainFrmServices services)
    : Recorder(Samples, *this, services.clock), Paths(paths), services_(std::move(services)) {
  setWindowTitle(QStringLiteral("ЛОРН 2.2"));
  QFont font(QStringLiteral("Verdana"));
  font.setPixelSize(12);
  setFont(font);

  Samples.SetColumns(SampleColumnTypes, 4);
  Recorder.SetReportDir(Paths.ReportDir.toStdString());

  CreateMenu();
  CreateControls();
  CreateStatusBar();
  SetUpChart();
  // The client area below the menu bar is 792 x 573 pixels, centred on the desktop.
  resize(792, 573 + menuBar()->sizeHint().height());
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());

  connect(N3, &QAction::triggered, this, [this] { N3Click(); });
  connect(SpeedButton1, &QToolButton::clicked, this, [this] { N3Click(); });
  connect(N4, &QAction::triggered, this, [this] { N4Click(); });
  connect(SpeedButton2, &QToolButton::clicked, this, [this] { N4Click(); });
  connect(N6, &QAction::triggered, this, [this] { N6Click(); });
  connect(SpeedButton3, &QToolButton::clicked, this, [this] { N6Click(); });

  ListComPorts();
  ChooseSavedPort();
  ApplyInterfaceLevel();

  for (int i : {8, 12, 13, 14, 15, 16, 17, 18}) Label[i]->clear();
  StatusPanel[2]->clear();
  ShowGlyph(0);

  if (services_.hid) {
    FindHidDevice();
    services_.hid->StartNotifications(
        [this](HidChange change, const std::string& path) { DeviceChange(change, path); });
  }
}

TMainFrm::~TMainFrm() {
  // FormDestroy: no hand-off and no device notice may reach a window that is going away.
  closing_ = true;
  if (services_.hid) services_.hid->StopNotifications();
  StopReaderAndWait(Reader);
  // The reader's last write is its ReaderStopped store; this load orders everything the reader
  // did before the window's memory goes (QThread::wait orders it too, out of a race detector's sight).
  Link.ReaderStopped.load(std::memory_order_acquire);
  if (Link.HidHandle) Link.HidHandle->Close();
}

void TMainFrm::StartReader(const std::string& serialDevicePath) {
  Reader = new COMTread(Link, *this, serialDevicePath);
  Reader->start();
}

void TMainFrm::ApplyInterfaceLevel() {
  const std::string ini = Paths.IniPath.toStdString();
  std::string level = GetPrivateProfileString(ini, SettingsSection, InterfaceLevelKey, "0");
  if (!level.empty() && level[0] == '0') {
    level.clear();
    WritePrivateProfileString(ini, SettingsSection, InterfaceLevelKey, level);
  }
  // Only the exact text "OTK" shows the difference and rate labels.
  const bool advanced = level == "OTK";
  for (int i : {25, 26, 27, 28, 29}) Label[i]->setVisible(advanced);
}

bool TMainFrm::event(QEvent* e) {
  // ShowHint: the hint of the control or menu item under the mouse goes to status panel 3.
  if (e->type() == QEvent::StatusTip) {
    StatusPanel[3]->setText(static_cast<QStatusTipEvent*>(e)->tip());
    return true;
  }
  return QMainWindow::event(e);
}

void TMainFrm::closeEvent(QCloseEvent* event) {
  // FormClose: stop reading, end a recorded cycle's file with its question, then make sure the
  // reader has ended before the window goes away.
  closing_ = true;
  if (Reader) Reader->Terminate();
  if (Link.HidHandle) Link.HidHandle->Close();
  Recorder.EndCycle();
  StopReaderAndWait(Reader);
  event->accept();
}

void TMainFrm::ShowInstance() {
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

// --- hand-offs from the reader thread ---

void TMainFrm::OnStatus(const FrameBuffer& frame) {
  if (closing_) return;
  const StatusPacket p = StatusPacket::From(frame);
  Recorder.OnStatus(p.Open(), p.Running(), p.Stage);
}

bool TMainFrm::LogSample(COMTread& reader) {
  const StatusPacket p = StatusPacket::From(reader.FrameBuf());
  const std::optional<SampleValues> s = Recorder.LogSample(p.Tr, p.Ti, p.Te);
  if (!s) return false;
  reader.Elapsed = s->Elapsed;
  reader.TrValue = s->TrValue;
  reader.TiValue = s->TiValue;
  reader.TeValue = s->TeValue;
  return true;
}

void TMainFrm::AppendSample(const COMTread& reader) {
  if (closing_) return;
  Recorder.AppendSample({reader.Elapsed, reader.TrValue, reader.TiValue, reader.TeValue});
  SampleAppended();
}

// --- RecorderView ---

void TMainFrm::ShowRecording(bool recording) {
  StatusPanel[1]->setText(recording ? QStringLiteral("OK") : QStringLiteral("нет"));
}

void TMainFrm::ShowLidOpen(bool open) {
  StatusPanel[2]->setText(open ? QStringLiteral("Открыт") : QStringLiteral("Закрыт"));
}

void TMainFrm::ShowGlyph(int glyphIndex) {
  SpeedButton1->setIcon(pictures::Lamp(glyphIndex));
  SpeedButton1->setIconSize(QSize(20, 19));
}

void TMainFrm::CycleStarted() {
  Edit1->setReadOnly(false);
  Edit1->clear();
  ClearSelection();
}

std::string TMainFrm::Description() { return Edit1->text().toStdString(); }

bool TMainFrm::AskKeepReport(const std::string& reportPath) {
  const QString text = QStringLiteral("Сохранить всю информацию о рабочем цикле в файл:\n%1 ?")
                           .arg(QString::fromStdString(reportPath));
  return services_.boxes->AskYesNo(this, QStringLiteral("Сохранение отчета"), text);
}

void TMainFrm::ReportClosed() { Edit1->setReadOnly(true); }
