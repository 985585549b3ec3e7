#pragma once
// The time picker's window.

#include "shell/model_dialog.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace quenchel {

class TTimeForm;

class TimeFormView final : public ModelDialog {
  Q_OBJECT

 public:
  TimeFormView(TTimeForm& model, QWidget* parent = nullptr);

 private:
  void Opening() override;
  void Refresh();
  void Picked(QListWidget& list, void (TTimeForm::*click)(int));

  TTimeForm& model_;
  QLabel* pnlTop_;
  QLineEdit* time_;
  QListWidget* hoursLB_;
  QListWidget* minsLB_;
  QLabel* lblDayHourMinute_;
};

}  // namespace quenchel
