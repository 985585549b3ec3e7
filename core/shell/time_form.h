#pragma once
// The time picker: an hour list (00 to 96) and a minute list (00 to 59) that build an
// "hh:mm" text, with a summary of the days, hours and minutes it stands for.
//
// The caller sets `PickedTime` (and may set the caption and `pnlTopCaption`), shows the
// picker and reads `PickedTime` back, however the picker was closed: every click already
// updates it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form_host.h"

namespace quenchel {

class TTimeForm final : public Form {
 public:
  static constexpr std::string_view kFormName = "TTimeForm";
  static constexpr std::string_view kCaption = "Time";
  static constexpr int kHourEntries = 97;  // "00" to "96"
  static constexpr int kMinuteEntries = 60;

  std::string_view FormName() const override { return kFormName; }

  std::string PickedTime;
  std::string Caption{kCaption};
  std::string pnlTopCaption{kCaption};  // callers put their prompt here

  // Fills the lists, reads `PickedTime` and refreshes the field and the summary.
  void FormShow();
  // A click on the entry at `index` of either list; indexes outside the list are ignored.
  void HoursLBClick(int index);
  void MinsLBClick(int index);
  ModalResult OKClick() const noexcept { return ModalResult::OK; }

  const std::string& Time() const noexcept { return time_; }
  const std::vector<std::string>& HoursLB() const noexcept { return hours_; }
  const std::vector<std::string>& MinsLB() const noexcept { return minutes_; }
  // The selected entry of each list, -1 when none is.
  int HoursLBIndex() const noexcept { return hourIndex_; }
  int MinsLBIndex() const noexcept { return minuteIndex_; }

  const std::string& lblDayHourMinute() const noexcept { return summary_; }
  std::int16_t DayCount() const noexcept { return days_; }
  std::int16_t HourCount() const noexcept { return hoursOfDay_; }
  std::int16_t MinuteCount() const noexcept { return minutesOfHour_; }

 private:
  void ShowTime();
  void RefreshSummary();

  std::vector<std::string> hours_;
  std::vector<std::string> minutes_;
  int hourIndex_ = -1;
  int minuteIndex_ = -1;
  std::string hourText_ = "00";
  std::string minuteText_ = "00";
  std::string time_;
  std::string summary_;
  std::int16_t days_ = 0;
  std::int16_t hoursOfDay_ = 0;
  std::int16_t minutesOfHour_ = 0;
};

}  // namespace quenchel
