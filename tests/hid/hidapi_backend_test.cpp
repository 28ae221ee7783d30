#include "platform/hid/hidapi_backend.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include "platform/hid/interface_path.h"

namespace {

// This machine has no HID device and maybe no udev daemon: the backend must find nothing, open
// nothing and start or refuse its notifications without harm. On a machine with HID devices the
// listed paths must still have the HID form.
TEST(HidapiBackend, RunsWithoutDevices) {
  HidapiBackend backend;
  for (const std::string& path : backend.EnumerateInterfaces()) EXPECT_TRUE(HidInstanceOfPath(path)) << path;

  EXPECT_FALSE(backend.Open(HidInterfacePath(0x0483, 0x5750, "0003:0483:5750.FFFF")));
  EXPECT_FALSE(backend.Open("/dev/hidraw0")) << "only interface paths are opened";
  EXPECT_FALSE(backend.Open(""));

  int delivered = 0;
  const bool started = backend.StartNotifications([&](HidChange, const std::string&) { ++delivered; });
  QCoreApplication::processEvents();
  backend.StopNotifications();
  backend.StopNotifications();
  EXPECT_EQ(started, backend.StartNotifications([](HidChange, const std::string&) {}));
}

}  // namespace
