#pragma once
// The open report file of the cycle being recorded. Sample lines are written on the reader thread,
// the header, the description and the close on the window thread; one mutex orders them so that
// no line lands after the description or in a closed file. Every line is one unbuffered write,
// so the file on disk always ends with a complete line.
#include <mutex>
#include <string>
#include <string_view>

class ReportWriter {
 public:
  ReportWriter() = default;
  ~ReportWriter();
  ReportWriter(const ReportWriter&) = delete;
  ReportWriter& operator=(const ReportWriter&) = delete;

  // Creates (or truncates) the file and writes the header. Returns false when it cannot be created.
  bool Create(const std::string& path, std::string_view header);
  bool IsOpen() const;
  // Runs line() and writes its result while holding the lock, only if the file is open and
  // stillWanted() holds; returns whether it wrote. Both run under the lock, so a concurrent
  // Finish() either comes completely before or completely after.
  template <class StillWanted>
  bool WriteIf(StillWanted stillWanted, std::string_view line) {
    std::lock_guard lock(mutex_);
    if (fd_ < 0 || !stillWanted()) return false;
    return WriteAll(line);
  }
  // Writes the last line and closes the file. Returns false when no file was open.
  bool Finish(std::string_view lastLine);

 private:
  bool WriteAll(std::string_view bytes);  // caller holds mutex_

  mutable std::mutex mutex_;
  int fd_ = -1;
};
