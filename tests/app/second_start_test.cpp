// Starting the real program twice: the second start ends at once with 0 and leaves the first
// running. The answer of the running instance itself is covered by the single-instance suite.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

TEST(SecondStart, EndsWithZeroAndLeavesTheFirstInstanceRunning) {
  QTemporaryDir runtime;  // the per-user lock lives here, apart from any real instance
  QTemporaryDir program;  // the program's own folder: Param.ini and reports go here
  const QString exe = program.filePath(QStringLiteral("lorn"));
  ASSERT_TRUE(QFile::copy(QStringLiteral(LORN_EXECUTABLE), exe));

  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));

  QProcess first;
  first.setProcessEnvironment(env);
  first.start(exe, {});
  ASSERT_TRUE(first.waitForStarted());
  // The first instance holds its lock once it has started; wait for the lock file.
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return !QDir(runtime.path()).entryList({QStringLiteral("*.lock")}, QDir::Files).isEmpty(); }, 20000));

  QProcess second;
  second.setProcessEnvironment(env);
  second.start(exe, {});
  ASSERT_TRUE(second.waitForFinished(20000));
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_EQ(first.state(), QProcess::Running);

  first.terminate();
  first.waitForFinished(20000);
}
