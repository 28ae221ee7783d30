// COM numbers to devices, and the QSerialPort-backed port against a real pseudo-terminal.
#include <QTest>
#include <gtest/gtest.h>
#include <termios.h>

#include <filesystem>
#include <fcntl.h>
#include <unistd.h>

#include "platform/com_ports.h"
#include "platform/qt/qt_serial_port.h"
#include "tests/support/pseudo_terminal.h"

namespace fs = std::filesystem;

namespace {

class TempAppDir {
 public:
  TempAppDir() {
    char name[] = "/tmp/com_ports_XXXXXX";
    path_ = mkdtemp(name);
    fs::create_directory(path_ / "ports");
  }
  ~TempAppDir() { fs::remove_all(path_); }
  const fs::path& Path() const { return path_; }
  fs::path Link(int number, const fs::path& target) const {
    const fs::path link = path_ / "ports" / ("COM" + std::to_string(number));
    fs::create_symlink(target, link);
    return link;
  }

 private:
  fs::path path_;
};

// Reads from the port until `count` bytes have come or 5 s have passed.
std::vector<std::uint8_t> ReadBytes(SerialPort& port, std::size_t count) {
  std::vector<std::uint8_t> got;
  (void)QTest::qWaitFor(
      [&] {
        const std::size_t waiting = port.WaitForInput(1);
        std::vector<std::uint8_t> chunk(waiting);
        const long n = port.Read(chunk.data(), chunk.size());
        if (n > 0) got.insert(got.end(), chunk.begin(), chunk.begin() + n);
        return got.size() >= count;
      },
      5000);
  return got;
}

}  // namespace

TEST(ComDevicePath, NumbersWithoutLinkMapToSystemDevices) {
  const TempAppDir app;
  const std::pair<int, std::string> cases[] = {
      {1, "/dev/ttyS0"},    {32, "/dev/ttyS31"},   {33, "/dev/ttyUSB0"}, {64, "/dev/ttyUSB31"},
      {65, "/dev/ttyACM0"}, {96, "/dev/ttyACM31"}, {97, ""},             {255, ""},
      {0, ""},              {256, ""},             {-3, ""}};
  for (const auto& [number, device] : cases) EXPECT_EQ(ComDevicePath(app.Path(), number), device) << "COM" << number;
}

TEST(ComDevicePath, LinkInPortsFolderWinsEvenWhenDangling) {
  const TempAppDir app;
  const fs::path com5 = app.Link(5, "/dev/null");
  const fs::path com200 = app.Link(200, "/dev/null");
  const fs::path com7 = app.Link(7, app.Path() / "gone");
  EXPECT_EQ(ComDevicePath(app.Path(), 5), com5.string());
  EXPECT_EQ(ComDevicePath(app.Path(), 200), com200.string());
  EXPECT_EQ(ComDevicePath(app.Path(), 7), com7.string());
  EXPECT_EQ(ComDevicePath(app.Path(), 256), "");  // no link can bring a number past 255
}

TEST(PresentComPorts, ListsOpenablePortsAscendingAndProbesOnlyExistingDevices) {
  const TempAppDir app;
  PseudoTerminal first, second, held;
  app.Link(12, first.SlavePath());
  app.Link(3, second.SlavePath());
  app.Link(150, app.Path() / "gone");
  app.Link(40, held.SlavePath());
  QtSerialPort holder;
  ASSERT_TRUE(holder.Open(held.SlavePath()));

  std::vector<std::string> probed;
  const auto probe = [&](const std::string& device) {
    probed.push_back(device);
    // System devices of this machine are left out so that the result does not depend on it.
    return device.starts_with(app.Path().string()) && ProbeSerialPort(device);
  };
  EXPECT_EQ(PresentComPorts(app.Path(), probe), (std::vector<int>{3, 12}));
  for (const std::string& device : probed) EXPECT_TRUE(fs::exists(device)) << device;
}

TEST(QtSerialPort, ReadsWhatArrivesAndSetsTheLine) {
  PseudoTerminal pty;
  const TempAppDir app;
  QtSerialPort port;
  ASSERT_TRUE(port.Open(app.Link(4, pty.SlavePath())));

  // The line settings live in the terminal; look at them from the other side.
  const int fd = open(pty.SlavePath().c_str(), O_RDONLY | O_NOCTTY);
  ASSERT_GE(fd, 0);
  termios line{};
  ASSERT_EQ(tcgetattr(fd, &line), 0);
  close(fd);
  EXPECT_EQ(cfgetispeed(&line), B9600);
  EXPECT_EQ(line.c_cflag & CSIZE, tcflag_t(CS8));
  EXPECT_TRUE(line.c_cflag & CSTOPB);
  EXPECT_FALSE(line.c_cflag & PARENB);
  EXPECT_FALSE(line.c_cflag & CRTSCTS);
  EXPECT_FALSE(line.c_iflag & (IXON | IXOFF));

  EXPECT_EQ(port.WaitForInput(1), 0u);
  const std::vector<std::uint8_t> sent = {0xFF, 0x01, 0x00, 0x0D, 0x0A, 0x11, 0x13, 0x7F, 0x80};
  pty.Write(sent);
  EXPECT_EQ(ReadBytes(port, sent.size()), sent);
}

TEST(QtSerialPort, PortHeldElsewhereCannotBeOpenedByAnyName) {
  PseudoTerminal pty;
  const TempAppDir app;
  const std::string link = app.Link(9, pty.SlavePath()).string();

  QtSerialPort holder;
  ASSERT_TRUE(holder.Open(pty.SlavePath()));
  QtSerialPort second;
  EXPECT_FALSE(second.Open(link));
  EXPECT_FALSE(ProbeSerialPort(link));
  EXPECT_FALSE(ProbeSerialPort(pty.SlavePath()));

  holder.Close();
  EXPECT_TRUE(ProbeSerialPort(link));
  EXPECT_TRUE(second.Open(link));
  EXPECT_FALSE(ProbeSerialPort(pty.SlavePath()));
}

TEST(QtSerialPort, AbsentDeviceIsNotOpened) {
  const TempAppDir app;
  QtSerialPort port;
  EXPECT_FALSE(port.Open((app.Path() / "ttyNone").string()));
  EXPECT_FALSE(ProbeSerialPort(app.Link(2, app.Path() / "gone").string()));
  EXPECT_EQ(port.Read(nullptr, 0), -1);
}
