#pragma once
// The number prompt's window.

#include "shell/model_dialog.h"

class QFormLayout;
class QLabel;
class QLineEdit;

namespace quenchel {

class GetValueForm;

class GetValueFormView final : public ModelDialog {
  Q_OBJECT

 public:
  GetValueFormView(GetValueForm& model, QWidget* parent = nullptr);

 private:
  void Opening() override;

  GetValueForm& model_;
  QLabel* heading_;
  QLabel* inputText_;
  QLineEdit* editValue_;
  QLineEdit* forgeTitles_;
  QFormLayout* fields_;
};

}  // namespace quenchel
