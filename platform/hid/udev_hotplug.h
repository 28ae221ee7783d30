#pragma once
// Arrivals and removals of HID devices from a libudev monitor, turned into interface paths (see
// hid_backend.h) and delivered on the thread that started it, through a QSocketNotifier on the
// monitor's socket.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/hid/hid_backend.h"
#include "platform/hid/udev_lookup.h"

class QSocketNotifier;

class UdevHotplugMonitor {
 public:
  // context must outlive the monitor.
  explicit UdevHotplugMonitor(udev* context);
  ~UdevHotplugMonitor();
  UdevHotplugMonitor(const UdevHotplugMonitor&) = delete;
  UdevHotplugMonitor& operator=(const UdevHotplugMonitor&) = delete;

  // Listens to the "udev" netlink source (events after udev's rules ran, so the node's
  // permissions are already set). False when the socket cannot be made, e.g. in a container.
  bool Start(HidChangeHandler handler);
  void Stop();

 private:
  using Change = std::pair<HidChange, std::string>;
  void OnReadable();
  std::optional<Change> Translate(udev_device* dev);
  void Remember(const HidrawNode& node);

  udev* context_;
  UdevPtr<udev_monitor> monitor_;
  std::unique_ptr<QSocketNotifier> notifier_;
  HidChangeHandler handler_;
  // USB device interface paths by the USB device's syspath, noted while the device is present:
  // at its removal sysfs no longer tells its serial number.
  std::map<std::string, std::string> usbPaths_;
  bool delivering_ = false;
  unsigned stopCount_ = 0;  // lets a delivery loop see a Stop made by the handler
};
