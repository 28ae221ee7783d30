#pragma once
// The HID backend of Linux: hidapi's hidraw backend for listing, opening and reading, libudev for
// the kernel names behind the interface paths and for arrivals and removals.
#include <memory>

#include "platform/hid/hid_backend.h"
#include "platform/hid/udev_lookup.h"

class UdevHotplugMonitor;

class HidapiBackend : public HidBackend {
 public:
  HidapiBackend();
  ~HidapiBackend() override;

  std::vector<std::string> EnumerateInterfaces() override;
  // Opening takes an advisory exclusive lock (flock) on the hidraw node besides hidapi's handle,
  // as hidraw itself has no exclusive open: a second opener that locks, such as another instance
  // of this program, is refused. The instance part is matched without case.
  std::unique_ptr<OpenedHidDevice> Open(const std::string& interfacePath) override;
  bool StartNotifications(HidChangeHandler handler) override;
  void StopNotifications() override;

 private:
  UdevPtr<udev> udev_;  // null when libudev cannot start: then nothing is found or opened
  std::unique_ptr<UdevHotplugMonitor> hotplug_;
};
