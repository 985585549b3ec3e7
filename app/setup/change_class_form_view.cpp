#include "setup/change_class_form_view.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "platform/text_codec.h"
#include "setup/change_class_form.h"
#include "shell/dialog_parts.h"

namespace quenchel {

ChangeClassFormView::ChangeClassFormView(TChangeClassForm& model, QWidget* parent)
    : ModelDialog(parent), model_(model) {
  setWindowTitle(FromCellText(TChangeClassForm::kCaption));
  auto* layout = new QVBoxLayout(this);

  // Not editable: the class is chosen from the list, so a half-typed name never counts
  // as a choice.
  activeClassCB_ = new QComboBox(this);
  activeClassCB_->setObjectName(QStringLiteral("ActiveClassCB"));
  activeClassCB_->setEditable(false);
  activeClassCB_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  activeClassCB_->setMinimumWidth(activeClassCB_->fontMetrics().averageCharWidth() * 40);
  layout->addWidget(activeClassCB_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = AddButton(*buttons, FromCellText(TChangeClassForm::kOKButton), QDialogButtonBox::AcceptRole);
  layout->addWidget(buttons);

  connect(activeClassCB_, &QComboBox::currentTextChanged, this,
          [this](const QString& text) { model_.ActiveClassCBChange(ToCellText(text)); });
  connect(ok, &QPushButton::clicked, this, [this] { Finish(model_.OKClick()); });
}

void ChangeClassFormView::Opening() {
  model_.FormActivate();
  ShowChoices();
}

void ChangeClassFormView::ShowChoices() {
  const QSignalBlocker quiet(activeClassCB_);
  activeClassCB_->clear();
  for (const std::string& name : model_.ActiveClassCB.Items) activeClassCB_->addItem(FromCellText(name));
  activeClassCB_->setCurrentIndex(activeClassCB_->findText(FromCellText(model_.ActiveClassCB.Text), Qt::MatchExactly));
}

}  // namespace quenchel
