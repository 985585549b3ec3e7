#pragma once
// The list inspection view's window: the three titles of the shown list over its grid,
// a button per list, and Sort, Print, Printer Setup and OK.

#include <array>
#include <functional>
#include <optional>

#include "print/font_text_measure.h"
#include "shell/model_dialog.h"

class QLabel;

namespace quenchel {

class GridView;
class TScoreClassForm;

class ScoreClassFormView final : public ModelDialog {
  Q_OBJECT

 public:
  ScoreClassFormView(TScoreClassForm& model, QWidget* parent = nullptr);

 private:
  void Opening() override;
  // Runs a model event with the grid's current client width and shows the outcome.
  void Forward(const std::function<void()>& event);
  void ShowModelState();

  TScoreClassForm& model_;
  std::array<QLabel*, 3> titles_{};
  GridView* grid_;
  std::optional<FontTextMeasure> measure_;
};

}  // namespace quenchel
