// Entry point: one instance per user, then the main window and the message loop.
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <exception>

#include "app/gshell.h"
#include "cycle/time_text.h"
#include "platform/hid/hidapi_backend.h"
#include "platform/qt/message_boxes.h"
#include "platform/qt/single_instance.h"
#include "ui/main_frm.h"

namespace {
// The executable's own path, as the system reports it ("/proc/self/exe"), not canonicalised.
QString ExecutablePath() {
  const QString link = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
  return link.isEmpty() ? QCoreApplication::applicationFilePath() : link;
}
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  SingleInstance instance(QStringLiteral("AHKFSBCV"));
  if (OtherInstanceRunning(instance)) return 0;
  try {
    InstallRussianTexts();
    QApplication::setApplicationDisplayName(QStringLiteral("ЛОРН 2.2"));
    QtMessageBoxes boxes;
    HidapiBackend hid;
    TMainFrm window(SetAppPaths(ExecutablePath(), QStringLiteral("Param.ini")),
                    MainFrmServices{&boxes, &hid, [] { return NowLocalDateTime(); }, {}});
    QObject::connect(&instance, &SingleInstance::showRequested, &window, &TMainFrm::ShowInstance);
    instance.Listen();
    window.show();
    app.exec();
  } catch (const std::exception& e) {
    QMessageBox::critical(nullptr, QStringLiteral("ЛОРН 2.2"), QString::fromUtf8(e.what()));
  }
  return 0;
}
