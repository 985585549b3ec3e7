#pragma once
// The schedules' fonts form window.

#include "shell/model_dialog.h"

class QComboBox;
class QLineEdit;

namespace quenchel {

class TSetUpFontsForm;

class SetUpFontsFormView final : public ModelDialog {
  Q_OBJECT

 public:
  SetUpFontsFormView(TSetUpFontsForm& model, QWidget* parent = nullptr);

 private:
  void Opening() override;
  void Refresh();

  TSetUpFontsForm& model_;
  QLineEdit* webFontName_;
  QLineEdit* webFontSize_;
  QComboBox* fontColour_;
  QComboBox* backColour_;
  QLineEdit* printFontName_;
  QLineEdit* printFontSize_;
};

}  // namespace quenchel
