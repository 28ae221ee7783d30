#include "tools/reflow_model.h"

#include <algorithm>
#include <cmath>

#include "device/packets.h"

namespace {

constexpr double DefaultRampPerSec = 1.5;  // ramps whose rate the profile does not give
constexpr double MinRampPerSec = 0.1;      // keeps a zero rate in a profile from stalling a ramp
constexpr double CoolingTauSec = 90.0;     // natural cooling of the chamber
constexpr double InnerLagSec = 6.0;        // Ti behind Tr
constexpr double OuterLagSec = 25.0;       // Te behind Ti
constexpr double OuterShare = 0.85;        // Te settles at this share of Ti's rise over ambient
constexpr double CoolingEndMargin = 5.0;   // cooling ends at least this far above ambient

std::uint16_t Reading(double celsius) { return static_cast<std::uint16_t>(std::lround(std::clamp(celsius, 0.0, 65535.0))); }

}  // namespace

const char* ReflowStageName(ReflowStage stage) {
  switch (stage) {
    case ReflowStage::Heating: return "heating";
    case ReflowStage::FluxHold: return "flux activation hold";
    case ReflowStage::HeatToMelt: return "heating to melting";
    case ReflowStage::MeltHold: return "melting hold";
    case ReflowStage::Cooling: return "cooling";
    case ReflowStage::Idle: return "idle";
  }
  return "?";
}

ReflowModel::ReflowModel(std::uint32_t seed) : rng_(seed) {}

void ReflowModel::StartCycle(const ProfileParams& p) {
  const double cooledAt = std::max<double>(p.coolTemp, AmbientC + CoolingEndMargin);
  const auto ramp = [](ReflowStage stage, double target, double perMinute) {
    return Segment{stage, target, std::max(perMinute / 60.0, MinRampPerSec), 0};
  };
  const auto hold = [](ReflowStage stage, int seconds) { return Segment{stage, 0, 0, seconds}; };
  switch (p.kind) {
    case ProfileKindSim::Standard:
      segments_ = {ramp(ReflowStage::Heating, p.fluxTemp, DefaultRampPerSec * 60), hold(ReflowStage::FluxHold, p.fluxHoldSec),
                   ramp(ReflowStage::HeatToMelt, p.meltTemp, DefaultRampPerSec * 60), hold(ReflowStage::MeltHold, p.meltHoldSec)};
      break;
    case ProfileKindSim::Accelerated:
      segments_ = {ramp(ReflowStage::Heating, p.startTemp, p.startRate), ramp(ReflowStage::FluxHold, p.fluxTemp, p.fluxRate),
                   ramp(ReflowStage::HeatToMelt, p.meltTemp, p.meltRate), hold(ReflowStage::MeltHold, p.meltHoldSec)};
      break;
    case ProfileKindSim::Drying:
      segments_ = {ramp(ReflowStage::Heating, p.fluxTemp, DefaultRampPerSec * 60), hold(ReflowStage::FluxHold, p.fluxHoldSec)};
      break;
  }
  segments_.push_back({ReflowStage::Cooling, cooledAt, 0, 0});
  segment_ = 0;
  segmentSeconds_ = 0;
  halted_ = false;
}

void ReflowModel::Halt() {
  if (!InCycle()) return;
  halted_ = true;
  segment_ = segments_.size() - 1;  // straight to cooling
  segmentSeconds_ = 0;
}

StatusFields ReflowModel::Step() {
  Advance();
  ti_ += (tr_ - ti_) / InnerLagSec;
  te_ += (AmbientC + OuterShare * (ti_ - AmbientC) - te_) / OuterLagSec;

  StatusFields s;
  s.Tr = Reading(tr_);
  s.Ti = Reading(ti_ + Noise());
  s.Te = Reading(te_ + Noise());
  s.Stage = static_cast<std::uint8_t>(Stage());
  if (InCycle()) {
    s.StatusFlags = RunBit | (halted_ ? HaltBit : 0);  // lid closed
  } else {
    s.StatusFlags = OpenBit;
    halted_ = false;
  }
  return s;
}

// Moves Tr one second along the current segment, and on to the next segment when it is done.
void ReflowModel::Advance() {
  if (!InCycle()) {
    tr_ += (AmbientC - tr_) / CoolingTauSec;
    return;
  }
  const Segment& seg = segments_[segment_];
  bool done = false;
  if (seg.stage == ReflowStage::Cooling) {
    tr_ += (AmbientC - tr_) / CoolingTauSec;
    done = tr_ <= seg.target;
  } else if (seg.ratePerSec > 0) {
    if (tr_ < seg.target) tr_ = std::min(seg.target, tr_ + seg.ratePerSec);
    done = tr_ >= seg.target;
  } else {
    done = ++segmentSeconds_ >= seg.holdSec;
  }
  if (!done) return;
  segmentSeconds_ = 0;
  // Skip holds of no length, so that the next reported stage is one that lasts.
  do ++segment_;
  while (InCycle() && segments_[segment_].ratePerSec == 0 && segments_[segment_].stage != ReflowStage::Cooling &&
         segments_[segment_].holdSec <= 0);
}

// Sensor noise of ±0.3 °C in steps of 0.1 °C.
double ReflowModel::Noise() { return (static_cast<int>(rng_() % 7) - 3) * 0.1; }
