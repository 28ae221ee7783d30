#pragma once
// SerialPort on QSerialPort. Create, use and destroy it on one thread; that thread needs no event
// loop (input is polled with waitForReadyRead).
#include <memory>
#include <string>

#include "platform/serial_port.h"

class QSerialPort;

class QtSerialPort final : public SerialPort {
 public:
  QtSerialPort();
  ~QtSerialPort() override;
  QtSerialPort(const QtSerialPort&) = delete;
  QtSerialPort& operator=(const QtSerialPort&) = delete;

  // A link (ports/COM<n>, /dev/serial/by-id/...) is resolved to its real device first, so that the
  // lock file (LCK..<device>) names the device itself: two programs reaching one device through
  // different names still exclude each other.
  bool Open(const std::string& devicePath) override;
  std::size_t WaitForInput(int timeoutMs) override;
  long Read(std::uint8_t* buf, std::size_t length) override;
  void Close() override;

 private:
  std::unique_ptr<QSerialPort> port_;  // exists only while the port is open
};

// True when devicePath exists and can be opened now (not held by another program). The port is
// closed again at once.
bool ProbeSerialPort(const std::string& devicePath);
