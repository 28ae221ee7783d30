#pragma once
// Wire encoding of the controller's frames, as the simulator sends them: FF h c L payload s,
// with every 0xFF after the start marker doubled and s the sum of h, c, L and the payload.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "device/frame_codec.h"

using Bytes = std::vector<std::uint8_t>;

// The frame's bytes before escaping: marker, header, command, length, payload, checksum.
// The payload holds at most MaxPayloadLength (27) bytes; a longer one is cut to that size.
Bytes PlainFrame(std::uint8_t header, std::uint8_t command, std::span<const std::uint8_t> payload);
// Puts plain frame bytes on the wire: index 0 is the start marker, every later 0xFF is doubled.
Bytes Escape(std::span<const std::uint8_t> plain);
// Escape(PlainFrame(...)). The header must not be 0xFF (it would read as data, not a new frame).
Bytes EncodeFrame(std::uint8_t header, std::uint8_t command, std::span<const std::uint8_t> payload);

// The status packet (command 9, 8 payload bytes); temperatures in whole °C.
struct StatusFields {
  std::uint16_t Tr = 0, Ti = 0, Te = 0;
  std::uint8_t StatusFlags = 0, Stage = 0;
  bool operator==(const StatusFields&) const = default;
};
std::array<std::uint8_t, 8> StatusPayload(const StatusFields& s);

// Profile parameters in °C, seconds and °C/min, as the controller reports them.
enum class ProfileKindSim { Standard, Accelerated, Drying };
struct ProfileParams {
  ProfileKindSim kind = ProfileKindSim::Standard;
  std::uint16_t startTemp = 0;      // accelerated: initial temperature Tн
  std::uint16_t startRate = 0;      // accelerated: heating rate to Tн
  std::uint16_t fluxTemp = 0;       // standard, accelerated: Ta; drying: drying temperature
  std::uint16_t fluxRate = 0;       // accelerated: heating rate to Ta
  std::uint16_t fluxHoldSec = 0;    // standard: ta; drying: drying time
  std::uint16_t meltTemp = 0;       // standard, accelerated: Tп
  std::uint16_t meltRate = 0;       // accelerated: heating rate to Tп
  std::uint16_t meltHoldSec = 0;    // standard: tп
  std::uint16_t coolTemp = 0;       // To, where the cycle ends (not reported for drying)
};
ProfileParams StandardProfile();
ProfileParams AcceleratedProfile();
ProfileParams DryingProfile();

// The 27-byte profile payload laid out for the kind. Bytes that no reader looks at hold `filler`.
std::array<std::uint8_t, 27> ProfilePayload(const ProfileParams& p, std::uint8_t filler = 0);
