#pragma once
// Dates as the records hold them and the date picker shows them: "dd/mm/yyyy".

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace quenchel {

// The date a "dd/mm/yyyy" text names; none for any other text or a day that does not
// exist (31/04/2026).
std::optional<std::chrono::year_month_day> ParseDate(std::string_view text);
std::string FormatDate(std::chrono::year_month_day date);
std::chrono::year_month_day AddDays(std::chrono::year_month_day date, int days);
// b minus a, in days.
int DaysBetween(std::chrono::year_month_day a, std::chrono::year_month_day b);

}  // namespace quenchel
