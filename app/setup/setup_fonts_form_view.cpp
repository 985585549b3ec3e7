#include "setup/setup_fonts_form_view.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "platform/text_codec.h"
#include "setup/setup_fonts_form.h"
#include "shell/dialog_parts.h"

namespace quenchel {

namespace {

QLineEdit* NewShownField(QWidget* parent, int characters) {
  auto* field = new QLineEdit(parent);
  field->setReadOnly(true);
  field->setMinimumWidth(field->fontMetrics().averageCharWidth() * characters);
  return field;
}

// Colour lists take typed names too, and never add them to their entries.
QComboBox* NewColourList(QWidget* parent, const std::vector<std::string>& names) {
  auto* list = new QComboBox(parent);
  list->setEditable(true);
  list->setInsertPolicy(QComboBox::NoInsert);
  for (const std::string& name : names) list->addItem(FromCellText(name));
  return list;
}

void ShowText(QComboBox& list, const std::string& text) {
  const QSignalBlocker quiet(list);
  list.setEditText(FromCellText(text));
}

}  // namespace

SetUpFontsFormView::SetUpFontsFormView(TSetUpFontsForm& model, QWidget* parent)
    : ModelDialog(parent), model_(model) {
  setWindowTitle(FromCellText(TSetUpFontsForm::kCaption));
  auto* layout = new QVBoxLayout(this);

  auto* web = new QGroupBox(FromCellText(TSetUpFontsForm::kWebGroup), this);
  auto* webFields = new QFormLayout(web);
  auto* webFontButton = new QPushButton(FromCellText(TSetUpFontsForm::kWebFontButton), web);
  webFontButton->setAutoDefault(false);
  webFontName_ = NewShownField(web, 24);
  webFontSize_ = NewShownField(web, 4);
  auto* webFont = new QHBoxLayout;
  webFont->addWidget(webFontName_, 1);
  webFont->addWidget(webFontSize_);
  webFields->addRow(webFontButton, webFont);
  fontColour_ = NewColourList(web, model_.FontColourItems());
  backColour_ = NewColourList(web, model_.BackColourItems());
  webFields->addRow(FromCellText(TSetUpFontsForm::kFontColourLabel), fontColour_);
  webFields->addRow(FromCellText(TSetUpFontsForm::kBackColourLabel), backColour_);
  layout->addWidget(web);

  auto* printed = new QGroupBox(FromCellText(TSetUpFontsForm::kPrintGroup), this);
  auto* printedFields = new QFormLayout(printed);
  auto* printFontButton = new QPushButton(FromCellText(TSetUpFontsForm::kPrintFontButton), printed);
  printFontButton->setAutoDefault(false);
  printFontName_ = NewShownField(printed, 24);
  printFontSize_ = NewShownField(printed, 4);
  auto* printFont = new QHBoxLayout;
  printFont->addWidget(printFontName_, 1);
  printFont->addWidget(printFontSize_);
  printedFields->addRow(printFontButton, printFont);
  layout->addWidget(printed);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = AddButton(*buttons, tr("&OK"), QDialogButtonBox::AcceptRole);
  QPushButton* cancel = AddButton(*buttons, tr("&Cancel"), QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);

  connect(webFontButton, &QPushButton::clicked, this, [this] {
    model_.btnWebpageFontClick();
    Refresh();
  });
  connect(printFontButton, &QPushButton::clicked, this, [this] {
    model_.btnPrintedFontClick();
    Refresh();
  });
  connect(fontColour_, &QComboBox::editTextChanged, this,
          [this](const QString& text) { model_.cbFontColourChange(ToCellText(text)); });
  connect(backColour_, &QComboBox::editTextChanged, this,
          [this](const QString& text) { model_.cbBackColourChange(ToCellText(text)); });
  connect(ok, &QPushButton::clicked, this, [this] { Finish(model_.OKClick()); });
  connect(cancel, &QPushButton::clicked, this, [this] { Finish(model_.CancelClick()); });
}

void SetUpFontsFormView::Opening() {
  model_.FormShow();
  Refresh();
}

void SetUpFontsFormView::Refresh() {
  webFontName_->setText(FromCellText(model_.WebFontName()));
  webFontSize_->setText(FromCellText(model_.WebFontSize()));
  ShowText(*fontColour_, model_.FontColour());
  ShowText(*backColour_, model_.BackColour());
  printFontName_->setText(FromCellText(model_.PrintFontName()));
  printFontSize_->setText(FromCellText(model_.PrintFontSize()));
}

}  // namespace quenchel
