#pragma once
// Clock times "hh:mm" and day names. The time operations read the digits at positions 0,
// 1 (hours) and 3, 4 (minutes) and do not check the text; callers check typed times with
// IsValidTime first.

#include <chrono>
#include <string>
#include <string_view>

namespace quenchel {

// Minutes since midnight of an "hh:mm" text; a missing or non-digit character reads 0.
int ClockMinutes(std::string_view time) noexcept;

// a minus b as "+hh:mm" or "-hh:mm".
std::string TimeDifference(std::string_view a, std::string_view b);
// a plus b as "hh:mm", hours wrapped into 0..23.
std::string TimeSum24(std::string_view a, std::string_view b);
// a plus b as "hh:mm", hours not wrapped ("24:45").
std::string TimeSum(std::string_view a, std::string_view b);
// True for a time whose third character is ':' with hours 0..23 and minutes 0..59, each
// read from its leading digits (so " 9:30" and "12:5" are valid, "9:30" is not).
bool IsValidTime(std::string_view text);

// "Sunday" ... "Saturday"; empty when the date is not a real date.
std::string DayName(std::chrono::year_month_day date);

}  // namespace quenchel
