#pragma once
// Controller frames for the reader tests, on the wire as the simulator encodes them.
#include <cstdint>
#include <vector>

#include "tools/sim_frames.h"

inline std::vector<std::uint8_t> WireFrame(std::uint8_t command, const std::vector<std::uint8_t>& payload) {
  return EncodeFrame(0x01, command, payload);
}

// Status packet: Tr, Ti, Te (little-endian words), status flags, stage.
inline std::vector<std::uint8_t> StatusFrame(std::uint16_t tr, std::uint8_t flags = 0x04) {
  const std::uint16_t ti = tr + 1, te = tr + 2;
  return WireFrame(9, {std::uint8_t(tr), std::uint8_t(tr >> 8), std::uint8_t(ti), std::uint8_t(ti >> 8),
                       std::uint8_t(te), std::uint8_t(te >> 8), flags, 1});
}

// Profile packet of 27 payload bytes, the profile type last.
inline std::vector<std::uint8_t> ProfileFrame(std::uint8_t command, std::uint8_t profileType) {
  std::vector<std::uint8_t> payload(27, 0x10);
  payload[26] = profileType;
  return WireFrame(command, payload);
}

inline std::vector<std::uint8_t> Joined(std::initializer_list<std::vector<std::uint8_t>> parts) {
  std::vector<std::uint8_t> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}
