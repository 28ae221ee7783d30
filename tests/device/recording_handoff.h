#pragma once
// A PacketHandoff that records every hand-off with a copy of the packet it was given, for
// comparing what a decoder dispatched with what was sent.
#include <cstdint>
#include <string>
#include <vector>

#include "device/frame_codec.h"

struct HandedPacket {
  std::string call;  // "status", "sample" or "profile"
  std::uint8_t command = 0;
  std::vector<std::uint8_t> payload;
  bool operator==(const HandedPacket&) const = default;
};

class RecordingHandoff : public PacketHandoff {
 public:
  void Attach(const FrameDecoder& decoder) { decoder_ = &decoder; }
  void SyncStatus() override { Record("status"); }
  void LogSample() override { Record("sample"); }
  void SyncProfile() override { Record("profile"); }

  std::vector<HandedPacket> calls;

 private:
  void Record(const char* call) {
    const FrameBuffer& f = decoder_->FrameBuf();
    calls.push_back({call, f[2], std::vector<std::uint8_t>(f.begin() + 4, f.begin() + 4 + f[3])});
  }
  const FrameDecoder* decoder_ = nullptr;
};
