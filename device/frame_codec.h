#pragma once
// Frames of the controller link: FF h c L payload[L] s, with every 0xFF after the start marker
// doubled on the wire and s the sum of h, c, L and the payload modulo 256. The serial decoder
// takes one byte at a time; the HID decoder scans one input report. Both dispatch each complete
// frame whose checksum matches, by its command byte, to a PacketHandoff. A length byte above 27
// drops the frame at once (it could not be held); a status frame of fewer than 8 payload bytes or
// a profile frame of fewer than 27 is dropped instead of being read partly from older frames.
#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr std::size_t FrameBufSize = 32;
inline constexpr std::uint8_t MaxPayloadLength = FrameBufSize - 5;  // 27
using FrameBuffer = std::array<std::uint8_t, FrameBufSize>;

inline constexpr std::uint8_t CmdStatus = 9;
inline constexpr std::uint8_t CmdProfile = 30;
inline constexpr std::uint8_t CmdProfileAlt = 31;

// Receives the dispatched packets. The packet is read in place from the decoder's FrameBuf while
// the call runs; it is not copied.
class PacketHandoff {
 public:
  virtual ~PacketHandoff() = default;
  virtual void SyncStatus() = 0;   // command 9, first
  virtual void LogSample() = 0;    // command 9, right after SyncStatus
  virtual void SyncProfile() = 0;  // commands 30 and 31
};

class FrameDecoder {
 public:
  explicit FrameDecoder(PacketHandoff& handoff) : handoff_(handoff) {}

  // Serial decoder: one received byte.
  void ParseByte(std::uint8_t b);
  // HID decoder: scans report[1 .. length-1] (byte 0 is the report id) and stops after the first
  // dispatched frame. State carries over between reports. Returns true when a frame passed its
  // checksum and so ended the scan, whether or not its command is one that is handed on.
  bool ScanReport(const std::uint8_t* report, std::size_t length);

  const FrameBuffer& FrameBuf() const { return frameBuf_; }

 private:
  void Dispatch();

  PacketHandoff& handoff_;
  FrameBuffer frameBuf_{};
  std::int32_t fillLen_ = 0;
  bool escapeFlag_ = false;
  std::uint8_t runningSum_ = 0;  // HID decoder only
};
