#include "platform/hid/fake_hid_backend.h"

#include <QObject>
#include <atomic>

#include "platform/hid/interface_path.h"

struct FakeHidBackend::Link {
  FakeHidDevice reports;
  std::atomic<bool> closedByOwner{false};
  std::atomic<bool> unplugged{false};
};

namespace {

class FakeOpenedDevice final : public OpenedHidDevice {
 public:
  FakeOpenedDevice(FakeHidDeviceSpec spec, std::shared_ptr<FakeHidBackend::Link> link)
      : spec_(std::move(spec)), link_(std::move(link)) {}
  ~FakeOpenedDevice() override { Close(); }

  int ReadReport(std::uint8_t* buf, std::size_t length, int timeoutMs) override {
    return link_->reports.ReadReport(buf, length, timeoutMs);
  }
  void Close() override {
    link_->closedByOwner = true;
    link_->reports.Close();
  }

  std::optional<std::uint16_t> VendorId() override {
    if (!Readable() || spec_.vendorReadFails) return std::nullopt;
    return spec_.vendorId;
  }
  std::optional<std::string> Manufacturer() override { return Readable() ? spec_.manufacturer : std::nullopt; }
  std::optional<std::string> SerialNumber() override {
    if (!Readable() || !spec_.serialNumber) return std::nullopt;
    return UsbDeviceKey(*spec_.serialNumber, spec_.instance);
  }
  std::optional<std::string> Product() override { return Readable() ? spec_.product : std::nullopt; }
  std::optional<std::uint16_t> InputReportLength() override {
    return Readable() ? spec_.inputReportLength : std::nullopt;
  }

 private:
  bool Readable() const { return !link_->unplugged && !link_->closedByOwner; }

  const FakeHidDeviceSpec spec_;
  const std::shared_ptr<FakeHidBackend::Link> link_;
};

}  // namespace

FakeHidBackend::FakeHidBackend() = default;
FakeHidBackend::~FakeHidBackend() = default;

std::string FakeHidBackend::UsbPathOf(const FakeHidDeviceSpec& spec) {
  return UsbDeviceInterfacePath(spec.vendorId, spec.productId, UsbDeviceKey(spec.serialNumber.value_or(""), spec.instance));
}

std::string FakeHidBackend::Plug(FakeHidDeviceSpec spec) {
  std::string path = HidInterfacePath(spec.vendorId, spec.productId, spec.instance);
  const std::string instance = spec.instance;
  devices_[instance] = Plugged{std::move(spec), path, {}};
  Notify(HidChange::Arrival, path);
  return path;
}

void FakeHidBackend::Unplug(const std::string& instance) {
  const auto found = devices_.find(instance);
  if (found == devices_.end()) return;
  if (const auto link = found->second.opened.lock()) {
    link->unplugged = true;
    link->reports.Close();
  }
  const std::string hidPath = found->second.path;
  const std::string usbPath = UsbPathOf(found->second.spec);
  devices_.erase(found);
  Notify(HidChange::Removal, hidPath);
  Notify(HidChange::Removal, usbPath);
}

std::shared_ptr<FakeHidDevice> FakeHidBackend::OpenedReports(const std::string& instance) const {
  const auto found = devices_.find(instance);
  if (found == devices_.end()) return nullptr;
  const auto link = found->second.opened.lock();
  if (!link) return nullptr;
  return std::shared_ptr<FakeHidDevice>(link, &link->reports);
}

bool FakeHidBackend::IsOpen(const std::string& instance) const {
  const auto found = devices_.find(instance);
  if (found == devices_.end()) return false;
  const auto link = found->second.opened.lock();
  return link && !link->closedByOwner;
}

std::vector<std::string> FakeHidBackend::EnumerateInterfaces() {
  std::vector<std::string> paths;
  for (const auto& [instance, device] : devices_) paths.push_back(device.path);
  return paths;
}

std::unique_ptr<OpenedHidDevice> FakeHidBackend::Open(const std::string& interfacePath) {
  const auto instance = HidInstanceOfPath(interfacePath);
  if (!instance || IsOpen(*instance)) return nullptr;
  const auto found = devices_.find(*instance);
  if (found == devices_.end()) return nullptr;
  auto link = std::make_shared<Link>();
  found->second.opened = link;
  return std::make_unique<FakeOpenedDevice>(found->second.spec, std::move(link));
}

bool FakeHidBackend::StartNotifications(HidChangeHandler handler) {
  if (!context_) context_ = std::make_unique<QObject>();
  handler_ = std::move(handler);
  return true;
}

void FakeHidBackend::StopNotifications() {
  ++stopCount_;
  handler_ = nullptr;
}

void FakeHidBackend::Notify(HidChange change, const std::string& path) {
  if (!handler_) return;
  const unsigned stopCount = stopCount_;
  QMetaObject::invokeMethod(
      context_.get(),
      [this, change, path, stopCount] {
        if (stopCount != stopCount_ || !handler_) return;
        const HidChangeHandler handler = handler_;  // the handler may stop or restart notifications
        handler(change, path);
      },
      Qt::QueuedConnection);
}
