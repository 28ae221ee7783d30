// Both decoders fed with byte strings; each case lists the hand-offs it must produce, in order.
#include <gtest/gtest.h>

#include <iomanip>
#include <memory>
#include <sstream>

#include "device/frame_codec.h"
#include "tests/device/hex.h"
#include "tests/device/recording_handoff.h"

namespace {

// "status 09:19001A..." for one hand-off: the call, the command and the payload.
std::string Describe(const HandedPacket& p) {
  std::ostringstream out;
  out << p.call << ' ' << std::uppercase << std::hex << std::setfill('0') << std::setw(2) << int(p.command) << ':';
  for (std::uint8_t b : p.payload) out << std::setw(2) << int(b);
  return out.str();
}

std::vector<std::string> Describe(const std::vector<HandedPacket>& calls) {
  std::vector<std::string> out;
  for (const HandedPacket& p : calls) out.push_back(Describe(p));
  return out;
}

// The decoder lives on the heap so that AddressSanitizer sees any write past FrameBuf.
struct Harness {
  RecordingHandoff handoff;
  std::unique_ptr<FrameDecoder> decoder = std::make_unique<FrameDecoder>(handoff);
  Harness() { handoff.Attach(*decoder); }
};

const std::string Status25 = "FF 01 09 08 19 00 1A 00 18 00 04 01 62 ";
const std::vector<std::string> Status25Calls = {"status 09:19001A0018000401", "sample 09:19001A0018000401"};

struct Case {
  const char* name;
  std::string wire;
  std::vector<std::string> calls;
};

std::vector<std::string> Twice(const std::vector<std::string>& calls) {
  std::vector<std::string> out = calls;
  out.insert(out.end(), calls.begin(), calls.end());
  return out;
}

const std::string Profile = "FF 01 1E 1B " + Repeat("10 00 ", 13) + "00 ";  // 27 payload bytes
// 01 + 1E + 1B + 13 * 10 = 0x10A
const std::string ProfileSum = "0A ";
const std::string ProfilePayload = Repeat("1000", 13) + "00";

class SerialDecoder : public testing::TestWithParam<Case> {};

TEST_P(SerialDecoder, HandsOffExactlyTheGoodFrames) {
  Harness h;
  for (std::uint8_t b : Hex(GetParam().wire)) h.decoder->ParseByte(b);
  EXPECT_EQ(Describe(h.handoff.calls), GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, SerialDecoder,
    testing::Values(
        Case{"WorkedExample", Status25, Status25Calls},
        Case{"DoubledPayloadFF", "FF 01 09 08 FF FF 00 FA 00 96 00 04 03 A8",
             {"status 09:FF00FA0096000403", "sample 09:FF00FA0096000403"}},
        Case{"SingleFFInPayloadIsAMarker", "FF 01 09 08 FF 00 FA 00 96 00 04 03 A8", {}},
        Case{"BadChecksumThenGoodFrame", "FF 01 09 08 19 00 1A 00 18 00 04 01 63 " + Status25, Status25Calls},
        Case{"ChecksumFFThenGoodFrame", "FF 9E 09 08 19 00 1A 00 18 00 04 01 FF FF " + Status25,
             {"status 09:19001A0018000401", "sample 09:19001A0018000401", "status 09:19001A0018000401",
              "sample 09:19001A0018000401"}},
        Case{"MarkerAbandonsOpenFrame", "FF 01 09 08 19 00 1A " + Status25, Status25Calls},
        Case{"BytesBeforeFirstMarker", "00 13 09 08 62 01 " + Status25, Status25Calls},
        Case{"DoubledFFOpensFrameWhenNoneOpen", "FF " + Status25, Status25Calls},
        // Dropped at its command byte: the doubled FF after it opens a frame, as between frames.
        Case{"Command5DroppedAtCommandByte", "FF 01 05 " + std::string("FF ") + Status25, Status25Calls},
        Case{"Command5WithGoodChecksum", "FF 01 05 08 19 00 1A 00 18 00 04 01 5E", {}},
        Case{"DoubledFFCommandDroppedAtCommandByte", "FF 01 FF FF FF " + Status25, Status25Calls},
        // A five-byte frame is complete: the doubled FF after it opens the next frame.
        Case{"LengthZeroFrameCompletes", "FF 01 09 00 0A FF " + Status25, Status25Calls},
        Case{"ShortStatusNotHandedOn", "FF 01 09 07 19 00 1A 00 18 00 04 60", {}},
        Case{"LengthAbove27Dropped", "FF 01 09 1C " + Repeat("A5 ", 40) + Status25, Status25Calls},
        Case{"LengthFFDropped", "FF 01 09 FF FF " + Repeat("22 ", 40) + Status25, Status25Calls},
        Case{"LongestProfile", Profile + ProfileSum + Status25,
             {"profile 1E:" + ProfilePayload, "status 09:19001A0018000401", "sample 09:19001A0018000401"}},
        Case{"ShortProfileNotHandedOn", "FF 01 1F 1A " + Repeat("10 00 ", 13) + "0A", {}},
        Case{"TwoFramesInOneRead", Status25 + Status25, Twice(Status25Calls)}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// One HID input report per string: byte 0 is the report id.
struct HidCase {
  const char* name;
  std::vector<std::string> reports;
  std::vector<bool> dispatched;  // what ScanReport returns for each report
  std::vector<std::string> calls;
};

class HidDecoder : public testing::TestWithParam<HidCase> {};

TEST_P(HidDecoder, HandsOffAtMostOneFramePerReport) {
  Harness h;
  std::vector<bool> dispatched;
  for (const std::string& report : GetParam().reports) {
    const std::vector<std::uint8_t> bytes = Hex(report);
    dispatched.push_back(h.decoder->ScanReport(bytes.data(), bytes.size()));
  }
  EXPECT_EQ(dispatched, GetParam().dispatched);
  EXPECT_EQ(Describe(h.handoff.calls), GetParam().calls);
}

const std::string Zeros = Repeat("00 ", 20);

INSTANTIATE_TEST_SUITE_P(
    Reports, HidDecoder,
    testing::Values(
        HidCase{"WorkedExample", {"02 " + Status25 + Zeros}, {true}, Status25Calls},
        HidCase{"ReportIdNotInterpreted", {"FF 01 09 08 19 00 1A 00 18 00 04 01 62"}, {false}, {}},
        HidCase{"DoubledPayloadFF", {"02 FF 01 09 08 FF FF 00 FA 00 96 00 04 03 A8 " + Zeros}, {true},
                {"status 09:FF00FA0096000403", "sample 09:FF00FA0096000403"}},
        HidCase{"BadChecksumThenGoodFrameInOneReport", {"02 FF 01 09 08 19 00 1A 00 18 00 04 01 63 " + Status25},
                {true}, Status25Calls},
        HidCase{"ChecksumFFThenNextReport", {"02 FF 9E 09 08 19 00 1A 00 18 00 04 01 FF FF " + Zeros, "02 " + Status25},
                {true, true},
                {"status 09:19001A0018000401", "sample 09:19001A0018000401", "status 09:19001A0018000401",
                 "sample 09:19001A0018000401"}},
        HidCase{"SecondFrameInReportIgnored", {"02 " + Status25 + Status25, "02 " + Zeros}, {true, false},
                Status25Calls},
        // The rest of a report after a dispatch is not scanned, so it cannot open a frame.
        HidCase{"RestOfReportNotLookedAt", {"02 " + Status25 + "FF 01 09 08 19 00", "02 1A 00 18 00 04 01 62"},
                {true, false}, Status25Calls},
        HidCase{"FrameSplitAcrossReports", {"02 FF 01 09 08 19 00", "02 1A 00 18 00 04 01 62 00"}, {false, true},
                Status25Calls},
        HidCase{"DoubledFFSplitAcrossReports", {"02 FF 01 09 08 FF", "02 FF 00 FA 00 96 00 04 03 A8"}, {false, true},
                {"status 09:FF00FA0096000403", "sample 09:FF00FA0096000403"}},
        HidCase{"MarkerAbandonsOpenFrame", {"02 FF 01 09 08 19 00 1A " + Status25}, {true}, Status25Calls},
        // Assembled, found good, ignored: the scan still stops there.
        HidCase{"Command5AssembledThenIgnored", {"02 FF 01 05 08 19 00 1A 00 18 00 04 01 5E " + Status25, "02 " + Status25},
                {true, true}, Status25Calls},
        HidCase{"LengthZeroFrame", {"02 FF 01 05 00 06 " + Status25}, {true}, {}},
        HidCase{"LengthAbove27Dropped", {"02 FF 01 09 1C " + Repeat("A5 ", 28) + "32", "02 " + Status25}, {false, true},
                Status25Calls},
        HidCase{"LengthFFDropped", {"02 FF 01 09 FF FF " + Repeat("22 ", 40) + Status25}, {true}, Status25Calls},
        HidCase{"EmptyReport", {"", "02"}, {false, false}, {}},
        HidCase{"Profile31", {"02 FF 01 1F 1B " + Repeat("10 00 ", 13) + "00 0B"}, {true}, {"profile 1F:" + ProfilePayload}}),
    [](const testing::TestParamInfo<HidCase>& info) { return std::string(info.param.name); });

}  // namespace
