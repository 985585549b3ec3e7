#include "setup/defaults_form_view.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/text_codec.h"
#include "setup/defaults_form.h"
#include "shell/dialog_parts.h"

namespace quenchel {

namespace {

constexpr std::array kPrecisions{ScorePrecision::WholeNumbers, ScorePrecision::OneDecimal,
                                 ScorePrecision::TwoDecimals};
static_assert(kPrecisions.size() == TDefaultsForm::kPrecisionTexts.size());

}  // namespace

DefaultsFormView::DefaultsFormView(TDefaultsForm& model, QWidget* parent) : ModelDialog(parent), model_(model) {
  setWindowTitle(FromCellText(TDefaultsForm::kCaption));
  auto* layout = new QVBoxLayout(this);

  auto* competitors = new QGroupBox(FromCellText(TDefaultsForm::kCompetitorsGroup), this);
  auto* competitorFields = new QFormLayout(competitors);
  editLowestCompNo_ = new QLineEdit(competitors);
  editLowestCompNo_->setMaximumWidth(editLowestCompNo_->fontMetrics().averageCharWidth() * 12);
  competitorFields->addRow(FromCellText(TDefaultsForm::kLowestCompNoLabel), editLowestCompNo_);
  competitorFields->addRow(new QLabel(FromCellText(TDefaultsForm::kLowestCompNoNote), competitors));
  layout->addWidget(competitors);

  auto* scores = new QGroupBox(FromCellText(TDefaultsForm::kScoresGroup), this);
  auto* scoreChoices = new QVBoxLayout(scores);
  auto* group = new QButtonGroup(this);
  for (std::size_t i = 0; i < kPrecisions.size(); ++i) {
    precisions_[i] = new QRadioButton(FromCellText(TDefaultsForm::kPrecisionTexts[i]), scores);
    group->addButton(precisions_[i], static_cast<int>(i));
    scoreChoices->addWidget(precisions_[i]);
  }
  scoreChoices->addWidget(new QLabel(FromCellText(TDefaultsForm::kPrecisionNote), scores));
  layout->addWidget(scores);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* cancel = AddButton(*buttons, tr("&Cancel"), QDialogButtonBox::RejectRole);
  QPushButton* ok = AddButton(*buttons, tr("&OK"), QDialogButtonBox::AcceptRole);
  layout->addWidget(buttons);

  connect(editLowestCompNo_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.EditLowestCompNo = ToCellText(text); });
  connect(group, &QButtonGroup::idClicked, this,
          [this](int index) { model_.PrecisionClick(kPrecisions[static_cast<std::size_t>(index)]); });
  connect(ok, &QPushButton::clicked, this, [this] { Finish(model_.OKClick()); });
  connect(cancel, &QPushButton::clicked, this, [this] { Finish(model_.CancelClick()); });
}

void DefaultsFormView::Opening() {
  model_.FormActivate();
  editLowestCompNo_->setText(FromCellText(model_.EditLowestCompNo));
  // A stored format that matches no button leaves all three unchecked.
  QButtonGroup* group = precisions_.front()->group();
  group->setExclusive(false);
  for (std::size_t i = 0; i < kPrecisions.size(); ++i)
    precisions_[i]->setChecked(model_.CheckedPrecision == kPrecisions[i]);
  group->setExclusive(true);
}

}  // namespace quenchel
