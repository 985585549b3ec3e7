#pragma once
// Open and save dialogs as Qt file dialogs.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <string_view>

#include "platform/file_dialogs.h"

namespace quenchel {

// "Name(*.FCR)|*.FCR|Any file|*.*" in Qt's form, "Name (*.FCR *.fcr);;Any file (*)": a
// pattern in the name is dropped (the pattern itself decides what is listed), patterns
// separated by ';' are separated by blanks, an upper-case pattern also lists its
// lower-case twin because file names here are case-sensitive, and "*.*" lists every file.
QString ToQtFileFilter(std::string_view filter);

class QtFileDialogs final : public FileDialogs {
 public:
  void SetParentWindow(QWidget* parent) { parent_ = parent; }

  std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFile(const FileDialogRequest& request) override;

 private:
  std::optional<std::string> Ask(const FileDialogRequest& request, bool save);
  QPointer<QWidget> parent_;
};

}  // namespace quenchel
