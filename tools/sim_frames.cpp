#include "tools/sim_frames.h"

#include <algorithm>

namespace {

void PutWord(std::array<std::uint8_t, 27>& payload, int offset, std::uint16_t value) {
  payload[offset] = static_cast<std::uint8_t>(value & 0xFF);
  payload[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

}  // namespace

Bytes PlainFrame(std::uint8_t header, std::uint8_t command, std::span<const std::uint8_t> payload) {
  const std::size_t length = std::min<std::size_t>(payload.size(), MaxPayloadLength);
  Bytes plain(length + 5);
  plain[0] = 0xFF;
  plain[1] = header;
  plain[2] = command;
  plain[3] = static_cast<std::uint8_t>(length);
  std::copy_n(payload.begin(), length, plain.begin() + 4);
  std::uint8_t sum = 0;
  for (std::size_t i = 1; i < length + 4; ++i) sum = static_cast<std::uint8_t>(sum + plain[i]);
  plain[length + 4] = sum;
  return plain;
}

Bytes Escape(std::span<const std::uint8_t> plain) {
  Bytes wire;
  wire.reserve(plain.size() * 2);
  for (std::size_t i = 0; i < plain.size(); ++i) {
    wire.push_back(plain[i]);
    if (i > 0 && plain[i] == 0xFF) wire.push_back(0xFF);
  }
  return wire;
}

Bytes EncodeFrame(std::uint8_t header, std::uint8_t command, std::span<const std::uint8_t> payload) {
  return Escape(PlainFrame(header, command, payload));
}

std::array<std::uint8_t, 8> StatusPayload(const StatusFields& s) {
  return {static_cast<std::uint8_t>(s.Tr & 0xFF), static_cast<std::uint8_t>(s.Tr >> 8),
          static_cast<std::uint8_t>(s.Ti & 0xFF), static_cast<std::uint8_t>(s.Ti >> 8),
          static_cast<std::uint8_t>(s.Te & 0xFF), static_cast<std::uint8_t>(s.Te >> 8),
          s.StatusFlags, s.Stage};
}

ProfileParams StandardProfile() {
  ProfileParams p;
  p.kind = ProfileKindSim::Standard;
  p.fluxTemp = 150;
  p.fluxHoldSec = 60;
  p.meltTemp = 240;
  p.meltHoldSec = 20;
  p.coolTemp = 50;
  return p;
}

ProfileParams AcceleratedProfile() {
  ProfileParams p;
  p.kind = ProfileKindSim::Accelerated;
  p.startTemp = 100;
  p.startRate = 120;
  p.fluxTemp = 160;
  p.fluxRate = 60;
  p.meltTemp = 235;
  p.meltRate = 120;
  p.coolTemp = 60;
  return p;
}

ProfileParams DryingProfile() {
  ProfileParams p;
  p.kind = ProfileKindSim::Drying;
  p.fluxTemp = 110;
  p.fluxHoldSec = 120;
  p.coolTemp = 50;
  return p;
}

std::array<std::uint8_t, 27> ProfilePayload(const ProfileParams& p, std::uint8_t filler) {
  std::array<std::uint8_t, 27> payload;
  payload.fill(filler);
  switch (p.kind) {
    case ProfileKindSim::Standard:
      PutWord(payload, 0, p.fluxTemp);
      PutWord(payload, 4, p.fluxHoldSec);
      PutWord(payload, 6, p.meltTemp);
      PutWord(payload, 10, p.meltHoldSec);
      PutWord(payload, 12, p.coolTemp);
      payload[26] = 0;
      break;
    case ProfileKindSim::Drying:
      PutWord(payload, 0, p.fluxTemp);
      PutWord(payload, 4, p.fluxHoldSec);
      PutWord(payload, 6, 0);  // a zero word 6 is what marks a type-0 profile as drying
      payload[26] = 0;
      break;
    case ProfileKindSim::Accelerated:
      PutWord(payload, 0, p.startTemp);
      PutWord(payload, 2, p.startRate);
      PutWord(payload, 6, p.fluxTemp);
      PutWord(payload, 8, p.fluxRate);
      PutWord(payload, 12, p.meltTemp);
      PutWord(payload, 14, p.meltRate);
      PutWord(payload, 18, p.coolTemp);
      payload[26] = 1;
      break;
  }
  return payload;
}
