#include "tests/support/pseudo_terminal.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>

PseudoTerminal::PseudoTerminal() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
    ADD_FAILURE() << "no pseudo-terminal";
    return;
  }
  slavePath_ = ptsname(master_);
  slave_ = open(slavePath_.c_str(), O_RDWR | O_NOCTTY);
  termios raw{};
  if (slave_ < 0 || tcgetattr(slave_, &raw) != 0) {
    ADD_FAILURE() << "cannot open " << slavePath_;
    return;
  }
  cfmakeraw(&raw);  // no echo, no line editing: bytes pass unchanged
  tcsetattr(slave_, TCSANOW, &raw);
}

PseudoTerminal::~PseudoTerminal() {
  if (slave_ >= 0) close(slave_);
  if (master_ >= 0) close(master_);
}

void PseudoTerminal::Write(const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
    ASSERT_GT(n, 0) << "write to " << slavePath_ << " failed";
    done += static_cast<std::size_t>(n);
  }
}

bool PseudoTerminal::TryWrite(const std::vector<std::uint8_t>& bytes) {
  const int flags = fcntl(master_, F_GETFL);
  fcntl(master_, F_SETFL, flags | O_NONBLOCK);
  const bool wrote = write(master_, bytes.data(), bytes.size()) > 0;
  fcntl(master_, F_SETFL, flags);
  return wrote;
}

void PseudoTerminal::HangUp() {
  close(master_);
  master_ = -1;
}

int PseudoTerminal::Queued() const {
  int count = 0;
  return ioctl(slave_, FIONREAD, &count) == 0 ? count : -1;
}
