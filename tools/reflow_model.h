#pragma once
// A reflow oven run by the controller, one second at a time: the calculated temperature Tr
// follows the profile (ramps, holds, then natural cooling), the internal sensor Ti lags behind
// it and the external sensor Te lags further and stays cooler. Deterministic for a given seed.
#include <cstdint>
#include <random>
#include <vector>

#include "tools/sim_frames.h"

// Stage numbers the controller reports.
enum class ReflowStage : std::uint8_t { Heating = 0, FluxHold = 1, HeatToMelt = 2, MeltHold = 3, Cooling = 4, Idle = 5 };
const char* ReflowStageName(ReflowStage stage);

class ReflowModel {
 public:
  static constexpr double AmbientC = 25.0;

  explicit ReflowModel(std::uint32_t seed);

  // Closes the lid and starts a cycle of the profile at stage 0.
  void StartCycle(const ProfileParams& profile);
  // The controller halts the running cycle: HaltBit stays set while the oven cools down.
  void Halt();
  // Advances one second and returns the status the controller reports for it. Once the cycle
  // has cooled down to its end temperature the oven is idle again, with the lid open.
  StatusFields Step();

  bool InCycle() const { return segment_ < segments_.size(); }
  ReflowStage Stage() const { return InCycle() ? segments_[segment_].stage : ReflowStage::Idle; }

 private:
  struct Segment {
    ReflowStage stage;
    double target;       // °C: ramp end, or cooling end
    double ratePerSec;   // °C/s of a ramp; 0 for a hold or for cooling
    int holdSec;         // seconds of a hold
  };
  void Advance();
  double Noise();

  std::mt19937 rng_;
  std::vector<Segment> segments_;
  std::size_t segment_ = 0;
  int segmentSeconds_ = 0;
  bool halted_ = false;
  double tr_ = AmbientC, ti_ = AmbientC, te_ = AmbientC;
};
