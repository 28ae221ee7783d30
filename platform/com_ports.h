#pragma once
// COM port numbers (1..255, as the menu, the status bar and Param.ini show them) and the Linux
// devices behind them.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

inline constexpr int MinComPort = 1;
inline constexpr int MaxComPort = 255;

// The device of COM<number>. A link named COM<number> in the folder "ports" of appDir wins, even
// when its target is gone (the port is then absent). Otherwise COM1..32 are /dev/ttyS0..31,
// COM33..64 /dev/ttyUSB0..31 and COM65..96 /dev/ttyACM0..31. Empty for a number outside 1..255
// and for 97..255 without a link.
std::string ComDevicePath(const std::filesystem::path& appDir, int number);

// The numbers of the COM ports whose device exists and which probe() can open, in ascending order.
std::vector<int> PresentComPorts(const std::filesystem::path& appDir,
                                 const std::function<bool(const std::string& devicePath)>& probe);
