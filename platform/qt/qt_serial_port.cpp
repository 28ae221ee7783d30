#include "platform/qt/qt_serial_port.h"

#include <QDeadlineTimer>
#include <QSerialPort>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <system_error>
#include <thread>

namespace {

void SleepUntil(const QDeadlineTimer& deadline) {
  std::this_thread::sleep_for(std::chrono::milliseconds(std::max<qint64>(0, deadline.remainingTime())));
}

}  // namespace

QtSerialPort::QtSerialPort() = default;

QtSerialPort::~QtSerialPort() { Close(); }

bool QtSerialPort::Open(const std::string& devicePath) {
  Close();
  std::error_code ec;
  const std::filesystem::path device = std::filesystem::canonical(devicePath, ec);
  if (ec) return false;

  auto port = std::make_unique<QSerialPort>();
  port->setPortName(QString::fromStdString(device.string()));
  // QSerialPort applies these when it opens; it also takes the lock file and TIOCEXCL.
  port->setBaudRate(QSerialPort::Baud9600);
  port->setDataBits(QSerialPort::Data8);
  port->setParity(QSerialPort::NoParity);
  port->setStopBits(QSerialPort::TwoStop);
  port->setFlowControl(QSerialPort::NoFlowControl);
  if (!port->open(QIODevice::ReadWrite)) return false;

  // A device without modem lines (a pseudo-terminal) refuses these; that is not a failure.
  port->setDataTerminalReady(false);
  port->setRequestToSend(true);
  port->clearError();
  port_ = std::move(port);
  return true;
}

std::size_t QtSerialPort::WaitForInput(int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  if (!port_) {
    SleepUntil(deadline);
    return 0;
  }
  if (port_->bytesAvailable() == 0 && !port_->waitForReadyRead(timeoutMs)) {
    // A hung-up or failing device returns at once; let the time pass so that a poll loop idles.
    if (port_->error() != QSerialPort::TimeoutError) SleepUntil(deadline);
    port_->clearError();
  }
  return static_cast<std::size_t>(port_->bytesAvailable());
}

long QtSerialPort::Read(std::uint8_t* buf, std::size_t length) {
  if (!port_) return -1;
  return static_cast<long>(port_->read(reinterpret_cast<char*>(buf), static_cast<qint64>(length)));
}

void QtSerialPort::Close() {
  if (!port_) return;
  port_->close();
  port_.reset();
}

bool ProbeSerialPort(const std::string& devicePath) {
  QtSerialPort port;
  return port.Open(devicePath);  // closed again by the destructor
}
