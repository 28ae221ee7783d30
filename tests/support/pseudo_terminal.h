#pragma once
// A real pseudo-terminal standing in for a serial port: the test writes into the master side, the
// code under test opens the slave device by its path.
#include <cstdint>
#include <string>
#include <vector>

class PseudoTerminal {
 public:
  PseudoTerminal();  // fails the running test when no pseudo-terminal can be made
  ~PseudoTerminal();
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  const std::string& SlavePath() const { return slavePath_; }
  // Writes bytes as the controller would send them.
  void Write(const std::vector<std::uint8_t>& bytes);
  // Writes what fits without waiting, for a writer that must not block once nobody reads any
  // more; false when nothing fitted.
  bool TryWrite(const std::vector<std::uint8_t>& bytes);
  // Bytes written and not read yet by the slave side.
  int Queued() const;
  // Closes the master side, as when the device behind a port goes away: reads then fail.
  void HangUp();

 private:
  int master_ = -1;
  // Kept open (raw, never read) so the line never hangs up between openers and written bytes
  // wait in the input queue until the port under test reads them.
  int slave_ = -1;
  std::string slavePath_;
};
