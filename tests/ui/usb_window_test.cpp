// The window with a USB controller (fake HID backend): the search at start, arrival, removal,
// locking of the serial side, and a cycle recorded over USB.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include "cycle/report_format.h"
#include "window_fixture.h"

namespace {

constexpr const char* Instance = "0003:0483:5750.0001";

FakeHidDeviceSpec Controller(const char* instance = Instance, const char* serial = "ABC123") {
  FakeHidDeviceSpec spec;
  spec.instance = instance;
  spec.serialNumber = serial;
  return spec;
}

class UsbWindowTest : public WindowTest {
 protected:
  // One status frame in one input report: report id, frame, zeros.
  void Status(std::uint8_t flags, std::uint16_t tr, std::uint16_t ti, std::uint16_t te) {
    std::vector<std::uint8_t> report(65, 0);
    const auto frame = StatusFrame(flags, tr, ti, te);
    std::copy(frame.begin(), frame.end(), report.begin() + 1);
    const int glyph = frm->Recorder.GlyphIndex();
    const int rows = frm->Recorder.Recording() ? frm->Samples.RowCount : 0;
    hid.OpenedReports(Instance)->PushReport(report);
    ASSERT_TRUE(WaitFor([&] { return frm->Recorder.GlyphIndex() != glyph; }));
    if (frm->Recorder.Recording()) {
      ASSERT_TRUE(WaitFor([&] { return frm->Samples.RowCount == rows + 1; }));
    }
  }
  bool SerialSideLocked() const {
    return !frm->N2->isEnabled() && !frm->SpeedButton1->isEnabled() && frm->SpeedButton1->isChecked() &&
           frm->N3->isChecked();
  }
  void ProcessNotices() { QTest::qWait(20); }  // queued device notices reach the window
};

TEST_F(UsbWindowTest, ControllerFoundAtStartRecordsACycleAndIsReleasedByItsRemoval) {
  hid.Plug(Controller());
  Create();
  EXPECT_EQ(Panel(0), QStringLiteral("USB"));
  EXPECT_TRUE(frm->Link.HidMode);
  EXPECT_TRUE(SerialSideLocked());
  EXPECT_EQ(frm->DeviceKey, "ABC123");

  Status(0x04, 25, 26, 24);
  now = TestStart + OneSecond;
  Status(0x04, 30, 31, 32);
  frm->Edit1->setText(QStringLiteral("usb"));
  Status(0x00, 0, 0, 0);
  ASSERT_EQ(boxes.Questions(), 1);
  EXPECT_EQ(ReadFile(ReportPath()),
            QByteArray::fromStdString(std::string(ReportHeader) + "00:00\t25\t26\t24\r\n00:01\t30\t31\t32\r\nusb\r\n"));

  hid.Unplug(Instance);  // removal of the HID path, then of the USB path keyed by the serial
  ASSERT_TRUE(WaitFor([&] { return !frm->Link.HidMode; }));
  EXPECT_TRUE(WaitFor([&] { return frm->Link.ReaderStopped.load(); }));
  EXPECT_TRUE(frm->N2->isEnabled());
  EXPECT_TRUE(frm->SpeedButton1->isEnabled());
  EXPECT_FALSE(frm->SpeedButton1->isChecked());
  EXPECT_TRUE(boxes.Questions() == 1);  // no message on removal
}

TEST_F(UsbWindowTest, OnlyTheControllerIsTaken) {
  struct Case {
    std::uint16_t vendor;
    const char* manufacturer;
  };
  for (const Case& c : {Case{0x0483, "destal"}, Case{0x0483, "DESTAL Ltd"}, Case{0x1234, "DESTAL"}}) {
    FakeHidDeviceSpec spec = Controller();
    spec.vendorId = c.vendor;
    spec.manufacturer = c.manufacturer;
    hid.Plug(spec);
    Create();
    EXPECT_FALSE(frm->Link.HidMode) << c.manufacturer;
    EXPECT_FALSE(hid.IsOpen(Instance)) << "a device that is not taken is closed again";
    frm.reset();
    hid.Unplug(Instance);
  }
}

TEST_F(UsbWindowTest, ArrivalIsTakenWhenIdleIgnoredWhileSerialReadingRuns) {
  PseudoTerminal pty;
  LinkPort(201, pty.SlavePath());
  Create();
  frm->N3Click();  // serial reading on
  hid.Plug(Controller());
  ProcessNotices();
  EXPECT_FALSE(frm->Link.HidMode);
  frm->N3Click();
  ASSERT_TRUE(WaitFor([&] { return frm->Link.ReaderStopped.load(); }));
  ProcessNotices();
  EXPECT_FALSE(frm->Link.HidMode) << "an arrival is not looked at again later";

  hid.Unplug(Instance);
  ProcessNotices();
  hid.Plug(Controller());
  ASSERT_TRUE(WaitFor([&] { return frm->Link.HidMode.load(); }));
  EXPECT_EQ(frm->DeviceKey, Instance);  // an arrival keys the device by its path
  EXPECT_TRUE(SerialSideLocked());

  // The removal of another controller is ignored; its own removal releases it.
  FakeHidDeviceSpec other = Controller("0003:0483:5750.0002", "XYZ");
  hid.Plug(other);
  hid.Unplug(other.instance);
  ProcessNotices();
  EXPECT_TRUE(frm->Link.HidMode);
  hid.Unplug(Instance);
  EXPECT_TRUE(WaitFor([&] { return !frm->Link.HidMode; }));
  EXPECT_TRUE(frm->N2->isEnabled());
}

TEST_F(UsbWindowTest, OpeningAReportWhileTheControllerIsInUseEndsTheReaderOnly) {
  QDir().mkpath(paths.ReportDir);
  QFile report(ReportPath("2024.01.02 09.00.00"));
  ASSERT_TRUE(report.open(QIODevice::WriteOnly));
  report.write(QByteArray::fromStdString(std::string(ReportHeader) + "00:00\t1\t2\t3\r\nold\r\n"));
  report.close();

  hid.Plug(Controller());
  Create();
  ASSERT_TRUE(frm->Link.HidMode);
  AcceptNextDialog();
  frm->N4Click();
  EXPECT_TRUE(WaitFor([&] { return frm->Link.ReaderStopped.load(); }));
  EXPECT_TRUE(frm->Link.HidMode);
  EXPECT_TRUE(hid.IsOpen(Instance));
  EXPECT_FALSE(frm->N2->isEnabled());
  EXPECT_FALSE(frm->SpeedButton1->isEnabled());
  EXPECT_EQ(frm->Samples.RowCount, 1);

  // Until the controller is removed, its arrivals are ignored; after that it is taken again.
  hid.Unplug(Instance);
  ASSERT_TRUE(WaitFor([&] { return !frm->Link.HidMode; }));
  hid.Plug(Controller());
  EXPECT_TRUE(WaitFor([&] { return frm->Link.HidMode.load() && !frm->Link.ReaderStopped; }));
}

}  // namespace
