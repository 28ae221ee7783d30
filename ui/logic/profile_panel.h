#pragma once
// The thermal-profile panel: what a profile packet puts into Label8 (the profile kind), the
// caption of GroupBox1 and the parameter labels Label12 .. Label18 (text and hint each).
// Texts are UTF-8.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "device/frame_codec.h"

struct ParameterLabel {
  std::string text, hint;  // both empty: the label shows nothing and has no hint
  friend bool operator==(const ParameterLabel&, const ParameterLabel&) = default;
};

struct ProfilePanel {
  std::string Label8;
  std::optional<std::string> GroupBox1Caption;             // nullopt: left as it is
  std::optional<std::array<ParameterLabel, 7>> Parameters;  // Label12 .. Label18; nullopt: left as they are
};

// Label8 from the profile type alone: type 0 is the standard profile, any other the accelerated one.
std::string ShowProfileType(std::uint8_t profileType);

// The whole panel for the profile packet in frame. An unknown profile type changes only Label8.
ProfilePanel ShowProfile(const FrameBuffer& frame);
