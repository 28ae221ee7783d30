#include "platform/hid/udev_hotplug.h"

#include <QSocketNotifier>
#include <string_view>
#include <vector>

UdevHotplugMonitor::UdevHotplugMonitor(udev* context) : context_(context) {}

UdevHotplugMonitor::~UdevHotplugMonitor() { Stop(); }

bool UdevHotplugMonitor::Start(HidChangeHandler handler) {
  if (!monitor_) {
    if (!context_) return false;
    UdevPtr<udev_monitor> monitor(udev_monitor_new_from_netlink(context_, "udev"));
    if (!monitor || udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), "hidraw", nullptr) < 0 ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), "usb", "usb_device") < 0 ||
        udev_monitor_enable_receiving(monitor.get()) < 0)
      return false;
    const int fd = udev_monitor_get_fd(monitor.get());
    if (fd < 0) return false;
    monitor_ = std::move(monitor);
    notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] { OnReadable(); });
    // Noted after the monitor listens, so that no device falls between the scan and the events.
    for (const HidrawNode& node : PresentHidrawNodes(context_)) Remember(node);
  }
  handler_ = std::move(handler);
  return true;
}

void UdevHotplugMonitor::Stop() {
  ++stopCount_;
  handler_ = nullptr;
  // Inside the notifier's own signal it may not be deleted at once.
  if (delivering_ && notifier_) {
    notifier_->setEnabled(false);
    notifier_.release()->deleteLater();
  }
  notifier_.reset();
  monitor_.reset();
  usbPaths_.clear();
}

void UdevHotplugMonitor::Remember(const HidrawNode& node) {
  if (node.usbSyspath.empty()) return;
  // The latest plugging at a port wins, in case the removal of an earlier one was missed. Of a
  // USB device with several HID interfaces the last one noted gives the key; the keys differ only
  // without a serial number, and then the key is the HID instance, which the HID removal carries.
  usbPaths_.insert_or_assign(node.usbSyspath,
                             UsbDeviceInterfacePath(node.ids.vendorId, node.ids.productId, node.usbKey));
}

std::optional<UdevHotplugMonitor::Change> UdevHotplugMonitor::Translate(udev_device* dev) {
  const std::string_view action = udev_device_get_action(dev) ? udev_device_get_action(dev) : "";
  const std::string_view subsystem = udev_device_get_subsystem(dev) ? udev_device_get_subsystem(dev) : "";
  const std::string syspath = udev_device_get_syspath(dev) ? udev_device_get_syspath(dev) : "";

  if (subsystem == "hidraw" && action == "add") {
    const auto node = DescribeHidraw(dev);
    if (!node) return std::nullopt;
    Remember(*node);
    return Change{HidChange::Arrival, HidInterfacePath(node->ids.vendorId, node->ids.productId, node->hidName)};
  }
  if (subsystem == "hidraw" && action == "remove") {
    // The node is gone; its HID device name is part of its syspath.
    const auto name = HidDeviceNameOfHidrawSyspath(syspath);
    if (!name) return std::nullopt;
    const HidIds ids = *ParseHidDeviceName(*name);
    return Change{HidChange::Removal, HidInterfacePath(ids.vendorId, ids.productId, *name)};
  }
  if (subsystem == "usb" && action == "remove") {
    // Only USB devices that carried a HID interface were noted; no other can be the controller.
    const auto found = usbPaths_.find(syspath);
    if (found == usbPaths_.end()) return std::nullopt;
    Change change{HidChange::Removal, found->second};
    usbPaths_.erase(found);
    return change;
  }
  return std::nullopt;
}

void UdevHotplugMonitor::OnReadable() {
  // Drain the socket first: the handler may stop the monitor.
  std::vector<Change> changes;
  while (UdevPtr<udev_device> dev{udev_monitor_receive_device(monitor_.get())})
    if (auto change = Translate(dev.get())) changes.push_back(std::move(*change));

  const HidChangeHandler handler = handler_;
  const unsigned stopsBefore = stopCount_;
  delivering_ = true;
  for (const Change& change : changes) {
    if (!handler || stopCount_ != stopsBefore) break;
    handler(change.first, change.second);
  }
  delivering_ = false;
}
