#pragma once
// The one-line text prompt's window.

#include "shell/model_dialog.h"

class QLabel;
class QLineEdit;

namespace quenchel {

class TextEditForm;

class TextEditFormView final : public ModelDialog {
  Q_OBJECT

 public:
  TextEditFormView(TextEditForm& model, QWidget* parent = nullptr);

 private:
  void Opening() override;
  void Refresh();

  TextEditForm& model_;
  QLabel* heading_;
  QLineEdit* edit_;
};

}  // namespace quenchel
