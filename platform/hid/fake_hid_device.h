#pragma once
// A HidDevice for tests, fed with reports by the test. Thread-safe: a reader thread reads while the
// test pushes reports and closes the device.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

#include "platform/hid/hid_device.h"

class FakeHidDevice final : public HidDevice {
 public:
  // Queues one report as the device delivers it: byte 0 the report id, then the data.
  void PushReport(std::vector<std::uint8_t> report);

  // Takes the oldest queued report, waiting up to timeoutMs for one (a negative timeout waits until
  // a report comes or the device is closed). Copies at most length bytes; returns the count copied,
  // 0 on timeout, -1 once the device is closed.
  int ReadReport(std::uint8_t* buf, std::size_t length, int timeoutMs) override;

  // Wakes a blocked reader, which returns -1; every later read returns -1 too.
  void Close() override;

  bool IsClosed() const;
  // True while a thread is waiting inside ReadReport.
  bool ReaderWaiting() const;
  // Reports queued and not read yet.
  std::size_t Pending() const;

 private:
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::vector<std::uint8_t>> reports_;
  bool closed_ = false;
  int waiting_ = 0;
};
