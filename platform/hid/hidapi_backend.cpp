#include "platform/hid/hidapi_backend.h"

#include <fcntl.h>
#include <hidapi/hidapi.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <vector>

#include "platform/hid/hidapi_device.h"
#include "platform/hid/interface_path.h"
#include "platform/hid/report_descriptor.h"
#include "platform/hid/udev_hotplug.h"

namespace {

// Largest report descriptor the kernel keeps (HID_MAX_DESCRIPTOR_SIZE).
constexpr std::size_t MaxDescriptorBytes = 4096;

std::optional<InputReportLayout> ReadInputReportLayout(const std::string& hidSyspath) {
  std::ifstream file(hidSyspath + "/report_descriptor", std::ios::binary);
  if (!file) return std::nullopt;
  std::vector<char> bytes(MaxDescriptorBytes);
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return ParseInputReportLayout(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                static_cast<std::size_t>(file.gcount()));
}

std::string AsciiUpper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

}  // namespace

HidapiBackend::HidapiBackend() : udev_(udev_new()) {
  hid_init();  // only notes the kernel version on Linux; safe to repeat
  hotplug_ = std::make_unique<UdevHotplugMonitor>(udev_.get());
}

HidapiBackend::~HidapiBackend() = default;

std::vector<std::string> HidapiBackend::EnumerateInterfaces() {
  std::vector<std::string> paths;
  if (!udev_) return paths;
  hid_device_info* list = hid_enumerate(0, 0);
  for (const hid_device_info* info = list; info; info = info->next) {
    const std::string_view devnode = info->path ? info->path : "";
    const auto node = FindHidrawBySysname(udev_.get(), std::string(devnode.substr(devnode.rfind('/') + 1)));
    if (!node) continue;
    std::string path = HidInterfacePath(node->ids.vendorId, node->ids.productId, node->hidName);
    // hidapi lists a node once per top-level collection; the program wants each interface once.
    if (std::find(paths.begin(), paths.end(), path) == paths.end()) paths.push_back(std::move(path));
  }
  hid_free_enumeration(list);
  return paths;
}

std::unique_ptr<OpenedHidDevice> HidapiBackend::Open(const std::string& interfacePath) {
  const auto instance = HidInstanceOfPath(interfacePath);
  if (!instance || !udev_) return nullptr;
  // Kernel HID names are upper-case hex; Windows paths compare without case.
  const auto node = FindHidrawByHidName(udev_.get(), AsciiUpper(*instance));
  if (!node) return nullptr;

  const int lockFd = ::open(node->devnode.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (lockFd < 0) return nullptr;
  if (::flock(lockFd, LOCK_EX | LOCK_NB) != 0) {
    ::close(lockFd);
    return nullptr;
  }
  hid_device* device = hid_open_path(node->devnode.c_str());
  if (!device) {
    ::close(lockFd);
    return nullptr;
  }
  return std::make_unique<HidapiDevice>(device, lockFd, ReadInputReportLayout(node->hidSyspath), node->hidName);
}

bool HidapiBackend::StartNotifications(HidChangeHandler handler) { return hotplug_->Start(std::move(handler)); }

void HidapiBackend::StopNotifications() { hotplug_->Stop(); }
