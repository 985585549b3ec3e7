#include "shell/get_date_form.h"

#include "store/time_values.h"

namespace quenchel {

void GetDateForm::SetDate(std::chrono::year_month_day date) noexcept {
  if (date.ok()) date_ = date;
}

void GetDateForm::SetToday(const LocalDateTime& now) noexcept {
  SetDate(std::chrono::year{now.year} / now.month / now.day);
}

std::string GetDateForm::DateText() const {
  LocalDateTime when;
  when.year = static_cast<int>(date_.year());
  when.month = static_cast<int>(static_cast<unsigned>(date_.month()));
  when.day = static_cast<int>(static_cast<unsigned>(date_.day()));
  return FormatDate(when);
}

std::string GetDateForm::DayNameText() const { return DayName(date_); }

}  // namespace quenchel
