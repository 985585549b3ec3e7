#pragma once
// The defaults form's window.

#include <array>

#include "shell/model_dialog.h"

class QLineEdit;
class QRadioButton;

namespace quenchel {

class TDefaultsForm;

class DefaultsFormView final : public ModelDialog {
  Q_OBJECT

 public:
  DefaultsFormView(TDefaultsForm& model, QWidget* parent = nullptr);

 private:
  void Opening() override;

  TDefaultsForm& model_;
  QLineEdit* editLowestCompNo_;
  std::array<QRadioButton*, 3> precisions_{};
};

}  // namespace quenchel
