#pragma once
// The Active Report window: the report title in a heading panel over the results grid,
// and the button row (Change Report, Printers, Print Preview, Save as Webpage, Close).

#include <functional>

#include "shell/model_dialog.h"

class QLabel;

namespace quenchel {

class GridView;
class TActiveReportGridForm;

class ActiveReportFormView final : public ModelDialog {
  Q_OBJECT

 public:
  ActiveReportFormView(TActiveReportGridForm& model, QWidget* parent = nullptr);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Opening() override;
  // Runs a model event and shows the outcome.
  void Forward(const std::function<void()>& event);
  void ShowModelState();

  TActiveReportGridForm& model_;
  QLabel* heading_;
  GridView* grid_;
};

}  // namespace quenchel
