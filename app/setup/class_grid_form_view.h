#pragma once
// The class list's window: the long names of the classes in one column, with Add, Edit,
// Delete and Close.

#include <functional>

#include "shell/model_dialog.h"

class QPushButton;

namespace quenchel {

class GridView;
class TClassGridForm;

class ClassGridFormView final : public ModelDialog {
  Q_OBJECT

 public:
  ClassGridFormView(TClassGridForm& model, QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Opening() override;
  // Runs a model event with the grid's current client width and shows the outcome.
  void Forward(const std::function<void()>& event);
  void ShowModelState();

  TClassGridForm& model_;
  GridView* grid_;
  QPushButton* add_;
  QPushButton* edit_;
  QPushButton* delete_;
};

}  // namespace quenchel
