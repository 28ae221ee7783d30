#include "tools/frame_damage.h"

SimChunk DamagedFrame(Damage damage, std::uint8_t header, std::uint8_t command, std::span<const std::uint8_t> payload,
                      std::mt19937& rng) {
  SimChunk chunk;
  Bytes sent(payload.begin(), payload.end());
  if (damage == Damage::TrailingFF && sent.size() < MaxPayloadLength) sent.push_back(0xFF);
  const Bytes plain = PlainFrame(header, command, sent);

  if (damage == Damage::BadChecksum) {
    Bytes bad = plain;
    bad.back() = static_cast<std::uint8_t>(bad.back() + 1 + rng() % 255);
    chunk.wire = Escape(bad);
  } else if (damage == Damage::Truncated) {
    // Keep the marker and the header at least, and cut on a whole byte so that no single 0xFF
    // is left to pair with the next start marker.
    const std::size_t kept = 2 + rng() % (plain.size() - 2);
    chunk.wire = Escape(std::span(plain).first(kept));
  }
  const Bytes frame = Escape(plain);
  chunk.wire.insert(chunk.wire.end(), frame.begin(), frame.end());
  if (damage == Damage::Noise) {
    for (unsigned n = 1 + rng() % 8; n > 0; --n) chunk.wire.push_back(static_cast<std::uint8_t>(rng() % 255));
  }
  chunk.packet = SimPacket{command, sent};
  return chunk;
}
