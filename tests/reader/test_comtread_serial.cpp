// The serial reader against a real pseudo-terminal, with hand-offs run by the test's event loop.
#include <QDeadlineTimer>
#include <chrono>
#include <thread>

#include "platform/qt/qt_serial_port.h"
#include "tests/reader/frames.h"
#include "tests/support/pseudo_terminal.h"
#include "tests/reader/recording_host.h"

namespace {

constexpr std::uint8_t kRunning = 0x04;
constexpr std::uint8_t kIdle = 0x00;

class SerialReader : public ReaderFixture {
 protected:
  PseudoTerminal pty;
};

TEST_F(SerialReader, BurstOfFramesIsHandedOffInOrder) {
  pty.Write(Joined({StatusFrame(25, kRunning), ProfileFrame(30, 0), StatusFrame(26, kIdle), ProfileFrame(31, 1),
                    StatusFrame(27, kRunning)}));
  StartReader(pty.SlavePath());
  EXPECT_FALSE(link.ReaderStopped);

  ASSERT_TRUE(WaitForEvents(10));
  EXPECT_EQ(host.Events(), (std::vector<std::string>{
                               "status 25@ui", "log@reader", "append 25@ui",  // recorded sample
                               "profile 30 type 0@ui",                        //
                               "status 26@ui", "log@reader",                  // no cycle: no sample
                               "profile 31 type 1@ui",                        //
                               "status 27@ui", "log@reader", "append 27@ui"}));
}

TEST_F(SerialReader, FrameSplitInsideDoubledFFIsDecoded) {
  const std::vector<std::uint8_t> frame = StatusFrame(0x00FF, kRunning);  // FF 01 09 08 FF FF 00 ...
  ASSERT_EQ(frame[4], 0xFF);
  ASSERT_EQ(frame[5], 0xFF);
  StartReader(pty.SlavePath());

  pty.Write({frame.begin(), frame.begin() + 5});
  ASSERT_TRUE(QTest::qWaitFor([&] { return pty.Queued() == 0; }, kDeadlineMs));  // first part read
  pty.Write({frame.begin() + 5, frame.end()});

  ASSERT_TRUE(WaitForEvents(3));
  EXPECT_EQ(host.Events(), (std::vector<std::string>{"status 255@ui", "log@reader", "append 255@ui"}));
}

TEST_F(SerialReader, StopWhileIdleEndsReaderAndReleasesPort) {
  StartReader(pty.SlavePath());
  pty.Write(StatusFrame(30, kIdle));
  ASSERT_TRUE(WaitForEvents(2));  // the port is open and the loop turns
  ASSERT_FALSE(ProbeSerialPort(pty.SlavePath()));

  reader->Terminate();
  ASSERT_TRUE(WaitForEnd());
  EXPECT_TRUE(link.ReaderStopped);
  EXPECT_TRUE(QTest::qWaitFor([&] { return reader.isNull(); }, kDeadlineMs));
  EXPECT_TRUE(ProbeSerialPort(pty.SlavePath()));
}

TEST_F(SerialReader, StopAfterLineHangUpEndsReader) {
  StartReader(pty.SlavePath());
  pty.Write(StatusFrame(35, kIdle));
  ASSERT_TRUE(WaitForEvents(2));

  pty.HangUp();
  reader->Terminate();
  ASSERT_TRUE(WaitForEnd());
  EXPECT_TRUE(link.ReaderStopped);
  EXPECT_EQ(host.Count(), 2u);
}

TEST_F(SerialReader, PortHeldElsewhereEndsReaderAtOnce) {
  QtSerialPort holder;
  ASSERT_TRUE(holder.Open(pty.SlavePath()));
  StartReader(pty.SlavePath());

  ASSERT_TRUE(WaitForEnd());
  EXPECT_TRUE(link.ReaderStopped);
  EXPECT_TRUE(host.Events().empty());
}

TEST_F(SerialReader, NothingIsHandedOffWhileHandlerBlocks) {
  const std::vector<std::uint8_t> waiting = Joined({StatusFrame(41, kRunning), ProfileFrame(30, 2)});
  host.onStatus = [&](std::uint16_t tr) {
    if (tr != 40) return;
    // A modal question: a nested event loop while the reader waits. Data arriving meanwhile stays
    // in the line's input queue, unread.
    pty.Write(waiting);
    const std::size_t before = host.Count();
    QTest::qWait(100);
    EXPECT_EQ(host.Count(), before);
    EXPECT_EQ(pty.Queued(), static_cast<int>(waiting.size()));
  };
  pty.Write(StatusFrame(40, kRunning));
  StartReader(pty.SlavePath());

  ASSERT_TRUE(WaitForEvents(7));
  EXPECT_EQ(host.Events(),
            (std::vector<std::string>{"status 40@ui", "log@reader", "append 40@ui", "status 41@ui", "log@reader",
                                      "append 41@ui", "profile 30 type 2@ui"}));
}

TEST_F(SerialReader, StopAndWaitReleasesReaderBlockedInHandOff) {
  pty.Write(Joined({StatusFrame(50, kRunning), StatusFrame(51, kRunning)}));
  StartReader(pty.SlavePath());

  // The window is busy in its close handler and runs no events, while the reader reads both frames
  // and blocks in the first status hand-off, waiting for this thread. A plain wait() would never
  // return here.
  const QDeadlineTimer deadline(kDeadlineMs);
  while (pty.Queued() != 0 && !deadline.hasExpired()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  ASSERT_EQ(pty.Queued(), 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(10));  // the rest of the handler's work
  EXPECT_TRUE(StopReaderAndWait(reader));
  EXPECT_TRUE(reader.isNull() || reader->isFinished());
  EXPECT_TRUE(link.ReaderStopped);
  // The hand-off that was waiting ran; nothing began after the stop request.
  const std::vector<std::string> events = host.Events();
  EXPECT_LE(events.size(), 1u);
  if (!events.empty()) {
    EXPECT_EQ(events.front(), "status 50@ui");
  }
}

TEST_F(SerialReader, StopRequestedInsideHandOffEndsReaderWithoutFurtherCalls) {
  bool stopped = true;
  host.onStatus = [&](std::uint16_t) { stopped = StopReaderAndWait(reader); };
  pty.Write(Joined({StatusFrame(60, kRunning), StatusFrame(61, kRunning)}));
  StartReader(pty.SlavePath());

  ASSERT_TRUE(WaitForEnd());
  EXPECT_FALSE(stopped);  // it could not wait for a reader that waits for it
  EXPECT_EQ(host.Events(), (std::vector<std::string>{"status 60@ui"}));
  EXPECT_TRUE(link.ReaderStopped);
}

}  // namespace
