#include "device/frame_codec.h"

namespace {

constexpr std::uint8_t Marker = 0xFF;
constexpr std::int32_t LengthIndex = 3;
constexpr std::int32_t CommandIndex = 2;

// Smallest payload each packet is read with; a shorter frame would be read partly from the
// bytes of earlier frames still in FrameBuf, so it is not handed on.
constexpr std::uint8_t StatusPayloadLength = 8;
constexpr std::uint8_t ProfilePayloadLength = 27;

bool AcceptedCommand(std::uint8_t c) { return c == CmdStatus || c == CmdProfile || c == CmdProfileAlt; }

}  // namespace

void FrameDecoder::ParseByte(std::uint8_t b) {
  if (escapeFlag_ && b != Marker) {
    // The pending 0xFF was a start marker and b is the new frame's header byte.
    escapeFlag_ = false;
    fillLen_ = 1;
  } else if (b == Marker) {
    escapeFlag_ = !escapeFlag_;
    if (escapeFlag_) return;  // the next byte decides
    // A doubled 0xFF is one data byte; with no frame open it takes index 0 and opens one.
  } else if (fillLen_ == 0) {
    return;  // between frames
  }

  if (fillLen_ == CommandIndex && !AcceptedCommand(b)) {
    fillLen_ = 0;  // wait for the next start marker
    return;
  }
  frameBuf_[fillLen_++] = b;
  if (fillLen_ == LengthIndex + 1 && frameBuf_[LengthIndex] > MaxPayloadLength) {
    fillLen_ = 0;  // the frame cannot be held in FrameBuf
    return;
  }

  const std::int32_t frameLength = frameBuf_[LengthIndex] + 5;
  if (fillLen_ < 5 || fillLen_ != frameLength) return;
  escapeFlag_ = false;
  std::uint8_t sum = 0;
  for (std::int32_t i = 1; i < frameLength - 1; ++i) sum = static_cast<std::uint8_t>(sum + frameBuf_[i]);
  fillLen_ = 0;
  if (sum == b) Dispatch();
}

bool FrameDecoder::ScanReport(const std::uint8_t* report, std::size_t length) {
  for (std::size_t i = 1; i < length; ++i) {
    const std::uint8_t b = report[i];
    if (escapeFlag_) {
      escapeFlag_ = false;
      // A second 0xFF completes a data pair whose byte was stored with the first one.
      if (b == Marker) continue;
      frameBuf_[1] = b;  // start marker: b is the header byte
      runningSum_ = b;
      fillLen_ = 2;
      continue;
    }
    if (fillLen_ == 0) {
      escapeFlag_ = (b == Marker);
      continue;
    }
    frameBuf_[fillLen_++] = b;
    runningSum_ = static_cast<std::uint8_t>(runningSum_ + b);
    escapeFlag_ = (b == Marker);
    if (fillLen_ == LengthIndex + 1 && frameBuf_[LengthIndex] > MaxPayloadLength) {
      fillLen_ = 0;  // cannot be held; a pending 0xFF stays pending
      continue;
    }
    if (fillLen_ < 5 || fillLen_ != frameBuf_[LengthIndex] + 5) continue;
    fillLen_ = 0;
    // RunningSum includes the checksum byte b itself: the frame is good when the rest sums to b.
    if (static_cast<std::uint8_t>(runningSum_ - b) != b) continue;  // dropped; a pending 0xFF stays
    escapeFlag_ = false;
    Dispatch();
    return true;
  }
  return false;
}

void FrameDecoder::Dispatch() {
  const std::uint8_t length = frameBuf_[LengthIndex];
  switch (frameBuf_[CommandIndex]) {
    case CmdStatus:
      if (length < StatusPayloadLength) return;
      handoff_.SyncStatus();
      handoff_.LogSample();
      return;
    case CmdProfile:
    case CmdProfileAlt:
      if (length < ProfilePayloadLength) return;
      handoff_.SyncProfile();
      return;
    default:
      return;
  }
}
