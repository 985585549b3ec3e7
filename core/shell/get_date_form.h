#pragma once
// The date picker: a month calendar with the chosen date shown as "dd/mm/yyyy" and its
// day name. The caller sets the heading and the date, shows the picker and reads `Date()`
// when it closed with OK.

#include <chrono>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/form_host.h"

namespace quenchel {

class GetDateForm final : public Form {
 public:
  static constexpr std::string_view kFormName = "GetDateForm";

  std::string_view FormName() const override { return kFormName; }

  std::string Heading;

  std::chrono::year_month_day Date() const noexcept { return date_; }
  // Dates that do not exist are ignored, so the picker always holds a real date.
  void SetDate(std::chrono::year_month_day date) noexcept;
  void SetToday(const LocalDateTime& now) noexcept;

  // "dd/mm/yyyy" and "Sunday" ... "Saturday" of the chosen date.
  std::string DateText() const;
  std::string DayNameText() const;

  void CalendarClick(std::chrono::year_month_day date) noexcept { SetDate(date); }
  ModalResult OKClick() const noexcept { return ModalResult::OK; }
  ModalResult CancelClick() const noexcept { return ModalResult::Cancel; }

 private:
  std::chrono::year_month_day date_{std::chrono::year{2000}, std::chrono::January, std::chrono::day{1}};
};

}  // namespace quenchel
