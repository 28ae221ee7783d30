#include "platform/hid/hidapi_device.h"

#include "platform/utf8.h"

#include <hidapi/hidapi.h>
#include <unistd.h>

#include <algorithm>
#include <cwchar>

#include "platform/hid/interface_path.h"
#include "platform/utf8.h"

namespace {

// A read waits in slices of this many milliseconds so that Close, which waits for the read in
// flight to return, is never held up longer.
constexpr int ReadSliceMs = 20;
// Wide characters in a string read: the buffer of 506 bytes the controller's strings fit in.
constexpr std::size_t StringBufferChars = 253;

std::string ToUtf8(const wchar_t* text) {
  std::string out;
  for (; *text; ++text) {
    const auto c = static_cast<char32_t>(*text);
    if (c < 0x110000 && (c < 0xD800 || c > 0xDFFF)) AppendUtf8(out, c);
  }
  return out;
}

using StringRead = int (*)(hid_device*, wchar_t*, size_t);

}  // namespace

HidapiDevice::HidapiDevice(hid_device_* device, int lockFd, std::optional<InputReportLayout> layout,
                           std::string keyFallback)
    : device_(device),
      lockFd_(lockFd),
      usesReportIds_(layout && layout->usesReportIds),
      inputReportLength_(layout ? layout->inputReportLength : FallbackInputReportLength),
      keyFallback_(std::move(keyFallback)) {}

HidapiDevice::~HidapiDevice() { Close(); }

void HidapiDevice::Close() {
  closed_ = true;
  std::lock_guard lock(ioMutex_);
  if (device_) hid_close(device_);
  device_ = nullptr;
  if (lockFd_ >= 0) ::close(lockFd_);
  lockFd_ = -1;
}

int HidapiDevice::ReadReport(std::uint8_t* buf, std::size_t length, int timeoutMs) {
  std::lock_guard lock(ioMutex_);
  // hidraw leaves the report id out when the device numbers no reports: byte 0 gets a 0 then.
  const std::size_t idBytes = usesReportIds_ ? 0 : 1;
  if (length <= idBytes) return -1;
  std::uint8_t* data = buf + idBytes;
  const std::size_t dataLength = length - idBytes;
  if (!usesReportIds_) buf[0] = 0;

  int waitedMs = 0;
  for (;;) {
    if (closed_ || !device_) return -1;
    const int slice = timeoutMs < 0 ? ReadSliceMs : std::min(ReadSliceMs, timeoutMs - waitedMs);
    const int n = hid_read_timeout(device_, data, dataLength, slice);
    if (n < 0) return -1;
    if (n > 0) return n + static_cast<int>(idBytes);
    waitedMs += slice;
    if (timeoutMs >= 0 && waitedMs >= timeoutMs) return 0;
  }
}

std::optional<std::uint16_t> HidapiDevice::VendorId() {
  std::lock_guard lock(ioMutex_);
  if (!device_) return std::nullopt;
  const hid_device_info* info = hid_get_device_info(device_);
  if (!info) return std::nullopt;
  return info->vendor_id;
}

namespace {

std::optional<std::string> ReadString(hid_device* device, StringRead read) {
  wchar_t text[StringBufferChars] = {};
  if (!device || read(device, text, StringBufferChars) != 0) return std::nullopt;
  text[StringBufferChars - 1] = 0;
  return ToUtf8(text);
}

}  // namespace

std::optional<std::string> HidapiDevice::Manufacturer() {
  std::lock_guard lock(ioMutex_);
  return ReadString(device_, hid_get_manufacturer_string);
}

std::optional<std::string> HidapiDevice::SerialNumber() {
  std::lock_guard lock(ioMutex_);
  const auto serial = ReadString(device_, hid_get_serial_number_string);
  if (!serial) return std::nullopt;
  return UsbDeviceKey(*serial, keyFallback_);
}

std::optional<std::string> HidapiDevice::Product() {
  std::lock_guard lock(ioMutex_);
  return ReadString(device_, hid_get_product_string);
}

std::optional<std::uint16_t> HidapiDevice::InputReportLength() { return inputReportLength_; }
