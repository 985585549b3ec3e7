// Clock-time arithmetic, time checks and day names.

#include "store/time_values.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string_view>

namespace quenchel {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;
using std::chrono::year_month_day;

struct TimePair {
  std::string_view a;
  std::string_view b;
  std::string_view expected;
};

TEST(TimeDifference, SignedHoursAndMinutesOfAMinusB) {
  const TimePair cases[] = {
      {"10:30", "09:00", "+01:30"}, {"09:00", "10:30", "-01:30"}, {"08:00", "08:00", "+00:00"},
      {"00:10", "23:50", "-23:40"}, {"23:59", "00:00", "+23:59"}, {"10:00", "09:59", "+00:01"},
      {"09:59", "10:00", "-00:01"},  // under an hour: the sign still shows
      {"99:99", "00:00", "+100:39"},  // digits are read as they stand
  };
  for (const TimePair& c : cases) EXPECT_EQ(TimeDifference(c.a, c.b), c.expected) << c.a << " - " << c.b;
}

TEST(TimeSum24, WrapsHoursIntoOneDay) {
  const TimePair cases[] = {
      {"23:30", "01:15", "00:45"}, {"12:00", "12:00", "00:00"}, {"10:20", "01:50", "12:10"},
      {"23:59", "23:59", "23:58"}, {"00:00", "00:00", "00:00"}, {"11:45", "00:15", "12:00"},
  };
  for (const TimePair& c : cases) EXPECT_EQ(TimeSum24(c.a, c.b), c.expected) << c.a << " + " << c.b;
}

TEST(TimeSum, KeepsHoursBeyondOneDay) {
  const TimePair cases[] = {
      {"23:30", "01:15", "24:45"}, {"12:00", "12:00", "24:00"}, {"10:20", "01:50", "12:10"},
      {"11:45", "00:15", "12:00"}, {"99:59", "99:59", "199:58"},
  };
  for (const TimePair& c : cases) EXPECT_EQ(TimeSum(c.a, c.b), c.expected) << c.a << " + " << c.b;
}

TEST(ClockTimes, MissingOrNonDigitCharactersReadAsZero) {
  EXPECT_EQ(ClockMinutes("09:05"), 9 * 60 + 5);
  EXPECT_EQ(ClockMinutes(""), 0);
  EXPECT_EQ(ClockMinutes("ab:cd"), 0);
  EXPECT_EQ(ClockMinutes("12:5"), 12 * 60 + 50);  // the 5 stands in the tens of minutes
  EXPECT_EQ(ClockMinutes(" 9:30"), 9 * 60 + 30);
  EXPECT_EQ(ClockMinutes("1"), 10 * 60);
  EXPECT_EQ(ClockMinutes("1230"), 12 * 60);  // position 2 is skipped whatever it holds
  EXPECT_EQ(TimeDifference("ab:cd", "00:01"), "-00:01");
  EXPECT_EQ(TimeSum("", "x1:3"), "01:30");
  EXPECT_EQ(TimeSum24("9:30", ""), "18:00");  // unchecked "9:30" reads as 90:00
}

TEST(IsValidTime, NeedsAColonThirdAndHoursAndMinutesInRange) {
  struct Case {
    std::string_view text;
    bool valid;
  };
  const Case cases[] = {
      {"00:00", true},  {"23:59", true},  {"09:05", true},  {" 9:30", true},  {"ab:cd", true},
      {"12:5", true},   {"12:", true},    {"+1:30", true},  {"12:05 pm", true},
      {"24:00", false}, {"12:60", false}, {"1200", false},  {"9:30", false},  {"", false},
      {"1:", false},    {"-1:00", false}, {"12:-5", false}, {"99:00", false}, {"12:99", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsValidTime(c.text), c.valid) << "\"" << c.text << "\"";
}

TEST(DayName, NamesTheWeekdayOfARealDate) {
  struct Case {
    year_month_day date;
    std::string_view name;
  };
  const Case cases[] = {
      {year(2024) / month(1) / day(1), "Monday"},     {year(2024) / month(2) / day(29), "Thursday"},
      {year(2000) / month(1) / day(1), "Saturday"},   {year(1999) / month(12) / day(31), "Friday"},
      {year(2023) / month(6) / day(4), "Sunday"},     {year(2023) / month(6) / day(6), "Tuesday"},
      {year(2023) / month(6) / day(7), "Wednesday"},
  };
  for (const Case& c : cases) EXPECT_EQ(DayName(c.date), c.name);
}

TEST(DayName, IsEmptyForADateThatDoesNotExist) {
  EXPECT_EQ(DayName(year(2023) / month(2) / day(29)), "");
  EXPECT_EQ(DayName(year(2023) / month(13) / day(1)), "");
  EXPECT_EQ(DayName(year(2023) / month(4) / day(31)), "");
  EXPECT_EQ(DayName(year(2023) / month(1) / day(0)), "");
}

}  // namespace
}  // namespace quenchel
