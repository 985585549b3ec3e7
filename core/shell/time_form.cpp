#include "shell/time_form.h"

#include <array>
#include <cstdio>

#include "store/cell_text.h"

namespace quenchel {

namespace {

std::string TwoDigits(int value) {
  std::array<char, 16> text{};
  std::snprintf(text.data(), text.size(), "%02d", value);
  return text.data();
}

std::vector<std::string> TwoDigitEntries(int count) {
  std::vector<std::string> entries;
  entries.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) entries.push_back(TwoDigits(i));
  return entries;
}

bool Picks(const std::vector<std::string>& entries, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < entries.size();
}

}  // namespace

void TTimeForm::FormShow() {
  hours_ = TwoDigitEntries(kHourEntries);
  minutes_ = TwoDigitEntries(kMinuteEntries);
  hourIndex_ = -1;
  minuteIndex_ = -1;
  // Read by position: the first two characters are the hours, the minutes start at the
  // fourth, so "8:30" reads as 8 hours and 0 minutes.
  const std::string_view picked = PickedTime;
  hourText_ = TwoDigits(ReadInt(picked.substr(0, 2)));
  minuteText_ = TwoDigits(picked.size() > 3 ? ReadInt(picked.substr(3)) : 0);
  time_ = hourText_ + ":" + minuteText_;
  RefreshSummary();
}

void TTimeForm::HoursLBClick(int index) {
  if (!Picks(hours_, index)) return;
  hourIndex_ = index;
  hourText_ = hours_[static_cast<std::size_t>(index)];
  ShowTime();
}

void TTimeForm::MinsLBClick(int index) {
  if (!Picks(minutes_, index)) return;
  minuteIndex_ = index;
  minuteText_ = minutes_[static_cast<std::size_t>(index)];
  ShowTime();
}

void TTimeForm::ShowTime() {
  PickedTime = hourText_ + ":" + minuteText_;
  time_ = PickedTime;
  RefreshSummary();
}

void TTimeForm::RefreshSummary() {
  const int hours = ReadInt(hourText_);
  days_ = static_cast<std::int16_t>(hours / 24);
  hoursOfDay_ = static_cast<std::int16_t>(hours % 24);
  minutesOfHour_ = static_cast<std::int16_t>(ReadInt(minuteText_));
  summary_ = std::to_string(days_) + " Day(s),   " + std::to_string(hoursOfDay_) + ":" + std::to_string(minutesOfHour_);
}

}  // namespace quenchel
