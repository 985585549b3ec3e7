#include "shell/question_radio_form_view.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/text_codec.h"
#include "shell/dialog_parts.h"
#include "shell/question_radio_form.h"

namespace quenchel {

QuestionRadioFormView::QuestionRadioFormView(QuestionRadioForm& model, QWidget* parent)
    : ModelDialog(parent), model_(model) {
  static_assert(std::tuple_size_v<decltype(choices_)> == QuestionRadioForm::kMaxChoices);
  auto* layout = new QVBoxLayout(this);
  rg_Options_ = new QGroupBox(this);
  auto* group = new QButtonGroup(this);
  auto* inside = new QVBoxLayout(rg_Options_);
  for (int i = 0; i < QuestionRadioForm::kMaxChoices; ++i) {
    auto* choice = new QRadioButton(rg_Options_);
    group->addButton(choice, i + 1);
    inside->addWidget(choice);
    choices_[static_cast<std::size_t>(i)] = choice;
  }
  rg_Options_->setMinimumWidth(rg_Options_->fontMetrics().averageCharWidth() * 40);
  layout->addWidget(rg_Options_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = AddButton(*buttons, tr("&OK"), QDialogButtonBox::AcceptRole);
  layout->addWidget(buttons);

  connect(group, &QButtonGroup::idClicked, this, [this](int number) { model_.rg_OptionsClick(number); });
  connect(ok, &QPushButton::clicked, this, [this] { Finish(model_.OKClick()); });
}

void QuestionRadioFormView::Opening() {
  setWindowTitle(FromCellText(model_.Caption));
  rg_Options_->setTitle(FromCellText(model_.Question));
  // An unchecked model needs every button unchecked, which an exclusive group refuses.
  QButtonGroup* group = choices_.front()->group();
  group->setExclusive(false);
  for (int number = 1; number <= QuestionRadioForm::kMaxChoices; ++number) {
    QRadioButton* choice = choices_[static_cast<std::size_t>(number - 1)];
    choice->setText(FromCellText(model_.ChoiceText(number)));
    choice->setVisible(model_.ChoiceVisible(number));
    choice->setChecked(model_.Answer() == number);
  }
  group->setExclusive(true);
}

}  // namespace quenchel
