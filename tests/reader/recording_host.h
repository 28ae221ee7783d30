#pragma once
// A ReaderHost that records each call with the thread it ran on ("@ui" or "@reader"), and a
// fixture that runs one COMTread in the test's Qt event loop.
#include <QCoreApplication>
#include <QPointer>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "device/packets.h"
#include "device/reader/comtread.h"

class RecordingHost : public ReaderHost {
 public:
  // Extra work inside OnStatus, on the window's thread (a modal question in the program).
  std::function<void(std::uint16_t tr)> onStatus;
  // Runs inside LogSample, on the reader thread.
  std::function<void()> onLogSample;

  void OnStatus(const FrameBuffer& frame) override {
    const std::uint16_t tr = StatusPacket::From(frame).Tr;
    Record("status " + std::to_string(tr));
    if (onStatus) onStatus(tr);
  }
  void ShowProfile(const FrameBuffer& frame) override {
    Record("profile " + std::to_string(frame[2]) + " type " + std::to_string(ProfilePacket{frame}.ProfileType()));
  }
  // A cycle is recorded while the packet says it runs, as the recorder decides.
  bool LogSample(COMTread& reader) override {
    const StatusPacket status = StatusPacket::From(reader.FrameBuf());
    reader.TrValue = status.Tr;
    Record("log");
    if (onLogSample) onLogSample();
    return status.Running();
  }
  void AppendSample(const COMTread& reader) override { Record("append " + std::to_string(reader.TrValue)); }

  std::vector<std::string> Events() const {
    std::lock_guard lock(mutex_);
    return events_;
  }
  std::size_t Count() const {
    std::lock_guard lock(mutex_);
    return events_.size();
  }

 private:
  void Record(const std::string& what) {
    const bool ui = QThread::currentThread() == QCoreApplication::instance()->thread();
    std::lock_guard lock(mutex_);
    events_.push_back(what + (ui ? "@ui" : "@reader"));
  }

  mutable std::mutex mutex_;
  std::vector<std::string> events_;
};

class ReaderFixture : public ::testing::Test {
 protected:
  static constexpr int kDeadlineMs = 5000;

  void StartReader(const std::string& serialDevicePath = {}) {
    reader = new COMTread(link, host, serialDevicePath);
    QObject::connect(reader, &QThread::finished, &context, [this] { ended = true; });
    reader->start();
  }
  bool WaitForEvents(std::size_t count) {
    return QTest::qWaitFor([&] { return host.Count() >= count; }, kDeadlineMs);
  }
  bool WaitForEnd() { return QTest::qWaitFor([&] { return ended; }, kDeadlineMs); }

  void TearDown() override {
    StopReaderAndWait(reader);
    // The reader deletes itself from the event loop once it has ended.
    EXPECT_TRUE(QTest::qWaitFor([&] { return reader.isNull(); }, kDeadlineMs));
  }

  LinkState link;
  RecordingHost host;
  QPointer<COMTread> reader;
  QObject context;  // receives finished() on the test's thread
  bool ended = false;
};
