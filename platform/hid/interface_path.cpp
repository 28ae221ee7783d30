#include "platform/hid/interface_path.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

constexpr std::string_view HidPrefix = "\\\\?\\HID#";

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

std::string InterfacePath(std::string_view kind, std::uint16_t vendorId, std::uint16_t productId,
                          std::string_view key, std::string_view classGuid) {
  char ids[32];
  std::snprintf(ids, sizeof ids, "VID_%04X&PID_%04X", vendorId, productId);
  std::string path = "\\\\?\\";
  path.append(kind).append("#").append(ids).append("#").append(key).append("#").append(classGuid);
  return path;
}

std::optional<std::uint16_t> ParseHex16(std::string_view text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  std::uint16_t value = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else return std::nullopt;
    value = static_cast<std::uint16_t>(value * 16 + digit);
  }
  return value;
}

}  // namespace

std::string HidInterfacePath(std::uint16_t vendorId, std::uint16_t productId, std::string_view instance) {
  return InterfacePath("HID", vendorId, productId, instance, HidInterfaceClassGuid);
}

std::string UsbDeviceInterfacePath(std::uint16_t vendorId, std::uint16_t productId, std::string_view key) {
  return InterfacePath("USB", vendorId, productId, key, UsbDeviceClassGuid);
}

std::string UsbDeviceKey(std::string_view serialNumber, std::string_view fallbackName) {
  std::string key(serialNumber.empty() ? fallbackName : serialNumber);
  std::replace(key.begin(), key.end(), '#', '_');
  return key;
}

std::optional<std::string> HidInstanceOfPath(std::string_view path) {
  if (path.size() < HidPrefix.size() || !EqualIgnoringCase(path.substr(0, HidPrefix.size()), HidPrefix))
    return std::nullopt;
  const auto idsEnd = path.find('#', HidPrefix.size());
  if (idsEnd == std::string_view::npos) return std::nullopt;
  const auto instanceEnd = path.find('#', idsEnd + 1);
  if (instanceEnd == std::string_view::npos || instanceEnd == idsEnd + 1) return std::nullopt;
  if (!EqualIgnoringCase(path.substr(instanceEnd + 1), HidInterfaceClassGuid)) return std::nullopt;
  return std::string(path.substr(idsEnd + 1, instanceEnd - idsEnd - 1));
}

std::optional<HidIds> ParseHidDeviceName(std::string_view name) {
  // BBBB:VVVV:PPPP.NNNN; the sequence number grows past four digits after 65535 pluggings.
  if (name.size() < 19 || name[4] != ':' || name[9] != ':' || name[14] != '.') return std::nullopt;
  const auto bus = ParseHex16(name.substr(0, 4));
  const auto vendor = ParseHex16(name.substr(5, 4));
  const auto product = ParseHex16(name.substr(10, 4));
  const std::string_view sequence = name.substr(15);
  const bool sequenceIsHex =
      sequence.size() <= 8 && std::all_of(sequence.begin(), sequence.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
  if (!bus || !vendor || !product || !sequenceIsHex) return std::nullopt;
  return HidIds{*vendor, *product};
}

std::optional<std::string> HidDeviceNameOfHidrawSyspath(std::string_view syspath) {
  constexpr std::string_view marker = "/hidraw/hidraw";
  const auto at = syspath.rfind(marker);
  if (at == std::string_view::npos || at == 0) return std::nullopt;
  const auto nameStart = syspath.rfind('/', at - 1);
  if (nameStart == std::string_view::npos) return std::nullopt;
  std::string name(syspath.substr(nameStart + 1, at - nameStart - 1));
  if (!ParseHidDeviceName(name)) return std::nullopt;
  return name;
}
