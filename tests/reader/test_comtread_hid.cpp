// The HID reader against the fake device: reports, removal and stop.
#include <algorithm>

#include "platform/hid/fake_hid_device.h"
#include "tests/reader/frames.h"
#include "tests/reader/recording_host.h"

namespace {

constexpr std::uint16_t kReportLength = 16;  // report id + 15 data bytes

// Wire bytes cut into reports as the device delivers them: report id 0, then up to 15 data bytes,
// the last report zero-padded.
std::vector<std::vector<std::uint8_t>> Reports(const std::vector<std::uint8_t>& wire) {
  std::vector<std::vector<std::uint8_t>> reports;
  for (std::size_t at = 0; at < wire.size(); at += kReportLength - 1) {
    std::vector<std::uint8_t> report(kReportLength, 0);
    const std::size_t count = std::min<std::size_t>(kReportLength - 1, wire.size() - at);
    std::copy_n(wire.begin() + at, count, report.begin() + 1);
    reports.push_back(report);
  }
  return reports;
}

class HidReader : public ReaderFixture {
 protected:
  void SetUp() override {
    device = std::make_shared<FakeHidDevice>();
    link.HidHandle = device;
    link.InputReportLength = kReportLength;
    link.HidMode = true;
    link.ReaderStopped = false;  // as the taking of the controller does
  }
  std::shared_ptr<FakeHidDevice> device;
};

TEST_F(HidReader, DecodesReportsAndFrameSplitAcrossReports) {
  // Ten idle zero bytes, then a status frame that runs on into the next report.
  std::vector<std::uint8_t> wire(10, 0x00);
  const std::vector<std::uint8_t> split = StatusFrame(26, 0x04);
  wire.insert(wire.end(), split.begin(), split.end());
  device->PushReport(Reports(StatusFrame(25, 0x04)).front());
  for (auto& report : Reports(wire)) device->PushReport(report);
  StartReader();

  ASSERT_TRUE(WaitForEvents(6));
  EXPECT_EQ(host.Events(), (std::vector<std::string>{"status 25@ui", "log@reader", "append 25@ui", "status 26@ui",
                                                     "log@reader", "append 26@ui"}));
  EXPECT_FALSE(link.ReaderStopped);
}

TEST_F(HidReader, RemovalDuringBlockedReadEndsReader) {
  StartReader();
  ASSERT_TRUE(QTest::qWaitFor([&] { return device->ReaderWaiting(); }, kDeadlineMs));

  // The removal handling: clear HidMode, close the device and drop the window's reference.
  link.HidMode = false;
  device->Close();
  link.HidHandle.reset();
  device.reset();

  ASSERT_TRUE(WaitForEnd());
  EXPECT_TRUE(link.ReaderStopped);
  EXPECT_TRUE(host.Events().empty());
}

TEST_F(HidReader, TerminateEndsReaderAndLeavesDeviceOpen) {
  for (auto& report : Reports(ProfileFrame(31, 1))) device->PushReport(report);  // three reports
  StartReader();
  ASSERT_TRUE(WaitForEvents(1));
  EXPECT_EQ(host.Events(), std::vector<std::string>{"profile 31 type 1@ui"});

  reader->Terminate();
  ASSERT_TRUE(WaitForEnd());
  EXPECT_TRUE(link.ReaderStopped);
  EXPECT_TRUE(link.HidMode);
  EXPECT_FALSE(device->IsClosed());
}

}  // namespace
