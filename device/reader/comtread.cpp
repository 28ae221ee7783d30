#include "device/reader/comtread.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <algorithm>
#include <vector>

#include "platform/qt/qt_serial_port.h"

namespace {

constexpr int kSerialPollMs = 1;      // longest wait for serial input in one loop turn
constexpr int kHidReadTimeoutMs = 20;  // one HID read; bounds how late a stop request is seen
constexpr unsigned long kHidPauseMs = 1;
constexpr std::uint8_t kHidReportId = 2;  // byte 0 of the report buffer before each read
constexpr int kDrainWaitMs = 10;

}  // namespace

COMTread::COMTread(LinkState& link, ReaderHost& host, std::string serialDevicePath)
    : link_(link),
      host_(host),
      hid_(link.HidMode.load()),
      hidDevice_(hid_ ? link.HidHandle : nullptr),
      serialDevicePath_(std::move(serialDevicePath)) {
  // A reader counts as running from its creation, so that a device arrival between its creation
  // and the start of its thread cannot start a second one. Execute sets it back when it ends.
  link_.ReaderStopped = false;
  connect(this, &QThread::finished, this, &QObject::deleteLater, Qt::QueuedConnection);
}

void COMTread::Terminate() { stopRequested_ = true; }

void COMTread::Execute() {
  if (hid_)
    RunHidLoop();
  else
    RunSerialLoop();
  link_.ReaderStopped = true;
}

void COMTread::RunSerialLoop() {
  QtSerialPort port;
  if (!port.Open(serialDevicePath_)) return;  // reading shows as on; nothing arrives

  std::vector<std::uint8_t> buffer;  // grows to the largest input seen, never shrinks
  while (!StopRequested()) {
    const std::size_t waiting = port.WaitForInput(kSerialPollMs);
    if (waiting == 0) continue;
    if (waiting > buffer.size()) buffer.resize(waiting);
    const long count = port.Read(buffer.data(), waiting);
    for (long i = 0; i < count && !StopRequested(); ++i) decoder_.ParseByte(buffer[i]);
  }
  port.Close();  // the only close of this port: the reader owns it
}

void COMTread::RunHidLoop() {
  if (!hidDevice_) return;
  // A report shorter than 2 bytes holds no data; keep room for the report id all the same.
  const std::size_t length = std::max<std::size_t>(link_.InputReportLength.load(), 1);
  std::vector<std::uint8_t> report(length);
  while (link_.HidMode && !StopRequested()) {
    std::fill(report.begin(), report.end(), 0);
    report[0] = kHidReportId;
    // A timeout (0) is not a report; an error (-1, also once the device is closed) is retried.
    if (hidDevice_->ReadReport(report.data(), length, kHidReadTimeoutMs) > 0)
      decoder_.ScanReport(report.data(), length);
    QThread::msleep(kHidPauseMs);
  }
  // The device is not closed here: its removal handling or the window does that.
}

void COMTread::HandOff(HandOffKind kind) {
  if (StopRequested()) return;
  pendingHandOff_.store(kind, std::memory_order_release);
  QMetaObject::invokeMethod(this, "RunHandOff", Qt::BlockingQueuedConnection);
  pendingHandOff_.load(std::memory_order_acquire);
}

void COMTread::RunHandOff() {
  const HandOffKind kind = pendingHandOff_.load(std::memory_order_acquire);
  ++handoffDepth_;
  switch (kind) {
    case HandOffKind::Status:
      host_.OnStatus(FrameBuf());
      break;
    case HandOffKind::Profile:
      host_.ShowProfile(FrameBuf());
      break;
    case HandOffKind::Sample:
      host_.AppendSample(*this);
      break;
    case HandOffKind::None:
      break;
  }
  --handoffDepth_;
  pendingHandOff_.store(HandOffKind::None, std::memory_order_release);
}

void COMTread::SyncStatus() { HandOff(HandOffKind::Status); }

void COMTread::LogSample() {
  if (StopRequested()) return;
  if (host_.LogSample(*this)) HandOff(HandOffKind::Sample);
}

void COMTread::SyncProfile() { HandOff(HandOffKind::Profile); }

bool StopReaderAndWait(QPointer<COMTread>& reader) {
  if (!reader) return true;
  reader->Terminate();
  if (reader->InHandoff()) return false;
  // The reader may be waiting for this thread to run a hand-off: keep running it until it ends.
  // Once it has ended, finished() may delete it during processEvents; the QPointer sees that.
  while (reader && !reader->wait(QDeadlineTimer(kDrainWaitMs))) QCoreApplication::processEvents();
  return true;
}
