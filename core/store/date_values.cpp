#include "store/date_values.h"

#include <cstdio>

namespace quenchel {

namespace {

bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

int Digits(std::string_view text) noexcept {
  int value = 0;
  for (const char c : text) value = value * 10 + (c - '0');
  return value;
}

}  // namespace

std::optional<std::chrono::year_month_day> ParseDate(std::string_view text) {
  if (text.size() != 10 || text[2] != '/' || text[5] != '/') return std::nullopt;
  for (const std::size_t i : {0u, 1u, 3u, 4u, 6u, 7u, 8u, 9u})
    if (!IsDigit(text[i])) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year{Digits(text.substr(6, 4))},
                                         std::chrono::month{static_cast<unsigned>(Digits(text.substr(3, 2)))},
                                         std::chrono::day{static_cast<unsigned>(Digits(text.substr(0, 2)))}};
  if (!date.ok()) return std::nullopt;
  return date;
}

std::string FormatDate(std::chrono::year_month_day date) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02u/%02u/%04d", static_cast<unsigned>(date.day()),
                static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
  return buffer;
}

std::chrono::year_month_day AddDays(std::chrono::year_month_day date, int days) {
  return std::chrono::year_month_day{std::chrono::sys_days{date} + std::chrono::days{days}};
}

int DaysBetween(std::chrono::year_month_day a, std::chrono::year_month_day b) {
  return static_cast<int>((std::chrono::sys_days{b} - std::chrono::sys_days{a}).count());
}

}  // namespace quenchel
