#include "shell/text_edit_form.h"

namespace quenchel {

void TextEditForm::FormActivate() { activeControl_ = kEditControl; }

void TextEditForm::ClearClick() {
  Edit.clear();
  activeControl_ = kEditControl;
}

ModalResult TextEditForm::EditKeyPress(char key) const noexcept {
  return key == '\r' ? ModalResult::OK : ModalResult::None;
}

}  // namespace quenchel
