#pragma once
// A main window on a temporary program folder, with a pseudo-terminal linked as a COM port, a fake
// USB HID backend, scripted message boxes and a clock the test moves.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <QTest>
#include <atomic>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cycle/time_text.h"
#include "platform/hid/fake_hid_backend.h"
#include "platform/qt/message_boxes.h"
#include "platform/qt/qt_serial_port.h"
#include "tests/support/pseudo_terminal.h"
#include "tools/sim_frames.h"
#include "ui/main_frm.h"

// Records every box; answers the questions from a queue (Yes when it is empty).
class ScriptedBoxes : public MessageBoxes {
 public:
  struct Shown {
    Icon icon;
    QString caption, text;
  };
  void Inform(QWidget*, Icon icon, const QString& caption, const QString& text) override {
    shown.push_back({icon, caption, text});
  }
  bool AskYesNo(QWidget*, const QString& caption, const QString& text) override {
    shown.push_back({Icon::Question, caption, text});
    if (answers.empty()) return true;
    const bool a = answers.front();
    answers.pop_front();
    return a;
  }
  int Questions() const {
    int n = 0;
    for (const Shown& s : shown) n += s.icon == Icon::Question;
    return n;
  }
  std::vector<Shown> shown;
  std::deque<bool> answers;
};

// 2024-03-15 14:05:09 local time, in days.
inline constexpr double TestStart = 45366.0 + (14 * 3600 + 5 * 60 + 9) / SecondsPerDay;

inline std::vector<std::uint8_t> StatusFrame(std::uint8_t flags, std::uint16_t tr, std::uint16_t ti,
                                             std::uint16_t te, std::uint8_t stage = 1) {
  const auto payload = StatusPayload({tr, ti, te, flags, stage});
  return EncodeFrame(1, 9, payload);
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    appDir = dir.path() + QLatin1Char('/');
    paths = {appDir, appDir + QStringLiteral("Param.ini"), appDir + QStringLiteral("Report/")};
    QDir(appDir).mkpath(QStringLiteral("ports"));
  }
  void TearDown() override {
    if (frm) {
      frm->close();
      frm.reset();
    }
  }

  // COM<n> links to the device, as ports/COM<n> beside the program.
  void LinkPort(int n, const std::string& device) {
    const std::filesystem::path link = PortLink(n);
    std::filesystem::remove(link);
    std::filesystem::create_symlink(device, link);
  }
  std::filesystem::path PortLink(int n) const {
    return std::filesystem::path(appDir.toStdString()) / "ports" / ("COM" + std::to_string(n));
  }
  void WriteIni(const std::string& text) {
    QFile f(paths.IniPath);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.data(), static_cast<qint64>(text.size()));
  }
  QByteArray ReadFile(const QString& path) const {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  void Create() {
    // Only the linked ports exist for the window, whatever serial devices this machine has.
    const std::string ports = (appDir + QStringLiteral("ports/")).toStdString();
    auto probe = [ports](const std::string& device) {
      return device.starts_with(ports) && ProbeSerialPort(device);
    };
    frm = std::make_unique<TMainFrm>(paths, MainFrmServices{&boxes, &hid, [this] { return now.load(); }, probe});
    frm->show();
  }

  // Runs the event loop until the condition holds or the deadline passes. Unlike QTest::qWaitFor
  // it does not sleep between checks, so each hand-off of the reader runs as soon as it is posted.
  template <class Condition>
  bool WaitFor(Condition condition, int ms = 5000) {
    const QDeadlineTimer deadline(ms);
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (condition() || deadline.hasExpired()) loop.quit();
    });
    poll.start(1);
    if (!condition()) loop.exec();
    return condition();
  }
  QString Panel(int i) const { return frm->StatusPanel[i]->text(); }
  QString ReportPath(const char* stamp = "2024.03.15 14.05.09") const {
    return paths.ReportDir + QString::fromUtf8(stamp) + QStringLiteral(".xls");
  }

  QTemporaryDir dir;
  QString appDir;
  AppPaths paths;
  ScriptedBoxes boxes;
  FakeHidBackend hid;
  std::atomic<double> now{TestStart};
  std::unique_ptr<TMainFrm> frm;
};

// Presses Enter in the next modal dialog as soon as it shows (the report list's "OK"); `before`
// runs first, while the dialog is open.
inline void AcceptNextDialog(std::function<void()> before = {}) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, before] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || !dialog->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    if (before) before();
    QTest::keyClick(dialog, Qt::Key_Return);
  });
  timer->start(5);
}
