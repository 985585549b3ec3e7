#pragma once
// The number prompt. The caller sets the heading, the caption label and the value (and,
// for forges, shows the forge-title field), shows the prompt and reads `Value()`.

#include <string>
#include <string_view>

#include "platform/form_host.h"

namespace quenchel {

class GetValueForm final : public Form {
 public:
  static constexpr std::string_view kFormName = "GetValueForm";
  static constexpr std::string_view kCaption = "Input";
  static constexpr std::string_view kForgeTitlesLabel = "Type of Forge";

  std::string_view FormName() const override { return kFormName; }

  std::string Caption{kCaption};
  std::string Heading;
  std::string InputText;  // the caption label beside the value
  std::string EditValue;
  std::string ForgeTitles;
  bool ForgeTitlesVisible = false;

  // The typed value; text that is not a whole number gives 0.
  int Value() const noexcept;
  void SetValue(int value) { EditValue = std::to_string(value); }

  // Enter in the value closes the prompt.
  ModalResult EditValueKeyPress(char key) const noexcept;
  ModalResult OKClick() const noexcept { return ModalResult::OK; }
  ModalResult CancelClick() const noexcept { return ModalResult::Cancel; }
};

}  // namespace quenchel
