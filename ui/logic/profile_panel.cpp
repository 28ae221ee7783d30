#include "ui/logic/profile_panel.h"

#include "device/packets.h"

namespace {
std::string Text(const char* prefix, unsigned value, const char* unit) {
  return prefix + std::to_string(value) + unit;
}

std::array<ParameterLabel, 7> StandardParameters(const ProfilePacket& p) {
  return {{{Text("Ta = ", p.Word(0), " °C"), "Температура активации флюса"},
           {Text("ta = ", p.Word(4), " c"), "Время выдержки активации флюса"},
           {Text("Tп = ", p.Word(6), " °C"), "Температура плавления припоя"},
           {Text("tп = ", p.Word(10), " c"), "Время выдержки плавления припоя"},
           {Text("To = ", p.Word(12), " °C"), "Тампература охлаждения"},  // the controller's own spelling
           {},
           {}}};
}

std::array<ParameterLabel, 7> DryingParameters(const ProfilePacket& p) {
  return {{{Text("Tс = ", p.Word(0), " °C"), "Температура сушки"},
           {Text("tс = ", p.Word(4) / 60u, " м"), "Время сушки"},  // seconds shown as whole minutes
           {},
           {},
           {},
           {},
           {}}};
}

std::array<ParameterLabel, 7> AcceleratedParameters(const ProfilePacket& p) {
  return {{{Text("Vн = ", p.Word(2), " °C/м"), "Скорость нагрева начальной температуры"},
           {Text("Tн = ", p.Word(0), " °C"), "Температура начальная"},
           {Text("Va = ", p.Word(8), " °C/м"), "Скорость нагрева флюса"},
           {Text("Ta = ", p.Word(6), " °C"), "Температура активации флюса"},
           {Text("Vп = ", p.Word(14), " °C/м"), "Скорость нагрева до Tп"},
           {Text("Tп = ", p.Word(12), " °C"), "Температура плавления припоя"},
           {Text("To = ", p.Word(18), " °C"), "Температура охлаждения"}}};
}
}  // namespace

std::string ShowProfileType(std::uint8_t profileType) {
  return profileType == 0 ? "Тип термопрофиля: Стандартный" : "Тип термопрофиля: Ускоренный";
}

ProfilePanel ShowProfile(const FrameBuffer& frame) {
  const ProfilePacket packet{frame};
  ProfilePanel panel{ShowProfileType(packet.ProfileType()), std::nullopt, std::nullopt};
  switch (packet.Kind()) {
    case ProfileKind::Standard:
      panel.GroupBox1Caption = " Параметры ТП: Стандарт. ";
      panel.Parameters = StandardParameters(packet);
      break;
    case ProfileKind::Drying:
      panel.Label8 = "Тип термопрофиля: Сушка";
      panel.GroupBox1Caption = " Параметры ТП: Сушка ";
      panel.Parameters = DryingParameters(packet);
      break;
    case ProfileKind::Accelerated:
      panel.GroupBox1Caption = " Параметры ТП: Ускорен. ";
      panel.Parameters = AcceleratedParameters(packet);
      break;
    case ProfileKind::Unknown:
      break;
  }
  return panel;
}
