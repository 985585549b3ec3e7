#pragma once
// The multiple-choice question: up to four radio buttons in a group captioned with the
// question. The answer is the number (1 to 4) of the checked choice.

#include <array>
#include <string>
#include <string_view>

#include "platform/form_host.h"

namespace quenchel {

class QuestionRadioForm final : public Form {
 public:
  static constexpr std::string_view kFormName = "QuestionRadioForm";
  static constexpr std::string_view kCaption = "Question?";
  static constexpr int kMaxChoices = 4;

  std::string_view FormName() const override { return kFormName; }

  std::string Caption{kCaption};
  std::string Question;  // the caption of the radio group `rg_Options`

  // Shows choices 1..count (clamped to 1..4) and hides the others; a checked choice that
  // becomes hidden is unchecked.
  void SetChoiceCount(int count) noexcept;
  int ChoiceCount() const noexcept { return choiceCount_; }
  bool ChoiceVisible(int number) const noexcept { return number >= 1 && number <= choiceCount_; }

  // Choice texts by number 1..4; other numbers are ignored or read empty.
  void SetChoiceText(int number, std::string_view text);
  std::string_view ChoiceText(int number) const noexcept;

  // The checked choice, 0 when none is; checking a hidden choice does nothing.
  void rg_OptionsClick(int number) noexcept;
  int Answer() const noexcept { return checked_; }

  ModalResult OKClick() const noexcept { return ModalResult::OK; }

 private:
  std::array<std::string, kMaxChoices> choiceTexts_;
  int choiceCount_ = kMaxChoices;
  int checked_ = 0;
};

}  // namespace quenchel
