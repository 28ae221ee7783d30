#include "platform/hid/interface_path.h"

#include <gtest/gtest.h>

#include "device/hid_rules.h"

namespace {

TEST(InterfacePath, BuildsWindowsFormPaths) {
  EXPECT_EQ(HidInterfacePath(0x0483, 0x5750, "0003:0483:5750.000A"),
            "\\\\?\\HID#VID_0483&PID_5750#0003:0483:5750.000A#{4d1e55b2-f16f-11cf-88cb-001111000030}");
  EXPECT_EQ(UsbDeviceInterfacePath(0x0483, 0xabc, "ABC123"),
            "\\\\?\\USB#VID_0483&PID_0ABC#ABC123#{a5dcbf10-6530-11d2-901f-00c04fb951ed}");
}

// The program keys a device by the part between the second and third '#'; the paths built here
// must give back exactly the instance and the serial key they were built from.
TEST(InterfacePath, KeysSurviveTheProgramsRules) {
  const std::string hid = HidInterfacePath(0x0483, 0x5750, "0003:0483:5750.000A");
  EXPECT_TRUE(IsControllerArrivalPath(hid));
  EXPECT_TRUE(IsControllerRemovalPath(hid));
  EXPECT_TRUE(SameDeviceKey(PathKeyPart(LowercasePath(hid)), "0003:0483:5750.000A"));

  const std::string key = UsbDeviceKey("SN#42", "0003:0483:5750.000A");
  EXPECT_EQ(key, "SN_42");
  const std::string usb = UsbDeviceInterfacePath(0x0483, 0x5750, key);
  EXPECT_FALSE(IsControllerArrivalPath(usb));
  EXPECT_TRUE(IsControllerRemovalPath(usb));
  EXPECT_EQ(PathKeyPart(usb), "SN_42");

  EXPECT_EQ(UsbDeviceKey("", "0003:0483:5750.000A"), "0003:0483:5750.000A") << "no serial number: fallback";
}

TEST(InterfacePath, InstanceOfHidPath) {
  const std::string hid = HidInterfacePath(0x0483, 0x5750, "0003:0483:5750.000A");
  EXPECT_EQ(HidInstanceOfPath(hid), "0003:0483:5750.000A");
  EXPECT_EQ(HidInstanceOfPath(LowercasePath(hid)), "0003:0483:5750.000a");
  for (const std::string& bad : {UsbDeviceInterfacePath(0x0483, 0x5750, "ABC"),
                                std::string("\\\\?\\HID#VID_0483&PID_5750##{4d1e55b2-f16f-11cf-88cb-001111000030}"),
                                std::string("\\\\?\\HID#VID_0483&PID_5750#X#{00000000-0000-0000-0000-000000000000}"),
                                std::string("\\\\?\\HID#VID_0483&PID_5750#X"), std::string("/dev/hidraw0"),
                                std::string()})
    EXPECT_FALSE(HidInstanceOfPath(bad)) << bad;
}

TEST(InterfacePath, LinuxHidDeviceNames) {
  const auto ids = ParseHidDeviceName("0003:0483:5750.000A");
  ASSERT_TRUE(ids);
  EXPECT_EQ(ids->vendorId, 0x0483);
  EXPECT_EQ(ids->productId, 0x5750);
  EXPECT_TRUE(ParseHidDeviceName("0003:0483:5750.1000A")) << "sequence past 0xFFFF";
  for (const char* bad : {"0003:0483:5750", "0003:0483:57G0.000A", "0003-0483:5750.000A", "0003:0483:5750.", ""})
    EXPECT_FALSE(ParseHidDeviceName(bad)) << bad;

  EXPECT_EQ(HidDeviceNameOfHidrawSyspath(
                "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-4/1-4:1.0/0003:0483:5750.000A/hidraw/hidraw3"),
            "0003:0483:5750.000A");
  EXPECT_FALSE(HidDeviceNameOfHidrawSyspath("/sys/devices/virtual/misc/uhid/hidraw/hidraw3"));
  EXPECT_FALSE(HidDeviceNameOfHidrawSyspath("/sys/devices/pci0000:00/usb1/1-4"));
}

}  // namespace
