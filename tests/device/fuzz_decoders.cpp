// libFuzzer target for both frame decoders. Input: byte 0 picks the HID report length (2 .. 65
// bytes, report id included); the rest is the byte stream. The serial decoder takes the stream
// byte by byte; the HID decoder takes it cut into reports of that length. Every hand-off checks
// that the frame it is given could be held, passed its checksum and carries the right command.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "device/frame_codec.h"

namespace {

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "decoder invariant broken: %s\n", what);
  std::abort();
}

class CheckingHandoff : public PacketHandoff {
 public:
  void Attach(const FrameDecoder& decoder) { decoder_ = &decoder; }

  void SyncStatus() override {
    CheckFrame();
    Require(Command() == CmdStatus, "status hand-off for another command");
    Require(Length() >= 8, "status shorter than its 8 bytes");
    Require(!statusPending_, "two status hand-offs without a sample step");
    statusPending_ = true;
  }
  void LogSample() override {
    CheckFrame();
    Require(statusPending_, "sample step without a status hand-off first");
    statusPending_ = false;
  }
  void SyncProfile() override {
    CheckFrame();
    Require(Command() == CmdProfile || Command() == CmdProfileAlt, "profile hand-off for another command");
    Require(Length() == MaxPayloadLength, "profile shorter than its 27 bytes");
    Require(!statusPending_, "profile between status and sample");
  }

 private:
  std::uint8_t Command() const { return decoder_->FrameBuf()[2]; }
  std::uint8_t Length() const { return decoder_->FrameBuf()[3]; }
  void CheckFrame() const {
    const FrameBuffer& f = decoder_->FrameBuf();
    Require(Length() <= MaxPayloadLength, "dispatched frame longer than FrameBuf");
    std::uint8_t sum = 0;
    for (int i = 1; i <= Length() + 3; ++i) sum = static_cast<std::uint8_t>(sum + f[i]);
    Require(sum == f[Length() + 4], "dispatched frame with a wrong checksum");
  }

  const FrameDecoder* decoder_ = nullptr;
  bool statusPending_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t reportLength = 2 + data[0] % 64;
  const std::uint8_t* stream = data + 1;
  const std::size_t streamLength = size - 1;

  CheckingHandoff serialHandoff;
  FrameDecoder serial(serialHandoff);
  serialHandoff.Attach(serial);
  for (std::size_t i = 0; i < streamLength; ++i) serial.ParseByte(stream[i]);

  CheckingHandoff hidHandoff;
  FrameDecoder hid(hidHandoff);
  hidHandoff.Attach(hid);
  for (std::size_t at = 0; at < streamLength; at += reportLength) {
    const std::size_t length = streamLength - at < reportLength ? streamLength - at : reportLength;
    hid.ScanReport(stream + at, length);
  }
  return 0;
}
