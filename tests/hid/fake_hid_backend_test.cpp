#include "platform/hid/fake_hid_backend.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <thread>
#include <utility>
#include <vector>

#include "device/hid_rules.h"

namespace {

using Notice = std::pair<HidChange, std::string>;

class FakeHidBackendTest : public ::testing::Test {
 protected:
  // Starts the notifications and collects what they deliver.
  void Listen() {
    ASSERT_TRUE(backend.StartNotifications([this](HidChange change, const std::string& path) {
      notices.emplace_back(change, path);
    }));
  }
  bool WaitForNotices(std::size_t count) {
    return QTest::qWaitFor([&] { return notices.size() >= count; }, 5000);
  }

  FakeHidBackend backend;
  std::vector<Notice> notices;
};

FakeHidDeviceSpec Controller(std::string instance, std::string serial) {
  FakeHidDeviceSpec spec;
  spec.instance = std::move(instance);
  spec.serialNumber = std::move(serial);
  return spec;
}

// A controller present at start is found by enumeration and keyed by its serial number; its
// unplugging announces the HID path and then the USB path, whose key part is that serial number.
TEST_F(FakeHidBackendTest, DeviceFoundAtStartIsReleasedByItsUsbRemoval) {
  const std::string hidPath = backend.Plug(Controller("0003:0483:5750.0001", "ABC123"));
  ASSERT_EQ(backend.EnumerateInterfaces(), std::vector<std::string>{hidPath});
  auto device = backend.Open(hidPath);
  ASSERT_TRUE(device);
  EXPECT_EQ(device->VendorId(), ControllerVendorId);
  EXPECT_EQ(device->Manufacturer(), "DESTAL");
  const std::string key = device->SerialNumber().value();
  EXPECT_EQ(device->InputReportLength(), 65);

  Listen();
  backend.Unplug("0003:0483:5750.0001");
  EXPECT_TRUE(notices.empty()) << "notices come from the event loop, not from inside Unplug";
  ASSERT_TRUE(WaitForNotices(2));
  EXPECT_EQ(notices[0], Notice(HidChange::Removal, hidPath));
  EXPECT_EQ(notices[1].first, HidChange::Removal);
  const std::string usbPath = notices[1].second;
  EXPECT_TRUE(IsControllerRemovalPath(usbPath));
  EXPECT_FALSE(IsControllerArrivalPath(usbPath));
  EXPECT_TRUE(SameDeviceKey(PathKeyPart(LowercasePath(usbPath)), key));

  std::uint8_t report[65];
  EXPECT_EQ(device->ReadReport(report, sizeof report, 1000), -1) << "an unplugged device reads nothing";
  EXPECT_FALSE(device->Manufacturer());
  EXPECT_TRUE(backend.EnumerateInterfaces().empty());
}

// A controller plugged in later arrives by its HID path, keyed by the path's instance part, and
// its removal brings the same HID path back.
TEST_F(FakeHidBackendTest, ArrivalAndRemovalCarryTheSameHidPath) {
  Listen();
  const std::string hidPath = backend.Plug(Controller("0003:0483:5750.0002", "ABC123"));
  ASSERT_TRUE(WaitForNotices(1));
  EXPECT_EQ(notices[0], Notice(HidChange::Arrival, hidPath));
  EXPECT_TRUE(IsControllerArrivalPath(notices[0].second));
  const std::string key = PathKeyPart(notices[0].second);
  EXPECT_EQ(key, "0003:0483:5750.0002");

  backend.Unplug("0003:0483:5750.0002");
  ASSERT_TRUE(WaitForNotices(3));
  EXPECT_EQ(notices[1], Notice(HidChange::Removal, hidPath));
  EXPECT_TRUE(SameDeviceKey(PathKeyPart(LowercasePath(notices[1].second)), key));
  EXPECT_FALSE(SameDeviceKey(PathKeyPart(LowercasePath(notices[2].second)), key));
}

TEST_F(FakeHidBackendTest, ReportsReachAReaderThreadAndCloseEndsItsRead) {
  const std::string hidPath = backend.Plug(Controller("0003:0483:5750.0003", "S1"));
  auto device = backend.Open(hidPath);
  ASSERT_TRUE(device);
  EXPECT_FALSE(backend.Open(hidPath)) << "opened for exclusive reading";
  EXPECT_TRUE(backend.IsOpen("0003:0483:5750.0003"));

  std::vector<int> results;
  std::vector<std::uint8_t> first;
  std::thread reader([&] {
    std::uint8_t buf[8];
    for (;;) {
      const int n = device->ReadReport(buf, sizeof buf, -1);
      results.push_back(n);
      if (n < 0) return;
      if (first.empty()) first.assign(buf, buf + n);
    }
  });
  const auto reports = backend.OpenedReports("0003:0483:5750.0003");
  ASSERT_TRUE(reports);
  reports->PushReport({0x00, 0xFF, 0x01, 0x09});
  ASSERT_TRUE(QTest::qWaitFor([&] { return reports->Pending() == 0 && reports->ReaderWaiting(); }, 5000));
  device->Close();
  reader.join();

  EXPECT_EQ(first, (std::vector<std::uint8_t>{0x00, 0xFF, 0x01, 0x09}));
  EXPECT_EQ(results, (std::vector<int>{4, -1}));
  EXPECT_FALSE(backend.IsOpen("0003:0483:5750.0003"));
  device.reset();
  EXPECT_TRUE(backend.Open(hidPath)) << "free again once its owner closed it";
}

TEST_F(FakeHidBackendTest, FailingReadsAndMissingSerial) {
  FakeHidDeviceSpec spec = Controller("0003:0483:5750.0004", "");
  spec.vendorReadFails = true;
  spec.manufacturer.reset();
  spec.product.reset();
  spec.inputReportLength.reset();
  auto device = backend.Open(backend.Plug(spec));
  ASSERT_TRUE(device);
  EXPECT_FALSE(device->VendorId());
  EXPECT_FALSE(device->Manufacturer());
  EXPECT_FALSE(device->Product());
  EXPECT_FALSE(device->InputReportLength());
  // Without a serial number the key falls back to the HID instance, which the USB removal carries.
  EXPECT_EQ(device->SerialNumber(), "0003:0483:5750.0004");
  EXPECT_EQ(PathKeyPart(FakeHidBackend::UsbPathOf(spec)), "0003:0483:5750.0004");

  spec.instance = "0003:0483:5750.0005";
  spec.serialNumber.reset();
  EXPECT_FALSE(backend.Open(backend.Plug(spec))->SerialNumber());
  EXPECT_FALSE(backend.Open("\\\\?\\HID#VID_0483&PID_5750#0003:0483:5750.0009#{4d1e55b2-f16f-11cf-88cb-001111000030}"))
      << "absent device";
}

TEST_F(FakeHidBackendTest, NothingIsDeliveredAfterStop) {
  Listen();
  backend.StopNotifications();
  backend.Plug(Controller("0003:0483:5750.0006", "A"));
  Listen();
  const std::string later = backend.Plug(Controller("0003:0483:5750.0007", "B"));
  ASSERT_TRUE(WaitForNotices(1));
  QCoreApplication::processEvents();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].second, later);

  // A handler that stops the notifications receives nothing more, even what was already queued.
  notices.clear();
  ASSERT_TRUE(backend.StartNotifications([this](HidChange change, const std::string& path) {
    notices.emplace_back(change, path);
    backend.StopNotifications();
  }));
  backend.Unplug("0003:0483:5750.0007");
  ASSERT_TRUE(WaitForNotices(1));
  QCoreApplication::processEvents();
  EXPECT_EQ(notices.size(), 1u);
}

}  // namespace
