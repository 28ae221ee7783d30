// Field access on packets read in place from a frame buffer.
#include <gtest/gtest.h>

#include "device/packets.h"
#include "tests/device/hex.h"

namespace {

FrameBuffer Frame(const std::string& header, const std::string& payload) {
  FrameBuffer f{};
  std::vector<std::uint8_t> bytes = Hex(header + " " + payload);
  std::copy(bytes.begin(), bytes.end(), f.begin());
  return f;
}

struct StatusCase {
  const char* payload;
  std::uint16_t tr, ti, te;
  bool running, open;
  std::uint8_t stage;
};

class StatusFields : public testing::TestWithParam<StatusCase> {};

TEST_P(StatusFields, ReadsLittleEndianUnsignedWords) {
  const StatusCase& c = GetParam();
  const StatusPacket p = StatusPacket::From(Frame("FF 01 09 08", c.payload));
  EXPECT_EQ(p.Tr, c.tr);
  EXPECT_EQ(p.Ti, c.ti);
  EXPECT_EQ(p.Te, c.te);
  EXPECT_EQ(p.Running(), c.running);
  EXPECT_EQ(p.Open(), c.open);
  EXPECT_EQ(p.Stage, c.stage);
  // Widened to a signed 32-bit value, a word stays 0 .. 65535.
  EXPECT_GE(static_cast<std::int32_t>(p.Tr), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Payloads, StatusFields,
    testing::Values(StatusCase{"19 00 1A 00 18 00 04 01", 25, 26, 24, true, false, 1},
                    StatusCase{"FF 00 FA 00 96 00 04 03", 255, 250, 150, true, false, 3},
                    StatusCase{"2C 01 00 80 FF FF 24 05", 300, 32768, 65535, true, true, 5},
                    StatusCase{"00 00 00 00 00 00 44 00", 0, 0, 0, false, false, 0},
                    StatusCase{"00 00 00 00 00 00 60 00", 0, 0, 0, false, true, 0}));

TEST(RunningTest, RunBitCountsOnlyWithoutHaltBit) {
  for (std::uint8_t flags : {0x44, 0x40, 0x00, 0x20, 0x64, 0xFF}) EXPECT_FALSE(CycleRunning(flags)) << int(flags);
  for (std::uint8_t flags : {0x04, 0x24, 0x05, 0x84, 0xBF}) EXPECT_TRUE(CycleRunning(flags)) << int(flags);
}

struct ProfileCase {
  const char* payload;
  ProfileKind kind;
};

class ProfileSelection : public testing::TestWithParam<ProfileCase> {};

TEST_P(ProfileSelection, TypeThenWordAtSix) {
  for (const char* command : {"1E", "1F"}) {
    const FrameBuffer f = Frame(std::string("FF 01 ") + command + " 1B", GetParam().payload);
    EXPECT_EQ(ProfilePacket{f}.Kind(), GetParam().kind) << command;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Payloads, ProfileSelection,
    testing::Values(
        // Standard: Ta 150, ta 60, Tп 240, tп 20, To 50.
        ProfileCase{"96 00 00 00 3C 00 F0 00 00 00 14 00 32 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
                    ProfileKind::Standard},
        // Word 6 zero makes it drying, whatever the other words hold.
        ProfileCase{"96 00 00 00 3C 00 00 00 FF FF 14 00 32 00 FF FF FF FF FF FF FF FF FF FF FF FF 00",
                    ProfileKind::Drying},
        ProfileCase{"00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01",
                    ProfileKind::Accelerated},
        ProfileCase{"00 00 00 00 00 00 F0 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 02",
                    ProfileKind::Unknown}));

TEST(ProfileWords, AcceleratedWordsAtTheirOffsets) {
  // Tн 100, Vн 90, Ta 150, Va 60, Tп 240, Vп 120, To 50.
  const FrameBuffer f = Frame("FF 01 1E 1B",
                              "64 00 5A 00 00 00 96 00 3C 00 00 00 F0 00 78 00 00 00 32 00 00 00 00 00 00 00 01");
  const ProfilePacket p{f};
  EXPECT_EQ(p.ProfileType(), 1);
  EXPECT_EQ(p.Word(0), 100);
  EXPECT_EQ(p.Word(2), 90);
  EXPECT_EQ(p.Word(6), 150);
  EXPECT_EQ(p.Word(8), 60);
  EXPECT_EQ(p.Word(12), 240);
  EXPECT_EQ(p.Word(14), 120);
  EXPECT_EQ(p.Word(18), 50);
}

}  // namespace
