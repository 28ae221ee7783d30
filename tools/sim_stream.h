#pragma once
// What the simulated controller sends, second by second: an idle spell with the lid open, a
// reflow cycle, another idle spell, and so on. A profile frame goes out when the stream starts,
// when a cycle starts (command 30) and every ProfileEverySec seconds (command 31); a status frame
// goes out every second. On request, damaged frames and noise are mixed in.
#include <cstdint>
#include <random>
#include <vector>

#include "tools/frame_damage.h"
#include "tools/reflow_model.h"

struct SimConfig {
  std::vector<ProfileParams> profiles{StandardProfile()};  // one per cycle, in rotation
  int cycles = -1;                                        // stop after this many; -1: never
  int idleSeconds = 30;                                   // before the first cycle and after each
  bool damage = false;
  std::uint32_t seed = 1;
};

class SimStream {
 public:
  static constexpr int ProfileEverySec = 30;
  static constexpr std::uint8_t DefaultHeader = 0x01;

  explicit SimStream(SimConfig config);

  // The frames of the next second, in order. Empty once the configured cycles have run and the
  // idle spell after the last one is over.
  std::vector<SimChunk> NextSecond();
  bool Finished() const;

  const ReflowModel& Model() const { return model_; }
  const ProfileParams& CurrentProfile() const;
  int CyclesStarted() const { return cyclesStarted_; }

 private:
  SimChunk Frame(std::uint8_t command, std::span<const std::uint8_t> payload);

  SimConfig config_;
  ReflowModel model_;
  std::mt19937 rng_;
  int second_ = 0;
  int idleLeft_;
  int cyclesStarted_ = 0;
};

// The whole stream as one serial byte sequence.
Bytes SerialBytes(const std::vector<SimChunk>& chunks);
// The stream as HID input reports of reportLength bytes (report id first): each chunk starts a
// new report and may run on into the next; the rest of a report is zeros. A report holds the
// bytes of one chunk only, because the HID decoder hands on at most one frame per report.
std::vector<Bytes> HidReports(const std::vector<SimChunk>& chunks, std::size_t reportLength, std::uint8_t reportId);
