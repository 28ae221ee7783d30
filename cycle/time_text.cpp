#include "cycle/time_text.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace {

constexpr double MillisecondsPerHour = 3600000.0;

// Days from 1970-01-01 to the given date of the proleptic Gregorian calendar (H. Hinnant's
// days_from_civil).
long long DaysFromCivil(int year, unsigned month, unsigned day) {
  year -= month <= 2;
  const long long era = (year >= 0 ? year : year - 399) / 400;
  const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<long long>(dayOfEra) - 719468;
}

}  // namespace

std::string TimeText(double days) {
  // A negative elapsed time (the clock was set back) reads as its magnitude; only the time
  // within the hour is shown, so taking it modulo one hour keeps huge values exact.
  const double magnitude = std::isfinite(days) ? std::fabs(days) : 0.0;
  const auto ms = static_cast<int>(std::fmod(std::round(magnitude * static_cast<double>(MillisecondsPerDay)),
                                             MillisecondsPerHour));
  const int minutes = ms / 60000;
  const int seconds = ms / 1000 % 60;
  return {static_cast<char>('0' + minutes / 10), static_cast<char>('0' + minutes % 10), ':',
          static_cast<char>('0' + seconds / 10), static_cast<char>('0' + seconds % 10)};
}

double NowLocalDateTime() {
  using namespace std::chrono;
  const auto now = time_point_cast<milliseconds>(system_clock::now());
  const std::time_t seconds = system_clock::to_time_t(time_point_cast<std::chrono::seconds>(now));
  std::tm local{};
  localtime_r(&seconds, &local);
  const long long day = DaysFromCivil(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                                      static_cast<unsigned>(local.tm_mday)) +
                        UnixEpochDateTimeDay;
  const long long millisecond = now.time_since_epoch().count() % 1000;
  const long long msOfDay =
      ((local.tm_hour * 60LL + local.tm_min) * 60 + local.tm_sec) * 1000 + millisecond;
  return static_cast<double>(day) + static_cast<double>(msOfDay) / static_cast<double>(MillisecondsPerDay);
}
