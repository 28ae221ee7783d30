#pragma once
// The USB HID services the program uses: list the present HID interfaces, open one for exclusive
// reading, read its attributes, and be told of arrivals and removals. No Qt types here.
//
// Interface paths have the Windows form, on every platform:
//   HID interface:        \\?\HID#VID_vvvv&PID_pppp#<instance>#{4d1e55b2-f16f-11cf-88cb-001111000030}
//   USB device interface: \\?\USB#VID_vvvv&PID_pppp#<serial>#{a5dcbf10-6530-11d2-901f-00c04fb951ed}
// vvvv and pppp are upper-case hex. The part between the second and third '#' is the device key:
//   - <instance> names one plugging of one HID interface and is the same in its arrival, in the
//     enumeration and in its removal. On Linux it is the kernel name of the HID device, e.g.
//     "0003:0483:5750.000A" (bus, vendor, product, a sequence number new at each plugging).
//   - <serial> is exactly what OpenedHidDevice::SerialNumber() returns for an interface of that
//     USB device: its serial number string with every '#' replaced by '_' or, when it has none,
//     the interface's <instance>.
// So a device taken at start, keyed by its serial number, is released by the removal of its USB
// device interface (or, without a serial number, of its HID interface); a device taken at
// arrival, keyed by its HID instance, by the removal of the HID interface. Removals are sent for
// HID interfaces and for the USB devices that carry them, the HID one first; arrivals only for
// HID interfaces.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/hid/hid_device.h"

// One opened HID interface: the reports (HidDevice) and its attributes. Each attribute read can
// fail (nothing returned). Strings are UTF-8, read into a buffer of 253 wide characters and cut
// at the first zero. Attribute reads belong to the thread that opened the device and are done
// before a reader starts; ReadReport and Close follow HidDevice's rules.
class OpenedHidDevice : public HidDevice {
 public:
  virtual std::optional<std::uint16_t> VendorId() = 0;
  virtual std::optional<std::string> Manufacturer() = 0;
  virtual std::optional<std::string> SerialNumber() = 0;
  virtual std::optional<std::string> Product() = 0;
  // Bytes of the longest input report, report id byte included; nothing when it is unknown.
  virtual std::optional<std::uint16_t> InputReportLength() = 0;
};

enum class HidChange { Arrival, Removal };

// Called on the thread that started the notifications, from its event loop. It may stop or
// restart the notifications, but must not destroy the backend.
using HidChangeHandler = std::function<void(HidChange change, const std::string& interfacePath)>;

// Owned and used by one thread (the window's). Opened devices may outlive the backend.
class HidBackend {
 public:
  virtual ~HidBackend() = default;
  // Paths of the HID interfaces present now, in the HID form above.
  virtual std::vector<std::string> EnumerateInterfaces() = 0;
  // Opens the HID interface with this path for exclusive reading; nullptr when it is absent,
  // held by another program, or the path is not a HID interface path.
  virtual std::unique_ptr<OpenedHidDevice> Open(const std::string& interfacePath) = 0;
  // Starts delivering arrivals and removals to handler on the calling thread, which must run a
  // Qt event loop. Returns false when the system cannot deliver them; nothing is delivered then.
  // Starting again replaces the handler.
  virtual bool StartNotifications(HidChangeHandler handler) = 0;
  // Stops the notifications; none is delivered after it returns. Idempotent.
  virtual void StopNotifications() = 0;
};
