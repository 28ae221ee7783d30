#pragma once
// Byte strings for the codec tests, written as hexadecimal text: "FF 01 09".
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

inline std::vector<std::uint8_t> Hex(const std::string& text) {
  std::vector<std::uint8_t> bytes;
  std::istringstream in(text);
  unsigned value = 0;
  while (in >> std::hex >> value) bytes.push_back(static_cast<std::uint8_t>(value));
  return bytes;
}

inline std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}
