#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "ui/logic/profile_panel.h"

namespace {

// A profile frame: payload offset k is FrameBuf index 4 + k; the profile type is payload byte 26.
FrameBuffer ProfileFrame(std::uint8_t profileType, std::initializer_list<std::pair<int, std::uint16_t>> words) {
  FrameBuffer frame{};
  frame[2] = 30;
  frame[3] = 27;
  for (const auto& [offset, value] : words) {
    frame[4 + offset] = value & 0xFF;
    frame[5 + offset] = value >> 8;
  }
  frame[4 + 26] = profileType;
  return frame;
}

const ParameterLabel Empty{};

TEST(ShowProfile, StandardProfile) {
  const ProfilePanel panel = ShowProfile(ProfileFrame(0, {{0, 150}, {4, 60}, {6, 217}, {10, 30}, {12, 50}}));
  EXPECT_EQ(panel.Label8, "Тип термопрофиля: Стандартный");
  EXPECT_EQ(panel.GroupBox1Caption, " Параметры ТП: Стандарт. ");
  ASSERT_TRUE(panel.Parameters);
  const auto& p = *panel.Parameters;
  EXPECT_EQ(p[0], (ParameterLabel{"Ta = 150 °C", "Температура активации флюса"}));
  EXPECT_EQ(p[1], (ParameterLabel{"ta = 60 c", "Время выдержки активации флюса"}));
  EXPECT_EQ(p[2], (ParameterLabel{"Tп = 217 °C", "Температура плавления припоя"}));
  EXPECT_EQ(p[3], (ParameterLabel{"tп = 30 c", "Время выдержки плавления припоя"}));
  EXPECT_EQ(p[4], (ParameterLabel{"To = 50 °C", "Тампература охлаждения"}));
  EXPECT_EQ(p[5], Empty);
  EXPECT_EQ(p[6], Empty);
}

TEST(ShowProfile, DryingProfileShowsMinutesAndEmptiesTheRest) {
  const ProfilePanel panel = ShowProfile(ProfileFrame(0, {{0, 120}, {4, 719}, {8, 5}, {12, 9}}));
  EXPECT_EQ(panel.Label8, "Тип термопрофиля: Сушка");
  EXPECT_EQ(panel.GroupBox1Caption, " Параметры ТП: Сушка ");
  ASSERT_TRUE(panel.Parameters);
  const auto& p = *panel.Parameters;
  EXPECT_EQ(p[0], (ParameterLabel{"Tс = 120 °C", "Температура сушки"}));
  EXPECT_EQ(p[1], (ParameterLabel{"tс = 11 м", "Время сушки"}));
  for (int i = 2; i < 7; ++i) EXPECT_EQ(p[i], Empty) << "Label" << 12 + i;
}

TEST(ShowProfile, AcceleratedProfileWithFullWords) {
  const ProfilePanel panel = ShowProfile(
      ProfileFrame(1, {{0, 1}, {2, 2}, {6, 3}, {8, 4}, {12, 5}, {14, 65535}, {18, 7}, {4, 99}, {10, 99}, {16, 99}}));
  EXPECT_EQ(panel.Label8, "Тип термопрофиля: Ускоренный");
  EXPECT_EQ(panel.GroupBox1Caption, " Параметры ТП: Ускорен. ");
  ASSERT_TRUE(panel.Parameters);
  const std::array<ParameterLabel, 7> expected{{
      {"Vн = 2 °C/м", "Скорость нагрева начальной температуры"},
      {"Tн = 1 °C", "Температура начальная"},
      {"Va = 4 °C/м", "Скорость нагрева флюса"},
      {"Ta = 3 °C", "Температура активации флюса"},
      {"Vп = 65535 °C/м", "Скорость нагрева до Tп"},
      {"Tп = 5 °C", "Температура плавления припоя"},
      {"To = 7 °C", "Температура охлаждения"},
  }};
  EXPECT_EQ(*panel.Parameters, expected);
}

TEST(ShowProfile, AnUnknownTypeChangesOnlyLabel8) {
  for (int type : {2, 255}) {
    const ProfilePanel panel = ShowProfile(ProfileFrame(static_cast<std::uint8_t>(type), {{0, 150}, {6, 217}}));
    EXPECT_EQ(panel.Label8, "Тип термопрофиля: Ускоренный");
    EXPECT_EQ(panel.GroupBox1Caption, std::nullopt);
    EXPECT_EQ(panel.Parameters, std::nullopt);
  }
}

}  // namespace
