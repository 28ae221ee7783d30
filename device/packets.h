#pragma once
// Field access for the two packets the program acts on, read in place from FrameBuf.
// Payload offset k is FrameBuf index 4 + k; every word is little-endian and unsigned.
#include <cstdint>

#include "device/frame_codec.h"

inline std::uint16_t PayloadWord(const FrameBuffer& f, int offset) {
  return static_cast<std::uint16_t>(f[4 + offset] | (f[5 + offset] << 8));
}
inline std::uint8_t PayloadByte(const FrameBuffer& f, int offset) { return f[4 + offset]; }

inline constexpr std::uint8_t RunBit = 0x04;
inline constexpr std::uint8_t OpenBit = 0x20;
inline constexpr std::uint8_t HaltBit = 0x40;

// A cycle runs when RunBit is set and HaltBit is clear.
inline bool CycleRunning(std::uint8_t statusFlags) { return (statusFlags & (RunBit | HaltBit)) == RunBit; }

struct StatusPacket {
  std::uint16_t Tr, Ti, Te;
  std::uint8_t StatusFlags, Stage;
  static StatusPacket From(const FrameBuffer& f) {
    return {PayloadWord(f, 0), PayloadWord(f, 2), PayloadWord(f, 4), PayloadByte(f, 6), PayloadByte(f, 7)};
  }
  bool Running() const { return CycleRunning(StatusFlags); }
  bool Open() const { return (StatusFlags & OpenBit) != 0; }
};

enum class ProfileKind { Standard, Drying, Accelerated, Unknown };

struct ProfilePacket {
  const FrameBuffer& frame;
  std::uint16_t Word(int offset) const { return PayloadWord(frame, offset); }
  std::uint8_t ProfileType() const { return PayloadByte(frame, 26); }
  // Type 0: standard when the word at 6 is non-zero, drying when it is 0; type 1: accelerated.
  ProfileKind Kind() const {
    if (ProfileType() == 0) return Word(6) != 0 ? ProfileKind::Standard : ProfileKind::Drying;
    if (ProfileType() == 1) return ProfileKind::Accelerated;
    return ProfileKind::Unknown;
  }
};
