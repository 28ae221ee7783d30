// lorn-sim as a program: its byte stream in a file, and its pseudo-terminal behind ports/COM<n>.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/tools/sim_decode.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

struct TempDir {
  fs::path path;
  TempDir() {
    std::string pattern = (fs::temp_directory_path() / "lorn-sim-XXXXXX").string();
    path = ::mkdtemp(pattern.data());
  }
  ~TempDir() { fs::remove_all(path); }
};

// Runs lorn-sim with its stderr on a pipe; the process is killed if a test leaves it running.
class SimProcess {
 public:
  explicit SimProcess(std::vector<std::string> args) {
    int pipeFds[2];
    EXPECT_EQ(::pipe2(pipeFds, O_CLOEXEC), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
    args.insert(args.begin(), LORN_SIM_PATH);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    EXPECT_EQ(::posix_spawn(&pid_, LORN_SIM_PATH, &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    stderr_ = pipeFds[0];
  }
  ~SimProcess() {
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    ::close(stderr_);
  }

  // The first line on stderr, waiting at most `timeout`.
  std::string FirstLine(std::chrono::milliseconds timeout) {
    std::string line;
    const auto deadline = Clock::now() + timeout;
    char c = 0;
    while (Clock::now() < deadline) {
      pollfd p{stderr_, POLLIN, 0};
      if (::poll(&p, 1, 50) <= 0) continue;
      if (::read(stderr_, &c, 1) != 1 || c == '\n') break;
      line += c;
    }
    return line;
  }

  // The exit status, waiting at most `timeout`; -1 when it has not ended by then.
  int Wait(std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    int status = 0;
    do {
      if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      DrainStderr(10);
    } while (Clock::now() < deadline);
    return -1;
  }

  pid_t Pid() const { return pid_; }

 private:
  // Reads away what the simulator printed (so it never blocks on a full pipe), waiting at most
  // `ms` for something to arrive.
  void DrainStderr(int ms) {
    pollfd p{stderr_, POLLIN, 0};
    if (::poll(&p, 1, ms) <= 0) return;
    char buffer[4096];
    if (::read(stderr_, buffer, sizeof buffer) <= 0) ::poll(nullptr, 0, ms);  // at end of file: just pause
  }

  pid_t pid_ = -1;
  int stderr_ = -1;
};

Bytes ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

TEST(LornSim, OutputFileDecodesToTheModelsPackets) {
  for (bool damage : {false, true}) {
    TempDir dir;
    const fs::path out = dir.path / "stream.bin";
    std::vector<std::string> args{"--output", out.string(), "--cycles", "2", "--idle-seconds", "12", "--interval-ms", "0",
                                  "--profile", "all", "--seed", "5"};
    if (damage) args.push_back("--damage");
    SimProcess sim(args);
    ASSERT_EQ(sim.Wait(std::chrono::seconds(60)), 0);

    SimConfig config;
    config.profiles = {StandardProfile(), AcceleratedProfile(), DryingProfile()};
    config.cycles = 2;
    config.idleSeconds = 12;
    config.damage = damage;
    config.seed = 5;
    const std::vector<SimChunk> intended = WholeStream(config);
    const std::vector<HandedPacket> decoded = DecodeSerial(ReadFile(out));
    EXPECT_EQ(decoded, ExpectedCalls(intended)) << "damage " << damage;
    EXPECT_GT(decoded.size(), 600u);
  }
}

TEST(LornSim, RefusesBadOptions) {
  for (std::vector<std::string> args : {std::vector<std::string>{"--port", "0"}, {"--profile", "fast"},
                                        {"--output", "-"}, {"--interval-ms"}}) {
    SimProcess sim(args);
    EXPECT_EQ(sim.Wait(std::chrono::seconds(10)), 2) << args[0];
  }
}

TEST(LornSim, StreamsIntoALinkedPseudoTerminalUntilTerminated) {
  TempDir dir;
  SimProcess sim({"--app-dir", dir.path.string(), "--port", "9", "--interval-ms", "10", "--idle-seconds", "3"});
  const std::string where = sim.FirstLine(std::chrono::seconds(10));
  const fs::path link = dir.path / "ports" / "COM9";
  ASSERT_EQ(where.rfind("COM9 -> /dev/pts/", 0), 0u) << where;
  ASSERT_EQ(fs::read_symlink(link).string(), where.substr(std::string("COM9 -> ").size()));

  const int port = ::open(link.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(port, 0);
  RecordingHandoff handoff;
  auto decoder = std::make_unique<FrameDecoder>(handoff);
  handoff.Attach(*decoder);
  const auto deadline = Clock::now() + std::chrono::seconds(10);
  while (handoff.calls.size() < 10 && Clock::now() < deadline) {
    pollfd p{port, POLLIN, 0};
    if (::poll(&p, 1, 100) <= 0) continue;
    std::uint8_t buffer[256];
    const ssize_t n = ::read(port, buffer, sizeof buffer);
    for (ssize_t i = 0; i < n; ++i) decoder->ParseByte(buffer[i]);
  }
  ::close(port);
  int statuses = 0;
  for (const HandedPacket& call : handoff.calls) statuses += call.call == "status";
  EXPECT_GE(statuses, 3);

  ::kill(sim.Pid(), SIGTERM);
  EXPECT_EQ(sim.Wait(std::chrono::seconds(10)), 0);
  EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

}  // namespace
