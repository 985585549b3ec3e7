#include "shell/get_date_form.h"

#include "store/date_values.h"
#include "store/time_values.h"

namespace quenchel {

void GetDateForm::SetDate(std::chrono::year_month_day date) noexcept {
  if (date.ok()) date_ = date;
}

void GetDateForm::SetToday(const LocalDateTime& now) noexcept {
  SetDate(std::chrono::year{now.year} / now.month / now.day);
}

std::string GetDateForm::DateText() const { return FormatDate(date_); }

std::string GetDateForm::DayNameText() const { return DayName(date_); }

}  // namespace quenchel
