#include "platform/hid/report_descriptor.h"

#include <algorithm>
#include <map>
#include <vector>

namespace {

// Item types (bits 2-3 of the prefix) and the tags this parser acts on (bits 4-7).
constexpr int TypeMain = 0;
constexpr int TypeGlobal = 1;
constexpr int MainInput = 0x8;
constexpr int GlobalReportSize = 0x7;
constexpr int GlobalReportId = 0x8;
constexpr int GlobalReportCount = 0x9;
constexpr int GlobalPush = 0xA;
constexpr int GlobalPop = 0xB;
constexpr std::uint8_t LongItemPrefix = 0xFE;
// Deeper Push nesting than this is not seen in real descriptors; bounds memory on bad input.
constexpr std::size_t MaxPushDepth = 32;
// The report length is 16-bit, id byte included.
constexpr std::uint64_t MaxReportBits = 8ull * (0xFFFF - 1);

struct GlobalState {
  std::uint32_t reportSize = 0;   // bits per field
  std::uint32_t reportCount = 0;  // fields per item
  std::uint32_t reportId = 0;
};

std::uint32_t ItemData(const std::uint8_t* p, std::size_t n) {
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < n; ++i) v |= static_cast<std::uint32_t>(p[i]) << (8 * i);
  return v;
}

}  // namespace

std::optional<InputReportLayout> ParseInputReportLayout(const std::uint8_t* data, std::size_t size) {
  GlobalState state;
  std::vector<GlobalState> stack;
  std::map<std::uint32_t, std::uint64_t> inputBits;  // per report id
  bool usesReportIds = false;

  std::size_t pos = 0;
  while (pos < size) {
    const std::uint8_t prefix = data[pos];
    if (prefix == LongItemPrefix) {
      if (pos + 3 > size) return std::nullopt;
      const std::size_t longSize = data[pos + 1];
      if (pos + 3 + longSize > size) return std::nullopt;
      pos += 3 + longSize;
      continue;
    }
    const std::size_t dataSize = (prefix & 3) == 3 ? 4 : (prefix & 3);
    if (pos + 1 + dataSize > size) return std::nullopt;
    const std::uint32_t value = ItemData(data + pos + 1, dataSize);
    const int type = (prefix >> 2) & 3;
    const int tag = prefix >> 4;
    pos += 1 + dataSize;

    if (type == TypeMain && tag == MainInput) {
      // Checked per item so that the running sum cannot overflow.
      std::uint64_t& bits = inputBits[state.reportId];
      bits += static_cast<std::uint64_t>(state.reportSize) * state.reportCount;
      if (bits > MaxReportBits) return std::nullopt;
    } else if (type == TypeGlobal) {
      switch (tag) {
        case GlobalReportSize: state.reportSize = value; break;
        case GlobalReportCount: state.reportCount = value; break;
        case GlobalReportId:
          state.reportId = value;
          usesReportIds = true;
          break;
        case GlobalPush:
          if (stack.size() >= MaxPushDepth) return std::nullopt;
          stack.push_back(state);
          break;
        case GlobalPop:
          if (stack.empty()) return std::nullopt;
          state = stack.back();
          stack.pop_back();
          break;
        default: break;
      }
    }
  }

  std::uint64_t longestBytes = 0;
  for (const auto& [id, bits] : inputBits) longestBytes = std::max(longestBytes, (bits + 7) / 8);
  if (longestBytes == 0) return std::nullopt;
  return InputReportLayout{static_cast<std::uint16_t>(longestBytes + 1), usesReportIds};
}
