#include "cycle/report_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

ReportWriter::~ReportWriter() {
  std::lock_guard lock(mutex_);
  if (fd_ >= 0) ::close(fd_);
}

bool ReportWriter::Create(const std::string& path, std::string_view header) {
  std::lock_guard lock(mutex_);
  if (fd_ >= 0) ::close(fd_);
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd_ < 0) return false;
  WriteAll(header);
  return true;
}

bool ReportWriter::IsOpen() const {
  std::lock_guard lock(mutex_);
  return fd_ >= 0;
}

bool ReportWriter::Finish(std::string_view lastLine) {
  std::lock_guard lock(mutex_);
  if (fd_ < 0) return false;
  WriteAll(lastLine);
  ::close(fd_);
  fd_ = -1;
  return true;
}

bool ReportWriter::WriteAll(std::string_view bytes) {
  // One write call per line; loop only for the rare short write so a line is never cut.
  while (!bytes.empty()) {
    ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;  // a failed line (e.g. a full disk) is lost; recording goes on
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}
