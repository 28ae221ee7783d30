#include "tools/pty_link.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

std::string Why(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

// Sets the slave side raw. The settings stay with the terminal after this descriptor is closed.
bool MakeRaw(const std::string& slavePath, std::string& error) {
  const int slave = ::open(slavePath.c_str(), O_RDWR | O_NOCTTY);
  if (slave < 0) {
    error = Why("open slave");
    return false;
  }
  termios tio{};
  bool ok = ::tcgetattr(slave, &tio) == 0;
  if (ok) {
    ::cfmakeraw(&tio);
    ok = ::tcsetattr(slave, TCSANOW, &tio) == 0;
  }
  if (!ok) error = Why("set raw mode");
  ::close(slave);
  return ok;
}

bool Link(const std::string& target, const std::string& linkPath, std::string& error) {
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(linkPath).parent_path(), ec);
  if (std::filesystem::is_symlink(std::filesystem::symlink_status(linkPath, ec))) ::unlink(linkPath.c_str());
  if (::symlink(target.c_str(), linkPath.c_str()) != 0) {
    error = Why(("link " + linkPath).c_str());
    return false;
  }
  return true;
}

}  // namespace

std::unique_ptr<PtyLink> PtyLink::Open(const std::string& appDir, int port, std::string& error) {
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (master < 0) {
    error = Why("posix_openpt");
    return nullptr;
  }
  const char* name = (::grantpt(master) == 0 && ::unlockpt(master) == 0) ? ::ptsname(master) : nullptr;
  const std::string linkPath = appDir + "/ports/COM" + std::to_string(port);
  if (name == nullptr) error = Why("unlock pseudo-terminal");
  if (name == nullptr || !MakeRaw(name, error) || !Link(name, linkPath, error)) {
    ::close(master);
    return nullptr;
  }
  return std::unique_ptr<PtyLink>(new PtyLink(master, name, linkPath));
}

PtyLink::PtyLink(int master, std::string slavePath, std::string linkPath)
    : master_(master), slavePath_(std::move(slavePath)), linkPath_(std::move(linkPath)) {}

PtyLink::~PtyLink() {
  std::error_code ec;
  if (std::filesystem::read_symlink(linkPath_, ec) == slavePath_) ::unlink(linkPath_.c_str());
  ::close(master_);
}

void PtyLink::Send(const Bytes& bytes) {
  // POLLHUP on the master: no program has the slave open.
  pollfd p{master_, POLLOUT, 0};
  if (::poll(&p, 1, 0) <= 0 || (p.revents & POLLHUP) != 0) return;
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = ::write(master_, bytes.data() + sent, bytes.size() - sent);
    if (n > 0) {
      sent += static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      return;  // input queue full (EAGAIN) or the port closed: the rest is lost, as on a real line
    }
  }
}
