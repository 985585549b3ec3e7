#pragma once
// The common shape of the views over form models: a modal dialog that forwards the
// user's events to its model and closes with the result the model's handler answers.

#include <QDialog>

#include "platform/form_host.h"

namespace quenchel {

class ModelDialog : public QDialog {
  Q_OBJECT

 public:
  // Runs the dialog modally. Closing it by the window frame or Escape answers Cancel.
  ModalResult Run();

 protected:
  explicit ModelDialog(QWidget* parent, Qt::WindowFlags flags = {});
  // Called just before the dialog opens: the model's activation and the first refresh.
  virtual void Opening() {}
  // Closes with a handler's result; None keeps the dialog open.
  void Finish(ModalResult result);

 private:
  ModalResult result_ = ModalResult::Cancel;
};

}  // namespace quenchel
