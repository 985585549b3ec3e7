#pragma once
// The multiple-choice question's window.

#include <array>

#include "shell/model_dialog.h"

class QGroupBox;
class QRadioButton;

namespace quenchel {

class QuestionRadioForm;

class QuestionRadioFormView final : public ModelDialog {
  Q_OBJECT

 public:
  QuestionRadioFormView(QuestionRadioForm& model, QWidget* parent = nullptr);

 private:
  void Opening() override;

  QuestionRadioForm& model_;
  QGroupBox* rg_Options_;
  std::array<QRadioButton*, 4> choices_{};
};

}  // namespace quenchel
