#include "shell/text_edit_form_view.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/text_codec.h"
#include "shell/dialog_parts.h"
#include "shell/text_edit_form.h"

namespace quenchel {

TextEditFormView::TextEditFormView(TextEditForm& model, QWidget* parent) : ModelDialog(parent), model_(model) {
  auto* layout = new QVBoxLayout(this);
  heading_ = AddHeadingPanel(*layout, this);
  edit_ = new QLineEdit(this);
  edit_->setMinimumWidth(edit_->fontMetrics().averageCharWidth() * 40);
  layout->addWidget(edit_);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = AddButton(*buttons, tr("&O K"), QDialogButtonBox::AcceptRole);
  QPushButton* clear = AddButton(*buttons, tr("&Clear"), QDialogButtonBox::ActionRole);
  layout->addWidget(buttons);

  connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) { model_.Edit = ToCellText(text); });
  connect(edit_, &QLineEdit::returnPressed, this, [this] { Finish(model_.EditKeyPress('\r')); });
  connect(ok, &QPushButton::clicked, this, [this] { Finish(model_.OKClick()); });
  connect(clear, &QPushButton::clicked, this, [this] {
    model_.ClearClick();
    Refresh();
  });
}

void TextEditFormView::Opening() {
  model_.FormActivate();
  Refresh();
}

void TextEditFormView::Refresh() {
  setWindowTitle(FromCellText(model_.Heading));
  heading_->setText(FromCellText(model_.Heading));
  edit_->setText(FromCellText(model_.Edit));
  if (model_.ActiveControl() == TextEditForm::kEditControl) edit_->setFocus();
}

}  // namespace quenchel
