#pragma once
// The simulator's end of a pseudo-terminal, linked as <app-dir>/ports/COM<n> so that the monitor
// finds it as a serial port. The slave side is set raw once, so no byte is translated.
#include <memory>
#include <string>

#include "tools/sim_frames.h"

class PtyLink {
 public:
  // Opens the pseudo-terminal and creates the link (replacing a stale link of that name).
  // On failure returns null and says why in `error`.
  static std::unique_ptr<PtyLink> Open(const std::string& appDir, int port, std::string& error);
  ~PtyLink();  // removes the link if it still points here, closes the pseudo-terminal
  PtyLink(const PtyLink&) = delete;
  PtyLink& operator=(const PtyLink&) = delete;

  const std::string& SlavePath() const { return slavePath_; }
  const std::string& LinkPath() const { return linkPath_; }

  // Sends the bytes when some program has the port open. Never blocks: with nobody listening
  // the bytes are dropped (the terminal would queue them for whoever opens it next), and so is
  // whatever does not fit into a full input queue.
  void Send(const Bytes& bytes);

 private:
  PtyLink(int master, std::string slavePath, std::string linkPath);

  int master_;
  std::string slavePath_;
  std::string linkPath_;
};
