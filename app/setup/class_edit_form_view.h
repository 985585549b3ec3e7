#pragma once
// The class form's window: the six steps as tabs, each showing the model's controls, with
// OK and Close under them. Every user event goes to the model; the window then shows the
// model's state again.

#include <array>
#include <functional>

#include "setup/class_edit_form.h"
#include "shell/model_dialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace quenchel {

class GridView;

class ClassEditFormView final : public ModelDialog {
  Q_OBJECT

 public:
  ClassEditFormView(TClassEditForm& model, QWidget* parent = nullptr);

  QTabWidget& Steps() const noexcept { return *steps_; }

 public Q_SLOTS:
  // Escape and the window frame close the form as Close does.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* BuildNameStep();
  QWidget* BuildFieldsStep();
  QWidget* BuildRoundsStep();
  QWidget* BuildForgesStep();
  QWidget* BuildHorsesStep();
  QWidget* BuildSummaryStep();
  QLineEdit* AddEdit(QWidget* page, int maxLength, std::string* text);
  QPushButton* AddSettingButton(QWidget* page, const QString& caption, void (TClassEditForm::*click)());
  GridView* AddGrid(QWidget* page, Grid& grid);

  void Opening() override;
  // Runs a model event and shows the outcome.
  void Forward(const std::function<void()>& event);
  // Everything but the step, which only the tabs and the model's refusals change.
  void ShowModelState();
  void ShowStep(int page);
  void FocusActiveControl();
  // A field was left: the model's check runs once, not again for the focus changes its
  // message box causes.
  void Left(QObject* field);

  TClassEditForm& model_;
  QTabWidget* steps_ = nullptr;
  QLineEdit* className_ = nullptr;
  QLineEdit* shortClassName_ = nullptr;
  QComboBox* location_ = nullptr;
  QLineEdit* noScoreFields_ = nullptr;
  std::array<QLabel*, TClassEditForm::kMaxScoreFields> fieldLabels_{};
  std::array<QLineEdit*, TClassEditForm::kMaxScoreFields> fields_{};
  GridView* roundsGrid_ = nullptr;
  GridView* forgesGrid_ = nullptr;
  GridView* horsesGrid_ = nullptr;
  GridView* sumGrid_ = nullptr;
  QLabel* dispRounds_ = nullptr;
  QLabel* duration_ = nullptr;
  QLabel* noComps_ = nullptr;
  QLabel* prepTime_ = nullptr;
  QLabel* startTime_ = nullptr;
  QLabel* changeOverTime_ = nullptr;
  QLabel* date_ = nullptr;
  QLabel* dayName_ = nullptr;
  QCheckBox* autoUpDate_ = nullptr;
  QLabel* dispForges_ = nullptr;
  QLabel* forgeTitles_ = nullptr;
  QLabel* dispHorses_ = nullptr;
  QCheckBox* footOrder_ = nullptr;
  QLabel* horsesRequired_ = nullptr;
  bool checking_ = false;
  bool backToName_ = false;
};

}  // namespace quenchel
