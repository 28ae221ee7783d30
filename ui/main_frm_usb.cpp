// The USB controller: the search at start, arrival and removal. While it is in use the serial
// side ("Устройство" menu and the reading button) is locked.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <algorithm>

#include "device/hid_rules.h"
#include "ui/main_frm.h"

namespace {
constexpr std::size_t MaxHidInterfaces = 128;
}  // namespace

void TMainFrm::FindHidDevice() {
  const std::vector<std::string> paths = services_.hid->EnumerateInterfaces();
  for (std::size_t i = 0; i < std::min(paths.size(), MaxHidInterfaces); ++i) {
    std::shared_ptr<OpenedHidDevice> device = services_.hid->Open(paths[i]);
    if (!device) continue;
    const auto vendor = device->VendorId();
    const auto manufacturer = device->Manufacturer();
    const auto serial = device->SerialNumber();
    const auto product = device->Product();
    if (!vendor || !manufacturer || !serial || !product) {
      device->Close();
      continue;
    }
    DeviceKey = *serial;
    if (const auto length = device->InputReportLength()) Link.InputReportLength = *length;
    if (IsControllerVendor(*vendor) && IsControllerManufacturer(*manufacturer)) {
      TakeController(std::move(device));
      return;
    }
    device->Close();
  }
}

void TMainFrm::TakeController(std::shared_ptr<OpenedHidDevice> device) {
  Link.ReaderStopped = false;
  Link.HidMode = true;
  StatusPanel[0]->setText(QStringLiteral("USB"));
  Link.HidHandle = std::move(device);
  StartReader({});
  // Reading is on now, whatever the menu showed before (a report opened while the controller
  // was in use leaves it off until the controller is unplugged and plugged in again).
  SetReadingChecked(true);
  SpeedButton1->setEnabled(false);
  N2->setEnabled(false);
}

void TMainFrm::DeviceChange(HidChange change, const std::string& interfacePath) {
  const std::string path = LowercasePath(interfacePath);
  if (change == HidChange::Arrival) {
    // Acted on only while no reader runs, so a second reader never starts beside one.
    if (!Link.ReaderStopped || Link.HidMode) return;
    if (!IsControllerArrivalPath(path)) return;
    std::shared_ptr<OpenedHidDevice> device = services_.hid->Open(interfacePath);
    if (!device) return;
    DeviceKey = PathKeyPart(interfacePath);
    const auto manufacturer = device->Manufacturer();
    const auto product = device->Product();
    if (!manufacturer || !product) {
      device->Close();
      return;
    }
    if (const auto length = device->InputReportLength()) Link.InputReportLength = *length;
    if (IsControllerManufacturer(*manufacturer)) TakeController(std::move(device));
    else device->Close();
    return;
  }

  if (!Link.HidMode) return;
  if (!IsControllerRemovalPath(path)) return;
  if (!SameDeviceKey(PathKeyPart(path), DeviceKey)) return;
  Link.HidMode = false;  // ends the HID reader's loop
  if (Link.HidHandle) {
    Link.HidHandle->Close();  // a read blocked in it returns at once
    Link.HidHandle.reset();
    N2->setEnabled(true);
    SetReadingChecked(false);
    SpeedButton1->setEnabled(true);
  }
}
