#include "store/time_values.h"

#include <array>
#include <cstdio>
#include <cstdlib>

#include "store/cell_text.h"

namespace quenchel {

namespace {

int DigitAt(std::string_view text, std::size_t i) noexcept {
  return i < text.size() && text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : 0;
}
int Hours(std::string_view t) noexcept { return DigitAt(t, 0) * 10 + DigitAt(t, 1); }
int Minutes(std::string_view t) noexcept { return DigitAt(t, 3) * 10 + DigitAt(t, 4); }

std::string TwoByTwo(const char* format, int hours, int minutes) {
  std::array<char, 32> buffer{};
  std::snprintf(buffer.data(), buffer.size(), format, hours, minutes);
  return buffer.data();
}

}  // namespace

int ClockMinutes(std::string_view time) noexcept { return Hours(time) * 60 + Minutes(time); }

std::string TimeDifference(std::string_view a, std::string_view b) {
  const int difference = ClockMinutes(a) - ClockMinutes(b);
  const char sign = ClockMinutes(b) > ClockMinutes(a) ? '-' : '+';
  return sign + TwoByTwo("%02d:%02d", std::abs(difference / 60), std::abs(difference % 60));
}

std::string TimeSum24(std::string_view a, std::string_view b) {
  const int total = ClockMinutes(a) + ClockMinutes(b);
  int hours = total / 60;
  if (hours > 23) hours %= 24;
  return TwoByTwo("%02d:%02d", hours, total % 60);
}

std::string TimeSum(std::string_view a, std::string_view b) {
  int minutes = Minutes(a) + Minutes(b);
  int carry = 0;
  if (minutes > 59) {
    carry = 1;
    minutes -= 60;
  }
  return TwoByTwo("%02d:%02d", Hours(a) + Hours(b) + carry, minutes);
}

bool IsValidTime(std::string_view text) {
  if (text.size() < 3 || text[2] != ':') return false;
  const int hours = ReadInt(text.substr(0, 2));
  const int minutes = ReadInt(text.substr(3));
  return hours >= 0 && hours <= 23 && minutes >= 0 && minutes <= 59;
}

std::string DayName(std::chrono::year_month_day date) {
  if (!date.ok()) return {};
  static constexpr std::array<const char*, 7> kNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                        "Thursday", "Friday", "Saturday"};
  return kNames[std::chrono::weekday(std::chrono::sys_days(date)).c_encoding()];
}

}  // namespace quenchel
