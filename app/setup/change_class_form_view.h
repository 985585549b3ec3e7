#pragma once
// The change-class form's window: a drop-down list of the class names and OK.

#include "shell/model_dialog.h"

class QComboBox;

namespace quenchel {

class TChangeClassForm;

class ChangeClassFormView final : public ModelDialog {
  Q_OBJECT

 public:
  ChangeClassFormView(TChangeClassForm& model, QWidget* parent = nullptr);

 private:
  void Opening() override;
  // The model's choices, with its text shown; no change is reported back meanwhile.
  void ShowChoices();

  TChangeClassForm& model_;
  QComboBox* activeClassCB_;
};

}  // namespace quenchel
