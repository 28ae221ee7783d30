#include "app/gshell.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/qt/single_instance.h"

AppPaths SetAppPaths(const QString& executablePath, const QString& settingsFileName) {
  int slash = executablePath.lastIndexOf(QLatin1Char('/'));
  // "/dir/./exe": the component before the last slash is a single dot; drop it with its slash.
  if (slash >= 2 && executablePath[slash - 1] == QLatin1Char('.') && executablePath[slash - 2] == QLatin1Char('/'))
    slash -= 2;
  AppPaths p;
  p.AppDir = executablePath.left(slash + 1);
  p.IniPath = p.AppDir + settingsFileName;
  p.ReportDir = p.AppDir + QStringLiteral("Report/");
  return p;
}

bool OtherInstanceRunning(SingleInstance& instance) {
  if (instance.TryBecomePrimary()) return false;
  instance.RequestShow();  // no answer in time: end quietly all the same
  return true;
}

bool InstallRussianTexts() {
  auto* qt = new QTranslator(QCoreApplication::instance());
  if (!qt->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete qt;
    return false;
  }
  return QCoreApplication::installTranslator(qt);
}
