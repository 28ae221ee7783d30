#pragma once
// One serial link, opened, polled, read and closed on a single thread. The line is receive-only:
// nothing is ever written to it.
#include <cstddef>
#include <cstdint>
#include <string>

class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // Opens devicePath for exclusive read and write and sets the line: 9600 baud, 8 data bits,
  // no parity, 2 stop bits, no flow control, RTS on and DTR off where the device has modem lines
  // (a device without them, such as a pseudo-terminal, is not a failure). False when the device is
  // absent, held by another program or rejects the line settings; the port is then closed.
  virtual bool Open(const std::string& devicePath) = 0;

  // Waits at most timeoutMs for input and returns the number of bytes waiting (0 when none).
  // It takes about timeoutMs even when the device fails at once, so a polling loop never spins.
  virtual std::size_t WaitForInput(int timeoutMs) = 0;

  // Reads at most length waiting bytes into buf. Returns the count read, or -1 on a read error.
  virtual long Read(std::uint8_t* buf, std::size_t length) = 0;

  // Closes the port; does nothing when it is not open.
  virtual void Close() = 0;
};
