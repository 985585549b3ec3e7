#pragma once
// The date picker's window.

#include "shell/model_dialog.h"

class QCalendarWidget;
class QLabel;

namespace quenchel {

class GetDateForm;

class GetDateFormView final : public ModelDialog {
  Q_OBJECT

 public:
  GetDateFormView(GetDateForm& model, QWidget* parent = nullptr);

 private:
  void Opening() override;
  void Refresh();

  GetDateForm& model_;
  QLabel* heading_;
  QCalendarWidget* calendar_;
  QLabel* dateText_;
  QLabel* dayName_;
};

}  // namespace quenchel
