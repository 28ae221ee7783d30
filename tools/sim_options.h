#pragma once
// Command line of lorn-sim.
#include <optional>
#include <string>

#include "tools/sim_stream.h"

struct SimOptions {
  SimConfig stream;
  int port = 7;             // COM number, 1 .. 255
  std::string appDir;       // where ports/ lives; empty: the simulator's own folder
  int intervalMs = 1000;    // pause after each second's frames
  std::string output;       // file, or "-" for stdout; empty: a pseudo-terminal
};

// Reads argv. Returns nothing for --help (with `error` empty) and for a bad or missing value
// (with `error` saying why).
std::optional<SimOptions> ParseSimOptions(int argc, char** argv, std::string& error);
extern const char* const SimUsage;
