#pragma once
// Decoding simulator output back into hand-offs, and the hand-offs the simulator meant.
#include <memory>
#include <vector>

#include "tests/device/recording_handoff.h"
#include "tools/sim_stream.h"

inline std::vector<HandedPacket> ExpectedCalls(const std::vector<SimChunk>& chunks) {
  std::vector<HandedPacket> calls;
  for (const SimChunk& c : chunks) {
    if (!c.packet) continue;
    if (c.packet->command == CmdStatus) {
      calls.push_back({"status", c.packet->command, c.packet->payload});
      calls.push_back({"sample", c.packet->command, c.packet->payload});
    } else {
      calls.push_back({"profile", c.packet->command, c.packet->payload});
    }
  }
  return calls;
}

inline std::vector<SimChunk> WholeStream(const SimConfig& config) {
  SimStream sim(config);
  std::vector<SimChunk> all;
  for (std::vector<SimChunk> second = sim.NextSecond(); !second.empty(); second = sim.NextSecond())
    all.insert(all.end(), second.begin(), second.end());
  return all;
}

inline std::vector<HandedPacket> DecodeSerial(const Bytes& bytes) {
  RecordingHandoff handoff;
  auto decoder = std::make_unique<FrameDecoder>(handoff);
  handoff.Attach(*decoder);
  for (std::uint8_t b : bytes) decoder->ParseByte(b);
  return handoff.calls;
}

inline std::vector<HandedPacket> DecodeHid(const std::vector<Bytes>& reports) {
  RecordingHandoff handoff;
  auto decoder = std::make_unique<FrameDecoder>(handoff);
  handoff.Attach(*decoder);
  for (const Bytes& r : reports) decoder->ScanReport(r.data(), r.size());
  return handoff.calls;
}
