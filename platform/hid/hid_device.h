#pragma once
// One opened USB HID device, read by the reader thread and closed by the window thread.
#include <cstddef>
#include <cstdint>

class HidDevice {
 public:
  virtual ~HidDevice() = default;
  // Reads one input report into buf: the report id at byte 0 (0 when the device numbers none),
  // then the data. Waits at most timeoutMs. Returns the byte count, 0 on timeout, -1 on error
  // or once the device has been closed.
  virtual int ReadReport(std::uint8_t* buf, std::size_t length, int timeoutMs) = 0;
  // Closes the device. Safe while another thread is inside ReadReport: that call returns -1 and
  // the device is released only after it has returned. Idempotent.
  virtual void Close() = 0;
};
