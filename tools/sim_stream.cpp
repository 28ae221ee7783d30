#include "tools/sim_stream.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr unsigned DamageOneIn = 4;  // share of frames that get damage in damage mode

}  // namespace

SimStream::SimStream(SimConfig config)
    : config_(std::move(config)), model_(config_.seed), rng_(config_.seed ^ 0x5EED), idleLeft_(config_.idleSeconds) {
  if (config_.profiles.empty()) config_.profiles.push_back(StandardProfile());
}

const ProfileParams& SimStream::CurrentProfile() const {
  const int index = std::max(cyclesStarted_ - 1, 0);
  return config_.profiles[index % config_.profiles.size()];
}

bool SimStream::Finished() const {
  return !model_.InCycle() && idleLeft_ <= 0 && config_.cycles >= 0 && cyclesStarted_ >= config_.cycles;
}

std::vector<SimChunk> SimStream::NextSecond() {
  std::vector<SimChunk> chunks;
  if (Finished()) return chunks;

  bool cycleStarts = false;
  if (!model_.InCycle()) {
    if (idleLeft_ > 0) {
      --idleLeft_;
    } else {
      ++cyclesStarted_;
      model_.StartCycle(CurrentProfile());
      cycleStarts = true;
    }
  }
  // Bytes nobody reads may be 0xFF in damage mode, to exercise the escaping.
  const std::uint8_t filler = config_.damage ? 0xFF : 0x00;
  if (cycleStarts || second_ % ProfileEverySec == 0) {
    const auto payload = ProfilePayload(CurrentProfile(), filler);
    chunks.push_back(Frame(cycleStarts ? CmdProfile : CmdProfileAlt, payload));
  }
  const bool wasInCycle = model_.InCycle();
  const auto status = StatusPayload(model_.Step());
  chunks.push_back(Frame(CmdStatus, status));
  if (wasInCycle && !model_.InCycle()) idleLeft_ = config_.idleSeconds;
  ++second_;
  return chunks;
}

SimChunk SimStream::Frame(std::uint8_t command, std::span<const std::uint8_t> payload) {
  if (!config_.damage) return DamagedFrame(Damage::None, DefaultHeader, command, payload, rng_);
  const std::uint8_t header = static_cast<std::uint8_t>(rng_() % 0xFF);  // never 0xFF
  Damage damage = Damage::None;
  if (rng_() % DamageOneIn == 0) {
    static constexpr Damage kinds[] = {Damage::BadChecksum, Damage::Truncated, Damage::Noise, Damage::TrailingFF};
    damage = kinds[rng_() % std::size(kinds)];
  }
  return DamagedFrame(damage, header, command, payload, rng_);
}

Bytes SerialBytes(const std::vector<SimChunk>& chunks) {
  Bytes bytes;
  for (const SimChunk& c : chunks) bytes.insert(bytes.end(), c.wire.begin(), c.wire.end());
  return bytes;
}

std::vector<Bytes> HidReports(const std::vector<SimChunk>& chunks, std::size_t reportLength, std::uint8_t reportId) {
  std::vector<Bytes> reports;
  if (reportLength < 2) return reports;  // no room for data after the report id
  const std::size_t room = reportLength - 1;
  for (const SimChunk& c : chunks) {
    for (std::size_t at = 0; at < c.wire.size(); at += room) {
      Bytes report(reportLength, 0);
      report[0] = reportId;
      const std::size_t n = std::min(room, c.wire.size() - at);
      std::copy_n(c.wire.begin() + at, n, report.begin() + 1);
      reports.push_back(std::move(report));
    }
  }
  return reports;
}
