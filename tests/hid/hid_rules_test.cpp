#include "device/hid_rules.h"

#include <gtest/gtest.h>

namespace {

const char* const ExampleHidPath = "\\\\?\\HID#VID_0483&PID_0001#7&2c4ba51e&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
const char* const ExampleUsbPath = "\\\\?\\USB#VID_0483&PID_0001#ABC123#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
const char* const OtherVendorPath = "\\\\?\\HID#VID_046D&PID_C077#7&1111&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";

TEST(HidRules, KeyPartIsTheTextBetweenSecondAndThirdHash) {
  EXPECT_EQ(PathKeyPart(ExampleHidPath), "7&2c4ba51e&0&0000");
  EXPECT_EQ(PathKeyPart(ExampleUsbPath), "ABC123");
  EXPECT_EQ(PathKeyPart("a#b##d"), "");
  EXPECT_EQ(PathKeyPart("a#b#c"), "") << "no third '#'";
  EXPECT_EQ(PathKeyPart(""), "");
}

TEST(HidRules, ArrivalAndRemovalPathTests) {
  struct Case {
    const char* path;
    bool arrival;
    bool removal;
  } const cases[] = {
      {ExampleHidPath, true, true},
      {"\\\\?\\hid#vid_0483&pid_0001#x#{y}", true, true},
      {ExampleUsbPath, false, true},
      {OtherVendorPath, false, false},
      {"\\\\?\\USB#VID_04830#x#{y}", false, true},
      {"\\\\?\\USB#VID_1234&PID_0483#x#{y}", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsControllerArrivalPath(c.path), c.arrival) << c.path;
    EXPECT_EQ(IsControllerRemovalPath(c.path), c.removal) << c.path;
  }
  EXPECT_EQ(LowercasePath(ExampleUsbPath), "\\\\?\\usb#vid_0483&pid_0001#abc123#{a5dcbf10-6530-11d2-901f-00c04fb951ed}");
}

TEST(HidRules, DeviceKeysCompareWithoutCaseAndEmptyNeverMatches) {
  EXPECT_TRUE(SameDeviceKey("ABC123", PathKeyPart(LowercasePath(ExampleUsbPath))));
  EXPECT_TRUE(SameDeviceKey("7&2C4BA51E&0&0000", PathKeyPart(ExampleHidPath)));
  EXPECT_FALSE(SameDeviceKey("ABC123", "ABC124"));
  EXPECT_FALSE(SameDeviceKey("ABC123", "ABC1234"));
  EXPECT_FALSE(SameDeviceKey("", ""));
  EXPECT_FALSE(SameDeviceKey("", PathKeyPart("\\\\?\\USB#VID_0483&PID_0001")));
}

TEST(HidRules, ControllerIdentity) {
  EXPECT_TRUE(IsControllerManufacturer("DESTAL"));
  for (const char* other : {"destal", "Destal", "DESTAL Ltd", " DESTAL", "DESTA", ""})
    EXPECT_FALSE(IsControllerManufacturer(other)) << other;
  EXPECT_TRUE(IsControllerVendor(0x0483));
  EXPECT_FALSE(IsControllerVendor(0x0484));
  EXPECT_FALSE(IsControllerVendor(0x8304));
}

}  // namespace
