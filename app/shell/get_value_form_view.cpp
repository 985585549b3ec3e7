#include "shell/get_value_form_view.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/text_codec.h"
#include "shell/dialog_parts.h"
#include "shell/get_value_form.h"

namespace quenchel {

GetValueFormView::GetValueFormView(GetValueForm& model, QWidget* parent) : ModelDialog(parent), model_(model) {
  auto* layout = new QVBoxLayout(this);
  heading_ = AddHeadingPanel(*layout, this);

  auto* fields = new QFormLayout;
  fields_ = fields;
  inputText_ = new QLabel(this);
  editValue_ = new QLineEdit(this);
  editValue_->setMinimumWidth(editValue_->fontMetrics().averageCharWidth() * 12);
  fields->addRow(inputText_, editValue_);
  forgeTitles_ = new QLineEdit(this);
  forgeTitles_->setMinimumWidth(forgeTitles_->fontMetrics().averageCharWidth() * 30);
  fields->addRow(FromCellText(GetValueForm::kForgeTitlesLabel), forgeTitles_);
  layout->addLayout(fields);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = AddButton(*buttons, tr("&O K"), QDialogButtonBox::AcceptRole);
  QPushButton* cancel = AddButton(*buttons, tr("&Cancel"), QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);

  connect(editValue_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.EditValue = ToCellText(text); });
  connect(editValue_, &QLineEdit::returnPressed, this, [this] { Finish(model_.EditValueKeyPress('\r')); });
  connect(forgeTitles_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.ForgeTitles = ToCellText(text); });
  connect(ok, &QPushButton::clicked, this, [this] { Finish(model_.OKClick()); });
  connect(cancel, &QPushButton::clicked, this, [this] { Finish(model_.CancelClick()); });
}

void GetValueFormView::Opening() {
  setWindowTitle(FromCellText(model_.Caption));
  heading_->setText(FromCellText(model_.Heading));
  inputText_->setText(FromCellText(model_.InputText));
  editValue_->setText(FromCellText(model_.EditValue));
  forgeTitles_->setText(FromCellText(model_.ForgeTitles));
  fields_->setRowVisible(forgeTitles_, model_.ForgeTitlesVisible);
  editValue_->selectAll();
  editValue_->setFocus();
}

}  // namespace quenchel
