#include "shell/get_value_form.h"

#include "shell/whole_number.h"

namespace quenchel {

int GetValueForm::Value() const noexcept { return WholeNumberOrZero(EditValue); }

ModalResult GetValueForm::EditValueKeyPress(char key) const noexcept {
  return key == '\r' ? ModalResult::OK : ModalResult::None;
}

}  // namespace quenchel
