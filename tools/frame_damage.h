#pragma once
// Frames as a noisy link delivers them: the damage the simulator mixes into its stream on
// request. Every damaged frame is one that the decoders must drop; the intact frame always
// follows it, so a decoder that resynchronises at the next start marker loses nothing.
#include <optional>
#include <random>

#include "tools/sim_frames.h"

enum class Damage {
  None,
  BadChecksum,  // a copy with a wrong checksum goes first
  Truncated,    // a copy cut short (at least the checksum missing) goes first
  Noise,        // 1..8 bytes other than 0xFF follow the frame
  TrailingFF,   // the frame carries one more payload byte, 0xFF, doubled on the wire
};

// A packet as a decoder should hand it on.
struct SimPacket {
  std::uint8_t command = 0;
  Bytes payload;
  bool operator==(const SimPacket&) const = default;
};

// The bytes of one frame on the wire with its damage, and the packet they must decode to.
struct SimChunk {
  Bytes wire;
  std::optional<SimPacket> packet;
};

// A TrailingFF on a payload that is already 27 bytes long leaves the frame intact.
SimChunk DamagedFrame(Damage damage, std::uint8_t header, std::uint8_t command, std::span<const std::uint8_t> payload,
                      std::mt19937& rng);
