#pragma once
// How the program recognises its USB controller among HID devices and device-change notices.
// Interface paths have the form \\?\HID#VID_0483&PID_5750#<instance>#{class guid}; the instance
// part (between the second and third '#') is the key that pairs an arrival or a device taken at
// start with its removal. Pure text rules: no Qt, no devices.
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::uint16_t ControllerVendorId = 0x0483;
inline constexpr std::string_view ControllerManufacturer = "DESTAL";

// The text strictly between the second and third '#' of path; empty when path has fewer than
// three '#'.
std::string PathKeyPart(std::string_view path);

// ASCII lowercasing: notification paths are compared in lower case.
std::string LowercasePath(std::string_view path);

// An arrival is looked at only for the HID interface of a device with the controller's vendor.
bool IsControllerArrivalPath(std::string_view path);
// A removal is looked at for that HID interface or for the USB device interface of such a device.
bool IsControllerRemovalPath(std::string_view path);

// Compares two device keys ignoring ASCII case. An empty key never matches: it would pair a
// device without a serial number with any malformed path.
bool SameDeviceKey(std::string_view a, std::string_view b);

// The manufacturer string must be exactly "DESTAL": whole string, case-sensitive.
bool IsControllerManufacturer(std::string_view manufacturer);
bool IsControllerVendor(std::uint16_t vendorId);
