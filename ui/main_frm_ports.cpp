// The serial side: the "Порт" menu, the saved port, and switching reading on and off.
#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include "platform/com_ports.h"
#include "platform/private_profile.h"
#include "platform/qt/message_boxes.h"
#include "platform/qt/qt_serial_port.h"
#include "ui/main_frm.h"
#include "ui/settings_keys.h"

void TMainFrm::ListComPorts() {
  N5->clear();
  const std::string appDir = Paths.AppDir.toStdString();
  const auto probe = services_.probePort ? services_.probePort : ProbeSerialPort;
  for (const int n : PresentComPorts(appDir, probe)) {
    auto* item = new QAction(QStringLiteral("COM%1").arg(n), N5);
    item->setData(n);
    item->setCheckable(true);
    item->setActionGroup(PortGroup);
    item->setStatusTip(QString::fromStdString(ComDevicePath(appDir, n)));
    connect(item, &QAction::triggered, this, [this, item] { NCOM1Click(item); });
    N5->addAction(item);
  }
}

void TMainFrm::ChooseSavedPort() {
  const QString saved = QString::fromStdString(
      GetPrivateProfileString(Paths.IniPath.toStdString(), SettingsSection, PortKey, "COM1"));
  const QList<QAction*> items = N5->actions();
  for (QAction* item : items) {
    if (item->text().remove(QLatin1Char('&')).compare(saved, Qt::CaseInsensitive) == 0) {
      NCOM1Click(item);
      return;
    }
  }
  if (!items.isEmpty()) {
    NCOM1Click(items.first());
    return;
  }
  services_.boxes->Inform(this, MessageBoxes::Icon::Error, QString(),
                          QStringLiteral("Не обнаружено ни одного COM-порта!"));
}

void TMainFrm::NCOM1Click(QAction* item) {
  if (item) {
    PortName = QStringLiteral("COM%1").arg(item->data().toInt());
    item->setChecked(true);
  }
  StatusPanel[0]->setText(PortName);
  WritePrivateProfileString(Paths.IniPath.toStdString(), SettingsSection, PortKey, PortName.toStdString());
}

void TMainFrm::OpenComPort() {
  // The reader opens the port on its own thread; when the open fails it ends at once and nothing
  // arrives, while reading still shows as on.
  StartReader(ComDevicePath(Paths.AppDir.toStdString(), PortName.mid(3).toInt()));
  StatusPanel[0]->setText(PortName);
}

void TMainFrm::N3Click() {
  if (!n3Checked_) {
    N3->setText(QStringLiteral("Выключить"));
    N5->setEnabled(false);
    if (!PortName.isEmpty()) OpenComPort();
    ClearSelection();
  } else {
    if (Reader) Reader->Terminate();
    N3->setText(QStringLiteral("Включить"));
    N5->setEnabled(true);
    if (Recorder.Recording()) Recorder.ToggleRecording();
  }
  SetReadingChecked(!n3Checked_);
}

void TMainFrm::SetReadingChecked(bool checked) {
  // The menu item and the toggle button always show the same state.
  n3Checked_ = checked;
  N3->setChecked(checked);
  SpeedButton1->setChecked(checked);
}
