#include "tools/sim_options.h"

#include <charconv>
#include <cstring>

const char* const SimUsage =
    "usage: lorn-sim [options]\n"
    "  --port N            COM number to link, 1..255 (default 7)\n"
    "  --app-dir DIR       folder that holds ports/ (default: this program's folder)\n"
    "  --interval-ms MS    pause between status frames (default 1000)\n"
    "  --cycles N          stop after N reflow cycles (default: run on)\n"
    "  --idle-seconds S    idle spell before and after each cycle (default 30)\n"
    "  --profile P         standard, accelerated, drying or all (rotates per cycle)\n"
    "  --damage            mix damaged frames and noise into the stream\n"
    "  --output FILE|-     write the bytes to FILE or stdout instead (needs --cycles)\n"
    "  --seed N            seed of the temperature noise and the damage (default 1)\n";

namespace {

bool ParseInt(const char* text, int low, int high, int& value) {
  const char* end = text + std::strlen(text);
  const auto [rest, ec] = std::from_chars(text, end, value);
  return ec == std::errc() && rest == end && value >= low && value <= high;
}

bool ParseProfiles(const std::string& name, std::vector<ProfileParams>& profiles) {
  if (name == "standard") profiles = {StandardProfile()};
  else if (name == "accelerated") profiles = {AcceleratedProfile()};
  else if (name == "drying") profiles = {DryingProfile()};
  else if (name == "all") profiles = {StandardProfile(), AcceleratedProfile(), DryingProfile()};
  else return false;
  return true;
}

}  // namespace

std::optional<SimOptions> ParseSimOptions(int argc, char** argv, std::string& error) {
  SimOptions o;
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    if (flag == "--help") {
      error.clear();
      return std::nullopt;
    }
    if (flag == "--damage") {
      o.stream.damage = true;
      continue;
    }
    if (i + 1 >= argc) {
      error = "unknown option or missing value: " + flag;
      return std::nullopt;
    }
    const char* value = argv[++i];
    int number = 0;
    bool ok = true;
    if (flag == "--port") ok = ParseInt(value, 1, 255, o.port);
    else if (flag == "--app-dir") o.appDir = value;
    else if (flag == "--interval-ms") ok = ParseInt(value, 0, 3600000, o.intervalMs);
    else if (flag == "--cycles") ok = ParseInt(value, 0, 1000000, o.stream.cycles);
    else if (flag == "--idle-seconds") ok = ParseInt(value, 0, 86400, o.stream.idleSeconds);
    else if (flag == "--profile") ok = ParseProfiles(value, o.stream.profiles);
    else if (flag == "--output") o.output = value;
    else if (flag == "--seed") {
      ok = ParseInt(value, 0, 2147483647, number);
      o.stream.seed = static_cast<std::uint32_t>(number);
    } else ok = false;
    if (!ok) {
      error = "bad option: " + flag + " " + value;
      return std::nullopt;
    }
  }
  if (!o.output.empty() && o.stream.cycles < 0) {
    error = "--output needs --cycles";
    return std::nullopt;
  }
  return o;
}
