// The simulator's frames, model and damage, checked by decoding them with the program's decoders.
#include <gtest/gtest.h>

#include <map>

#include "device/packets.h"
#include "tests/device/hex.h"
#include "tests/tools/sim_decode.h"

namespace {

TEST(EncodeFrame, MatchesTheWorkedExamples) {
  EXPECT_EQ(EncodeFrame(0x01, CmdStatus, StatusPayload({25, 26, 24, 0x04, 1})),
            Hex("FF 01 09 08 19 00 1A 00 18 00 04 01 62"));
  EXPECT_EQ(EncodeFrame(0x01, CmdStatus, StatusPayload({255, 250, 150, 0x04, 3})),
            Hex("FF 01 09 08 FF FF 00 FA 00 96 00 04 03 A8"));
  // Checksum 0xFF is doubled too; a length-0 frame is five bytes.
  EXPECT_EQ(EncodeFrame(0x9E, CmdStatus, StatusPayload({25, 26, 24, 0x04, 1})),
            Hex("FF 9E 09 08 19 00 1A 00 18 00 04 01 FF FF"));
  EXPECT_EQ(EncodeFrame(0x01, 0x05, {}), Hex("FF 01 05 00 06"));
}

struct ProfileCase {
  ProfileParams params;
  ProfileKind kind;
  std::map<int, std::uint16_t> words;  // payload offset -> value a reader finds there
};

class ProfileLayout : public testing::TestWithParam<ProfileCase> {};

TEST_P(ProfileLayout, DecodesToTheProfileItDescribes) {
  for (std::uint8_t filler : {0x00, 0xFF}) {
    const auto calls = DecodeSerial(EncodeFrame(0x01, CmdProfile, ProfilePayload(GetParam().params, filler)));
    ASSERT_EQ(calls.size(), 1u);
    FrameBuffer f{};
    std::copy(calls[0].payload.begin(), calls[0].payload.end(), f.begin() + 4);
    const ProfilePacket p{f};
    EXPECT_EQ(p.Kind(), GetParam().kind);
    for (const auto& [offset, value] : GetParam().words) EXPECT_EQ(p.Word(offset), value) << "offset " << offset;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Presets, ProfileLayout,
    testing::Values(ProfileCase{StandardProfile(), ProfileKind::Standard, {{0, 150}, {4, 60}, {6, 240}, {10, 20}, {12, 50}}},
                    ProfileCase{DryingProfile(), ProfileKind::Drying, {{0, 110}, {4, 120}, {6, 0}}},
                    ProfileCase{AcceleratedProfile(), ProfileKind::Accelerated,
                                {{0, 100}, {2, 120}, {6, 160}, {8, 60}, {12, 235}, {14, 120}, {18, 60}}}));

// Runs one cycle of the profile and returns the statuses from its start to its first idle one.
std::vector<StatusFields> OneCycle(const ProfileParams& profile, int haltAfterSec = -1) {
  ReflowModel model(7);
  model.StartCycle(profile);
  std::vector<StatusFields> statuses;
  for (int second = 0; second < 3600; ++second) {
    if (second == haltAfterSec) model.Halt();
    statuses.push_back(model.Step());
    if (!model.InCycle()) break;
  }
  return statuses;
}

// Stages in order of appearance, with the seconds spent in each.
std::vector<std::pair<int, int>> StageRuns(const std::vector<StatusFields>& statuses) {
  std::vector<std::pair<int, int>> runs;
  for (const StatusFields& s : statuses) {
    if (runs.empty() || runs.back().first != s.Stage) runs.push_back({s.Stage, 0});
    ++runs.back().second;
  }
  return runs;
}

TEST(ReflowModel, StandardCycleRunsThroughItsStages) {
  const ProfileParams profile = StandardProfile();
  const std::vector<StatusFields> cycle = OneCycle(profile);
  const auto runs = StageRuns(cycle);
  ASSERT_EQ(runs.size(), 6u);
  for (int stage = 0; stage <= 5; ++stage) EXPECT_EQ(runs[stage].first, stage);
  EXPECT_EQ(runs[1].second, profile.fluxHoldSec);
  EXPECT_EQ(runs[3].second, profile.meltHoldSec);
  EXPECT_EQ(runs[5].second, 1);  // the cycle's end is its first idle status

  std::uint16_t peak = 0;
  for (std::size_t i = 0; i + 1 < cycle.size(); ++i) {
    EXPECT_EQ(cycle[i].StatusFlags, RunBit) << "lid closed and running, second " << i;
    EXPECT_GE(cycle[i].Ti, 20);
    EXPECT_LE(cycle[i].Ti, profile.meltTemp + 5);
    EXPECT_LE(cycle[i].Te, cycle[i].Tr + 60);
    peak = std::max(peak, cycle[i].Tr);
  }
  EXPECT_EQ(peak, profile.meltTemp);
  EXPECT_EQ(cycle.back().StatusFlags, OpenBit);
  EXPECT_LE(cycle.back().Tr, profile.coolTemp);
  EXPECT_GT(cycle.size(), 300u);  // minutes, like a real reflow cycle
  EXPECT_LT(cycle.size(), 900u);
}

TEST(ReflowModel, OtherProfilesHaveTheirOwnStages) {
  std::vector<int> stages;
  for (const auto& run : StageRuns(OneCycle(DryingProfile()))) stages.push_back(run.first);
  EXPECT_EQ(stages, (std::vector<int>{0, 1, 4, 5}));
  stages.clear();
  // The accelerated profile has no melting hold.
  for (const auto& run : StageRuns(OneCycle(AcceleratedProfile()))) stages.push_back(run.first);
  EXPECT_EQ(stages, (std::vector<int>{0, 1, 2, 4, 5}));
}

TEST(ReflowModel, HaltSetsHaltBitUntilTheOvenHasCooled) {
  const std::vector<StatusFields> cycle = OneCycle(StandardProfile(), 100);
  ASSERT_GT(cycle.size(), 101u);
  EXPECT_TRUE(CycleRunning(cycle[99].StatusFlags));
  for (std::size_t i = 100; i + 1 < cycle.size(); ++i) {
    EXPECT_EQ(cycle[i].StatusFlags, RunBit | HaltBit) << i;
    EXPECT_EQ(cycle[i].Stage, 4) << i;
  }
  EXPECT_EQ(cycle.back().StatusFlags, OpenBit);
}

std::uint16_t ProfilePacketWord6(const SimPacket& p) { return static_cast<std::uint16_t>(p.payload[6] | p.payload[7] << 8); }

std::string DamageName(const testing::TestParamInfo<Damage>& info) {
  static const char* const names[] = {"None", "BadChecksum", "Truncated", "Noise", "TrailingFF"};
  return names[static_cast<int>(info.param)];
}

class DamageKinds : public testing::TestWithParam<Damage> {};

TEST_P(DamageKinds, DecoderKeepsOnlyTheIntactFrame) {
  const std::vector<std::uint8_t> payload = Hex("FF 00 FA 00 96 00 04 03");
  for (std::uint32_t seed = 0; seed < 200; ++seed) {
    std::mt19937 rng(seed);
    const std::vector<SimChunk> chunks{DamagedFrame(GetParam(), static_cast<std::uint8_t>(seed % 255), CmdStatus, payload, rng),
                                       DamagedFrame(Damage::None, 0x01, CmdStatus, payload, rng)};
    EXPECT_EQ(DecodeSerial(SerialBytes(chunks)), ExpectedCalls(chunks)) << "seed " << seed;
    EXPECT_EQ(DecodeHid(HidReports(chunks, 64, 2)), ExpectedCalls(chunks)) << "seed " << seed;
  }
}

INSTANTIATE_TEST_SUITE_P(All, DamageKinds,
                         testing::Values(Damage::None, Damage::BadChecksum, Damage::Truncated, Damage::Noise,
                                         Damage::TrailingFF),
                         DamageName);

TEST(SimStream, DecodesToExactlyTheIntendedPackets) {
  for (bool damage : {false, true}) {
    for (std::uint32_t seed : {1u, 2u, 3u}) {
      SimConfig config;
      config.profiles = {StandardProfile(), AcceleratedProfile(), DryingProfile()};
      config.cycles = 3;
      config.idleSeconds = 40;
      config.damage = damage;
      config.seed = seed;
      const std::vector<SimChunk> chunks = WholeStream(config);
      const std::vector<HandedPacket> expected = ExpectedCalls(chunks);
      EXPECT_EQ(DecodeSerial(SerialBytes(chunks)), expected) << "damage " << damage << " seed " << seed;
      EXPECT_EQ(DecodeHid(HidReports(chunks, 64, 2)), expected) << "damage " << damage << " seed " << seed;
    }
  }
}

TEST(SimStream, SendsProfilesAtStartsAndNowAndThen) {
  SimConfig config;
  config.profiles = {StandardProfile(), DryingProfile()};
  config.cycles = 2;
  config.idleSeconds = 5;
  const std::vector<SimChunk> chunks = WholeStream(config);
  ASSERT_FALSE(chunks.empty());
  EXPECT_NE(chunks.front().packet->command, CmdStatus) << "the stream opens with the profile";

  int starts = 0, statusesSinceProfile = 0;
  bool running = false;
  const SimPacket* previous = nullptr;
  for (const SimChunk& c : chunks) {
    ASSERT_TRUE(c.packet);
    if (c.packet->command == CmdStatus) {
      const bool now = CycleRunning(c.packet->payload[6]);
      if (now && !running) {
        ++starts;
        ASSERT_TRUE(previous && previous->command == CmdProfile) << "a cycle starts with its profile, command 30";
        // Cycles rotate the profiles: standard first (word 6 non-zero), then drying (zero).
        EXPECT_EQ(ProfilePacketWord6(*previous) == 0, starts == 2);
      }
      running = now;
      EXPECT_LE(++statusesSinceProfile, SimStream::ProfileEverySec);
    } else {
      statusesSinceProfile = 0;
    }
    previous = &*c.packet;
  }
  EXPECT_EQ(starts, 2);
  EXPECT_FALSE(running) << "the stream ends idle";
}

}  // namespace
