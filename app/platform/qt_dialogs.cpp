#include "platform/qt_dialogs.h"

#include <QMessageBox>
#include <QTimer>

#include "platform/text_codec.h"

namespace quenchel {

namespace {

void ShowSelfClosingBox(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::NoButton, parent);
  QTimer::singleShot(QtDialogs::kFlashMilliseconds, &box, &QMessageBox::accept);
  box.exec();
}

}  // namespace

bool QtDialogs::AskYesNo(std::string_view caption, std::string_view text) {
  QMessageBox box(QMessageBox::Question, FromCellText(caption), FromCellText(text),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::No);  // closing the box answers No
  box.exec();
  return box.clickedButton() == box.button(QMessageBox::Yes);
}

void QtDialogs::ShowInfo(std::string_view caption, std::string_view text) {
  QMessageBox box(QMessageBox::Information, FromCellText(caption), FromCellText(text), QMessageBox::Ok, parent_);
  box.exec();
}

SaveChoice QtDialogs::AskSaveDiscardCancel(std::string_view caption, std::string_view text) {
  QMessageBox box(QMessageBox::Question, FromCellText(caption), FromCellText(text),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
  box.setDefaultButton(QMessageBox::Save);
  box.setEscapeButton(QMessageBox::Cancel);  // closing the box loses nothing
  box.exec();
  const QAbstractButton* clicked = box.clickedButton();
  if (clicked == box.button(QMessageBox::Save)) return SaveChoice::Save;
  if (clicked == box.button(QMessageBox::Discard)) return SaveChoice::Discard;
  return SaveChoice::Cancel;
}

void QtDialogs::Flash(std::string_view caption, std::string_view text) {
  if (flashPresenter_)
    flashPresenter_(parent_, FromCellText(caption), FromCellText(text));
  else
    ShowSelfClosingBox(parent_, FromCellText(caption), FromCellText(text));
}

}  // namespace quenchel
