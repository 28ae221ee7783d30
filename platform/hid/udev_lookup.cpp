#include "platform/hid/udev_lookup.h"

namespace {

std::string Text(const char* s) { return s ? s : ""; }

// Calls visit for each device that e lists.
template <class Visit>
void ForEachListed(udev* context, udev_enumerate* e, Visit visit) {
  if (udev_enumerate_scan_devices(e) < 0) return;
  udev_list_entry* entry;
  udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(e)) {
    UdevPtr<udev_device> dev(udev_device_new_from_syspath(context, udev_list_entry_get_name(entry)));
    if (dev) visit(dev.get());
  }
}

}  // namespace

std::optional<HidrawNode> DescribeHidraw(udev_device* dev) {
  const auto hidName = HidDeviceNameOfHidrawSyspath(Text(udev_device_get_syspath(dev)));
  const char* devnode = udev_device_get_devnode(dev);
  // Parents are owned by dev and are not unreferenced here.
  udev_device* hid = udev_device_get_parent_with_subsystem_devtype(dev, "hid", nullptr);
  if (!hidName || !devnode || !hid) return std::nullopt;
  HidrawNode node;
  node.devnode = devnode;
  node.hidName = *hidName;
  node.ids = *ParseHidDeviceName(*hidName);
  node.hidSyspath = Text(udev_device_get_syspath(hid));
  if (udev_device* usb = udev_device_get_parent_with_subsystem_devtype(dev, "usb", "usb_device"))
    node.usbSyspath = Text(udev_device_get_syspath(usb));
  node.usbKey = UsbDeviceKey(Text(udev_device_get_property_value(hid, "HID_UNIQ")), node.hidName);
  return node;
}

std::optional<HidrawNode> FindHidrawBySysname(udev* context, const std::string& sysname) {
  UdevPtr<udev_device> dev(udev_device_new_from_subsystem_sysname(context, "hidraw", sysname.c_str()));
  return dev ? DescribeHidraw(dev.get()) : std::nullopt;
}

std::optional<HidrawNode> FindHidrawByHidName(udev* context, const std::string& hidName) {
  UdevPtr<udev_device> hid(udev_device_new_from_subsystem_sysname(context, "hid", hidName.c_str()));
  UdevPtr<udev_enumerate> e(udev_enumerate_new(context));
  if (!hid || !e) return std::nullopt;
  udev_enumerate_add_match_subsystem(e.get(), "hidraw");
  udev_enumerate_add_match_parent(e.get(), hid.get());
  std::optional<HidrawNode> found;
  ForEachListed(context, e.get(), [&](udev_device* dev) {
    if (!found) found = DescribeHidraw(dev);
  });
  return found;
}

std::vector<HidrawNode> PresentHidrawNodes(udev* context) {
  std::vector<HidrawNode> nodes;
  UdevPtr<udev_enumerate> e(udev_enumerate_new(context));
  if (!e) return nodes;
  udev_enumerate_add_match_subsystem(e.get(), "hidraw");
  ForEachListed(context, e.get(), [&](udev_device* dev) {
    if (auto node = DescribeHidraw(dev)) nodes.push_back(std::move(*node));
  });
  return nodes;
}
