#include "setup/class_rounds_table.h"

#include <algorithm>
#include <cstdio>

#include "store/date_values.h"
#include "store/time_values.h"

namespace quenchel {

namespace {

constexpr int kMinutesPerDay = 24 * 60;
// A change-over is written "hh:mm" with two hour digits, so it reaches at most 99:59.
constexpr int kLongestChangeOver = 99 * 60 + 59;

std::string HoursAndMinutes(int minutes) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d", minutes / 60, minutes % 60);
  return buffer;
}

std::string DateTime(std::chrono::year_month_day date, std::string_view time) {
  return FormatDate(date) + " " + std::string(time);
}

}  // namespace

void SetRoundRows(Grid& grid, int rounds) {
  grid.SetColCount(rounds_col::kCount);
  grid.SetRowCount(rounds + 1);
  grid.SetFixedRows(1);
  for (int column = 0; column < rounds_col::kCount; ++column)
    grid.SetCell(column, 0, kRoundsHeadings[static_cast<std::size_t>(column)]);
  for (int row = 1; row <= rounds; ++row) grid.SetCell(rounds_col::kRound, row, std::to_string(row));
}

void RecalculateRounds(Grid& grid, const RoundTimes& times) {
  const int last = grid.RowCount() - 1;
  std::optional<std::chrono::year_month_day> date = ParseDate(times.classDate);
  std::string start = times.firstStart;
  for (int row = 1; row <= last; ++row) {
    if (row > 1) start = std::string(grid.Cell(rounds_col::kStart, row));
    if (start.empty()) break;
    if (grid.Cell(rounds_col::kChangeOver, row).empty() && row != last)
      grid.SetCell(rounds_col::kChangeOver, row, times.defaultChangeOver);
    const std::string changeOver(grid.Cell(rounds_col::kChangeOver, row));
    const std::string finish = TimeSum24(start, times.duration);
    grid.SetCell(rounds_col::kStart, row, start);
    grid.SetCell(rounds_col::kFinish, row, finish);
    if (!date) continue;
    const int startAt = ClockMinutes(start);
    const int finishAt = startAt + ClockMinutes(times.duration);
    const auto startDate = AddDays(*date, startAt / kMinutesPerDay);
    grid.SetCell(rounds_col::kEndDateTime, row, DateTime(AddDays(*date, finishAt / kMinutesPerDay), finish));
    grid.SetCell(rounds_col::kStartDateTime, row, DateTime(startDate, start));
    grid.SetCell(rounds_col::kDate, row, FormatDate(startDate));
    if (row < last) grid.SetCell(rounds_col::kStart, row + 1, TimeSum24(finish, changeOver));
    date = AddDays(*date, (finishAt + ClockMinutes(changeOver)) / kMinutesPerDay);
  }
  if (last >= 1) grid.SetCell(rounds_col::kChangeOver, last, "");
}

int MinutesAfterRoundBefore(const Grid& grid, int row, std::string_view start, std::string_view date,
                            std::string_view duration) {
  const int before = row - 1;
  const auto beforeDate = ParseDate(grid.Cell(rounds_col::kDate, before));
  const auto ownDate = ParseDate(date);
  // Far-apart dates only need to stay far apart; the bound keeps the minutes in range.
  const int days = beforeDate && ownDate ? std::clamp(DaysBetween(*beforeDate, *ownDate), -1000, 1000) : 0;
  const int beforeFinish = ClockMinutes(grid.Cell(rounds_col::kStart, before)) + ClockMinutes(duration);
  return days * kMinutesPerDay + ClockMinutes(start) - beforeFinish;
}

std::optional<std::string> ChangeOverText(int minutes) {
  if (minutes < 0 || minutes > kLongestChangeOver) return std::nullopt;
  return HoursAndMinutes(minutes);
}

}  // namespace quenchel
