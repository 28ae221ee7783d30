// lorn-sim: streams what the oven controller sends, either into a pseudo-terminal linked as
// ports/COM<n> (for the monitor to open) or into a file or stdout. Status lines go to stderr.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "tools/pty_link.h"
#include "tools/sim_options.h"

namespace {

std::string OwnFolder() {
  std::error_code ec;
  return std::filesystem::read_symlink("/proc/self/exe", ec).parent_path().string();
}

// Waits up to `ms` for SIGINT or SIGTERM (blocked, so none is lost between two waits).
bool StopRequested(const sigset_t& stopSignals, int ms) {
  const timespec timeout{ms / 1000, (ms % 1000) * 1000000L};
  return ::sigtimedwait(&stopSignals, nullptr, &timeout) > 0;
}

bool WriteAll(int fd, const Bytes& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

void ReportStage(const SimStream& sim, int& lastCycle, ReflowStage& lastStage) {
  const ReflowStage stage = sim.Model().Stage();
  if (stage == lastStage && sim.CyclesStarted() == lastCycle) return;
  lastStage = stage;
  lastCycle = sim.CyclesStarted();
  static const char* const kinds[] = {"standard", "accelerated", "drying"};
  std::fprintf(stderr, "cycle %d (%s): stage %d %s\n", lastCycle, kinds[static_cast<int>(sim.CurrentProfile().kind)],
               static_cast<int>(stage), ReflowStageName(stage));
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const std::optional<SimOptions> options = ParseSimOptions(argc, argv, error);
  if (!options) {
    if (!error.empty()) std::fprintf(stderr, "lorn-sim: %s\n", error.c_str());
    std::fputs(SimUsage, error.empty() ? stdout : stderr);
    return error.empty() ? 0 : 2;
  }

  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  ::sigprocmask(SIG_BLOCK, &stopSignals, nullptr);
  ::signal(SIGPIPE, SIG_IGN);  // a closed stdout ends the run through the failed write

  std::unique_ptr<PtyLink> pty;
  int outFd = -1;
  if (options->output == "-") {
    outFd = STDOUT_FILENO;
  } else if (!options->output.empty()) {
    outFd = ::open(options->output.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (outFd < 0) {
      std::perror(("lorn-sim: " + options->output).c_str());
      return 1;
    }
  } else {
    pty = PtyLink::Open(options->appDir.empty() ? OwnFolder() : options->appDir, options->port, error);
    if (!pty) {
      std::fprintf(stderr, "lorn-sim: %s\n", error.c_str());
      return 1;
    }
    std::fprintf(stderr, "COM%d -> %s\n", options->port, pty->SlavePath().c_str());
  }

  SimStream sim(options->stream);
  int lastCycle = -1;
  ReflowStage lastStage = ReflowStage::Idle;
  int status = 0;
  while (!StopRequested(stopSignals, 0)) {
    const std::vector<SimChunk> chunks = sim.NextSecond();
    if (chunks.empty()) break;
    const Bytes bytes = SerialBytes(chunks);
    if (pty) {
      pty->Send(bytes);
    } else if (!WriteAll(outFd, bytes)) {
      std::perror("lorn-sim: write");
      status = 1;
      break;
    }
    ReportStage(sim, lastCycle, lastStage);
    if (options->intervalMs > 0 && StopRequested(stopSignals, options->intervalMs)) break;
  }
  if (outFd > STDOUT_FILENO) ::close(outFd);
  return status;
}
