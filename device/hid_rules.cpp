#include "device/hid_rules.h"

#include <algorithm>

namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool ContainsIgnoringCase(std::string_view path, std::string_view lowerNeedle) {
  return LowercasePath(path).find(lowerNeedle) != std::string::npos;
}

}  // namespace

std::string PathKeyPart(std::string_view path) {
  const auto first = path.find('#');
  if (first == std::string_view::npos) return {};
  const auto second = path.find('#', first + 1);
  if (second == std::string_view::npos) return {};
  const auto third = path.find('#', second + 1);
  if (third == std::string_view::npos) return {};
  return std::string(path.substr(second + 1, third - second - 1));
}

std::string LowercasePath(std::string_view path) {
  std::string lower(path);
  std::transform(lower.begin(), lower.end(), lower.begin(), AsciiLower);
  return lower;
}

bool IsControllerArrivalPath(std::string_view path) { return ContainsIgnoringCase(path, "hid#vid_0483"); }

bool IsControllerRemovalPath(std::string_view path) {
  const std::string lower = LowercasePath(path);
  return lower.find("hid#vid_0483") != std::string::npos || lower.find("usb#vid_0483") != std::string::npos;
}

bool SameDeviceKey(std::string_view a, std::string_view b) {
  if (a.empty() || b.empty()) return false;
  return LowercasePath(a) == LowercasePath(b);
}

bool IsControllerManufacturer(std::string_view manufacturer) { return manufacturer == ControllerManufacturer; }

bool IsControllerVendor(std::uint16_t vendorId) { return vendorId == ControllerVendorId; }
