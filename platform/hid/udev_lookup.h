#pragma once
// libudev look-ups shared by the hidapi backend and its hot-plug monitor: what stands behind one
// hidraw node, found while the node is present.
#include <libudev.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/hid/interface_path.h"

struct UdevUnref {
  void operator()(udev* p) const { udev_unref(p); }
  void operator()(udev_device* p) const { udev_device_unref(p); }
  void operator()(udev_enumerate* p) const { udev_enumerate_unref(p); }
  void operator()(udev_monitor* p) const { udev_monitor_unref(p); }
};
template <class T>
using UdevPtr = std::unique_ptr<T, UdevUnref>;

struct HidrawNode {
  std::string devnode;     // /dev/hidrawN
  std::string hidName;     // kernel name of the HID device: the interface path's instance
  HidIds ids;              // from hidName
  std::string hidSyspath;  // holds report_descriptor
  std::string usbSyspath;  // the USB device above it; empty for HID devices not on USB
  std::string usbKey;      // key of the USB device interface path (see hid_backend.h)
};

// What stands behind the hidraw device dev; nothing when it is not below a HID device.
std::optional<HidrawNode> DescribeHidraw(udev_device* dev);
// The hidraw node with this sysname ("hidraw3").
std::optional<HidrawNode> FindHidrawBySysname(udev* context, const std::string& sysname);
// The hidraw node of the HID device with this kernel name.
std::optional<HidrawNode> FindHidrawByHidName(udev* context, const std::string& hidName);
// Every hidraw node present now.
std::vector<HidrawNode> PresentHidrawNodes(udev* context);
