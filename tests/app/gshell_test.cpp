// The program's folders and the per-user single instance.
#include "app/gshell.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentRun>
#include <QFuture>
#include <QTest>

#include "platform/qt/single_instance.h"

TEST(SetAppPaths, DerivesTheFoldersAndDropsASingleDotFolder) {
  struct Case {
    const char* exe;
    const char* appDir;
  };
  for (const Case& c : {Case{"/opt/lorn/lorn", "/opt/lorn/"}, Case{"/opt/tools/./lorn", "/opt/tools/"},
                        Case{"/lorn", "/"}, Case{"/a.b/lorn", "/a.b/"}}) {
    const AppPaths p = SetAppPaths(QString::fromUtf8(c.exe), QStringLiteral("Param.ini"));
    EXPECT_EQ(p.AppDir, QString::fromUtf8(c.appDir)) << c.exe;
    EXPECT_EQ(p.IniPath, p.AppDir + QStringLiteral("Param.ini"));
    EXPECT_EQ(p.ReportDir, p.AppDir + QStringLiteral("Report/"));
  }
}

TEST(SingleInstance, SecondStartAsksTheFirstToShowItself) {
  QTemporaryDir dir;
  const QString name = QStringLiteral("lorn-test-%1").arg(QCoreApplication::applicationPid());
  SingleInstance first(name, dir.path());
  ASSERT_FALSE(OtherInstanceRunning(first));
  ASSERT_TRUE(first.Listen());
  QSignalSpy shown(&first, &SingleInstance::showRequested);

  // The second start blocks for at most 200 ms waiting for the answer, so it runs on another
  // thread while this one serves the request.
  SingleInstance second(name, dir.path());
  QFuture<bool> running = QtConcurrent::run([&] { return OtherInstanceRunning(second); });
  EXPECT_TRUE(QTest::qWaitFor([&] { return running.isFinished(); }, 5000));
  EXPECT_TRUE(running.result());
  EXPECT_EQ(shown.count(), 1);
}

TEST(SingleInstance, AFreeLockMeansTheFirstInstanceEvenWithoutAnAnswer) {
  QTemporaryDir dir;
  SingleInstance lone(QStringLiteral("lorn-lone"), dir.path());
  EXPECT_FALSE(lone.RequestShow());  // nobody listens
  EXPECT_FALSE(OtherInstanceRunning(lone));
}

TEST(RussianTexts, ThePlatformsOwnTextsAreTranslated) {
  ASSERT_TRUE(InstallRussianTexts());
  // The edit field's context menu and the standard buttons.
  EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("&Копировать"));
  EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}
