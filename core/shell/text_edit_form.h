#pragma once
// The one-line text prompt. The caller sets the heading and the text, shows the prompt
// and reads `Edit` afterwards; there is no cancel.

#include <string>
#include <string_view>

#include "platform/form_host.h"

namespace quenchel {

class TextEditForm final : public Form {
 public:
  static constexpr std::string_view kFormName = "TextEditForm";
  static constexpr std::string_view kDefaultHeading = "Enter Text";
  static constexpr std::string_view kEditControl = "Edit";

  std::string_view FormName() const override { return kFormName; }

  std::string Heading{kDefaultHeading};
  std::string Edit;

  // The control that holds the cursor; the view moves the focus there after each event.
  std::string_view ActiveControl() const noexcept { return activeControl_; }

  void FormActivate();
  // Empties the edit and puts the cursor back into it.
  void ClearClick();
  // Enter closes the prompt with the typed text; other keys just type.
  ModalResult EditKeyPress(char key) const noexcept;
  ModalResult OKClick() const noexcept { return ModalResult::OK; }

 private:
  std::string_view activeControl_;
};

}  // namespace quenchel
