#pragma once
// Date-time values are doubles that count days (1.0 = 24 hours) from 1899-12-30;
// elapsed times are differences of them.
#include <string>

inline constexpr double SecondsPerDay = 86400.0;
inline constexpr long long MillisecondsPerDay = 86400000;
inline constexpr long long UnixEpochDateTimeDay = 25569;  // 1970-01-01 counted from 1899-12-30
inline constexpr double OneSecond = 1.0 / SecondsPerDay;

// "nn:ss" of an elapsed time: rounded to the nearest millisecond, then minutes within the hour
// and seconds, both two digits; hours are dropped (1 h 1 min 5 s reads "01:05").
std::string TimeText(double days);

// The current local date and time as a date-time value, with milliseconds.
double NowLocalDateTime();
