#include "cycle/time_text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <string>

namespace {

TEST(TimeText, MinutesAndSecondsWithinTheHour) {
  struct Case { double seconds; const char* text; };
  for (const Case& c : {
           Case{0, "00:00"},
           Case{207, "03:27"},
           Case{59 * 60 + 59.9, "59:59"},   // seconds are truncated
           Case{3600.4, "00:00"},           // the hour is dropped
           Case{3600 + 65, "01:05"},
           Case{59.9996, "01:00"},          // rounded to the millisecond first
           Case{59.9994, "00:59"},
           Case{-5.2, "00:05"},             // a clock set back reads as the magnitude
           Case{1e7 * 86400 + 61, "01:01"}, // far from zero, still exact
       }) {
    EXPECT_EQ(TimeText(c.seconds * OneSecond), c.text) << c.seconds;
  }
  EXPECT_EQ(TimeText(std::numeric_limits<double>::quiet_NaN()), "00:00");
  EXPECT_EQ(TimeText(std::numeric_limits<double>::infinity()), "00:00");
}

std::string Expected(long tenths) {
  const long seconds = tenths / 10 % 3600;
  char text[8];
  std::snprintf(text, sizeof text, "%02ld:%02ld", seconds / 60, seconds % 60);
  return text;
}

// Elapsed times built from 0.1 s steps, summed or as differences of date-times of a real day,
// carry floating error; no whole second may be lost to it.
TEST(TimeText, TenthSecondStepsLoseNoSecond) {
  const double start = 45366.5876;  // 2024-03-15 14:06
  double sum = 0;
  for (long k = 0; k <= 2 * 36000; ++k) {
    ASSERT_EQ(TimeText(sum), Expected(k)) << "sum " << k;
    const double elapsed = (start + k * 0.1 * OneSecond) - start;
    ASSERT_EQ(TimeText(elapsed), Expected(k)) << "difference " << k;
    sum += 0.1 * OneSecond;
  }
}

struct ScopedTimeZone {
  explicit ScopedTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) saved = old, hadZone = true;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~ScopedTimeZone() {
    hadZone ? setenv("TZ", saved.c_str(), 1) : unsetenv("TZ");
    tzset();
  }
  std::string saved;
  bool hadZone = false;
};

double UnixMillisecondsNow() {
  using namespace std::chrono;
  return static_cast<double>(
      duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count());
}

TEST(NowLocalDateTime, CountsLocalDaysFrom1899) {
  for (const auto& [zone, offsetHours] : {std::pair{"UTC0", 0}, std::pair{"MSK-3", 3},
                                          std::pair{"EST5", -5}}) {
    ScopedTimeZone tz(zone);
    const double before = UnixMillisecondsNow();
    const double now = NowLocalDateTime();
    const double after = UnixMillisecondsNow();
    const auto toDays = [&](double ms) { return 25569 + (ms + offsetHours * 3600000.0) / 86400000.0; };
    EXPECT_GE(now, toDays(before) - 1e-9) << zone;
    EXPECT_LE(now, toDays(after) + 1e-9) << zone;
    // Whole milliseconds.
    const double ms = (now - std::floor(now)) * 86400000.0;
    EXPECT_NEAR(ms, std::round(ms), 1e-3) << zone;
  }
}

}  // namespace
