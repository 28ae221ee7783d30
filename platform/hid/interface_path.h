#pragma once
// Builds and reads the Windows-form interface paths described in hid_backend.h, and the Linux
// device names they are made from. Pure text functions.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view HidInterfaceClassGuid = "{4d1e55b2-f16f-11cf-88cb-001111000030}";
inline constexpr std::string_view UsbDeviceClassGuid = "{a5dcbf10-6530-11d2-901f-00c04fb951ed}";

// \\?\HID#VID_0483&PID_5750#<instance>#{4d1e55b2-...}
std::string HidInterfacePath(std::uint16_t vendorId, std::uint16_t productId, std::string_view instance);
// \\?\USB#VID_0483&PID_5750#<key>#{a5dcbf10-...}
std::string UsbDeviceInterfacePath(std::uint16_t vendorId, std::uint16_t productId, std::string_view key);

// The key of a USB device in its interface path: its serial number with '#' made '_' (a '#' would
// shift the key part), or fallbackName when the serial number is empty.
std::string UsbDeviceKey(std::string_view serialNumber, std::string_view fallbackName);

// The instance part of a HID interface path; nothing when path is not of the HID form (prefix
// and class compared without case).
std::optional<std::string> HidInstanceOfPath(std::string_view path);

struct HidIds {
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
};
// Vendor and product of a Linux HID device name "BBBB:VVVV:PPPP.NNNN" (hex).
std::optional<HidIds> ParseHidDeviceName(std::string_view name);

// The HID device name in a hidraw node's sysfs path ".../<name>/hidraw/hidrawN". It is in the
// path itself, so it is known even when the node is already gone.
std::optional<std::string> HidDeviceNameOfHidrawSyspath(std::string_view syspath);
