#include "platform/hid/fake_hid_device.h"

#include <algorithm>
#include <chrono>

void FakeHidDevice::PushReport(std::vector<std::uint8_t> report) {
  {
    std::lock_guard lock(mutex_);
    reports_.push_back(std::move(report));
  }
  changed_.notify_all();
}

int FakeHidDevice::ReadReport(std::uint8_t* buf, std::size_t length, int timeoutMs) {
  std::unique_lock lock(mutex_);
  ++waiting_;
  const auto ready = [this] { return closed_ || !reports_.empty(); };
  if (timeoutMs < 0)
    changed_.wait(lock, ready);
  else
    changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready);
  --waiting_;
  if (closed_) return -1;
  if (reports_.empty()) return 0;

  const std::vector<std::uint8_t> report = std::move(reports_.front());
  reports_.pop_front();
  const std::size_t count = std::min(length, report.size());
  std::copy_n(report.begin(), count, buf);
  return static_cast<int>(count);
}

void FakeHidDevice::Close() {
  {
    std::lock_guard lock(mutex_);
    closed_ = true;
  }
  changed_.notify_all();
}

bool FakeHidDevice::IsClosed() const {
  std::lock_guard lock(mutex_);
  return closed_;
}

bool FakeHidDevice::ReaderWaiting() const {
  std::lock_guard lock(mutex_);
  return waiting_ > 0;
}

std::size_t FakeHidDevice::Pending() const {
  std::lock_guard lock(mutex_);
  return reports_.size();
}
