#pragma once
// One HID interface opened through hidapi (hidraw), read by the reader thread and closed by the
// window thread.
#include <atomic>
#include <mutex>
#include <string>

#include "platform/hid/hid_backend.h"
#include "platform/hid/report_descriptor.h"

struct hid_device_;

class HidapiDevice : public OpenedHidDevice {
 public:
  // Takes ownership of device and of lockFd, the descriptor that holds the exclusive lock on the
  // node. layout describes the input reports; without it reports are taken as unnumbered and
  // FallbackInputReportLength long. keyFallback stands in for an empty serial number.
  HidapiDevice(hid_device_* device, int lockFd, std::optional<InputReportLayout> layout, std::string keyFallback);
  ~HidapiDevice() override;

  int ReadReport(std::uint8_t* buf, std::size_t length, int timeoutMs) override;
  void Close() override;

  std::optional<std::uint16_t> VendorId() override;
  std::optional<std::string> Manufacturer() override;
  // The key of the USB device interface path: the serial number with '#' made '_', or the HID
  // instance when the device has none (see hid_backend.h).
  std::optional<std::string> SerialNumber() override;
  std::optional<std::string> Product() override;
  // From the report descriptor; FallbackInputReportLength when it could not be read.
  std::optional<std::uint16_t> InputReportLength() override;

 private:
  hid_device_* device_;
  int lockFd_;
  const bool usesReportIds_;
  const std::uint16_t inputReportLength_;
  const std::string keyFallback_;
  std::atomic<bool> closed_{false};
  std::mutex ioMutex_;  // held while hidapi uses device_; Close waits on it before hid_close
};
