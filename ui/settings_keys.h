#pragma once
// Param.ini: one section with the chosen serial port and the interface level.
#include <string>

inline const std::string SettingsSection = "Настройки";
inline const std::string PortKey = "Порт_подключения";
inline const std::string InterfaceLevelKey = "Сложность_интерфейса";
