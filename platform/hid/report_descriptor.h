#pragma once
// Reads what the program needs from a HID report descriptor: the length of the longest input
// report and whether the device numbers its reports. Pure: works on the descriptor's bytes.
#include <cstddef>
#include <cstdint>
#include <optional>

struct InputReportLayout {
  // Bytes of the longest input report, including one byte for the report id. The id byte is
  // counted even when the device numbers no reports, as the readers put a 0 there.
  std::uint16_t inputReportLength = 0;
  // True when the descriptor declares report ids: reports then arrive with the id at byte 0.
  bool usesReportIds = false;
};

// Sums Report Size x Report Count over the Input items of each report id (Push/Pop of the global
// state honoured, long items skipped) and takes the longest report. Returns nothing when the
// descriptor is truncated, pops an empty stack, declares no input data, or gives a report longer
// than 65535 bytes.
std::optional<InputReportLayout> ParseInputReportLayout(const std::uint8_t* data, std::size_t size);

// Used when the descriptor cannot be read: a full-speed report of 64 data bytes plus the id.
inline constexpr std::uint16_t FallbackInputReportLength = 65;
