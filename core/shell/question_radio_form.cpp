#include "shell/question_radio_form.h"

#include <algorithm>

namespace quenchel {

void QuestionRadioForm::SetChoiceCount(int count) noexcept {
  choiceCount_ = std::clamp(count, 1, kMaxChoices);
  if (!ChoiceVisible(checked_)) checked_ = 0;
}

void QuestionRadioForm::SetChoiceText(int number, std::string_view text) {
  if (number >= 1 && number <= kMaxChoices) choiceTexts_[static_cast<std::size_t>(number - 1)] = text;
}

std::string_view QuestionRadioForm::ChoiceText(int number) const noexcept {
  if (number < 1 || number > kMaxChoices) return {};
  return choiceTexts_[static_cast<std::size_t>(number - 1)];
}

void QuestionRadioForm::rg_OptionsClick(int number) noexcept {
  if (ChoiceVisible(number)) checked_ = number;
}

}  // namespace quenchel
