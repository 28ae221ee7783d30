#pragma once
// A HidBackend for tests and demos: the test plugs and unplugs devices and feeds reports to an
// opened one. Notifications are queued to the event loop of the thread that started them, as the
// udev monitor delivers them: an arrival of the HID path when a device is plugged; removals of
// the HID path and then of the USB device path when it is unplugged. Used from one thread; an
// opened device may be read from another.
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/hid/fake_hid_device.h"
#include "platform/hid/hid_backend.h"

class QObject;

struct FakeHidDeviceSpec {
  std::string instance;  // the HID path's instance part; unique among plugged devices
  std::uint16_t vendorId = 0x0483;
  std::uint16_t productId = 0x5750;
  bool vendorReadFails = false;
  // Nothing: that string read fails.
  std::optional<std::string> manufacturer = "DESTAL";
  std::optional<std::string> serialNumber = "";
  std::optional<std::string> product = "";
  std::optional<std::uint16_t> inputReportLength = 65;  // nothing: the descriptor cannot be read
};

class FakeHidBackend : public HidBackend {
 public:
  FakeHidBackend();
  ~FakeHidBackend() override;

  // Adds a present device and returns its HID interface path.
  std::string Plug(FakeHidDeviceSpec spec);
  // Removes the device: reads of its opened device fail from now on, and its attributes can no
  // longer be read.
  void Unplug(const std::string& instance);
  // The report queue of the device opened for instance, alive while the opened device is; the
  // test pushes reports into it. Nothing when the device is not opened.
  std::shared_ptr<FakeHidDevice> OpenedReports(const std::string& instance) const;
  // True while the device is opened and its owner has not closed it.
  bool IsOpen(const std::string& instance) const;
  // The USB device interface path announced at the device's removal.
  static std::string UsbPathOf(const FakeHidDeviceSpec& spec);

  std::vector<std::string> EnumerateInterfaces() override;
  // Fails for an absent device and, as the exclusive open does, for one that is open.
  std::unique_ptr<OpenedHidDevice> Open(const std::string& interfacePath) override;
  bool StartNotifications(HidChangeHandler handler) override;
  void StopNotifications() override;

  struct Link;  // state shared by the backend and an opened device

 private:
  struct Plugged {
    FakeHidDeviceSpec spec;
    std::string path;
    std::weak_ptr<Link> opened;
  };
  void Notify(HidChange change, const std::string& path);

  std::map<std::string, Plugged> devices_;  // by instance
  std::unique_ptr<QObject> context_;        // lives in the notifying thread; queued calls target it
  HidChangeHandler handler_;
  unsigned stopCount_ = 0;  // a queued notice is dropped when the notifications were stopped since
};
