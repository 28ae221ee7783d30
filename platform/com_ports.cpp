#include "platform/com_ports.h"

#include <system_error>

namespace {

struct DeviceRange {
  int firstPort;
  const char* devicePrefix;
};

// 32 ports each, numbered from 0 on the device side.
constexpr DeviceRange kRanges[] = {{1, "/dev/ttyS"}, {33, "/dev/ttyUSB"}, {65, "/dev/ttyACM"}};
constexpr int kPortsPerRange = 32;

}  // namespace

std::string ComDevicePath(const std::filesystem::path& appDir, int number) {
  if (number < MinComPort || number > MaxComPort) return {};
  const std::filesystem::path link = appDir / "ports" / ("COM" + std::to_string(number));
  std::error_code ec;
  if (std::filesystem::exists(std::filesystem::symlink_status(link, ec))) return link.string();
  for (const DeviceRange& range : kRanges) {
    const int index = number - range.firstPort;
    if (index >= 0 && index < kPortsPerRange) return range.devicePrefix + std::to_string(index);
  }
  return {};
}

std::vector<int> PresentComPorts(const std::filesystem::path& appDir,
                                 const std::function<bool(const std::string& devicePath)>& probe) {
  std::vector<int> present;
  for (int number = MinComPort; number <= MaxComPort; ++number) {
    const std::string device = ComDevicePath(appDir, number);
    std::error_code ec;
    if (device.empty() || !std::filesystem::exists(device, ec)) continue;
    if (probe(device)) present.push_back(number);
  }
  return present;
}
