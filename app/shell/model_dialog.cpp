#include "shell/model_dialog.h"

namespace quenchel {

ModelDialog::ModelDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {}

ModalResult ModelDialog::Run() {
  result_ = ModalResult::Cancel;
  Opening();
  exec();
  return result_;
}

void ModelDialog::Finish(ModalResult result) {
  if (result == ModalResult::None) return;
  result_ = result;
  done(result == ModalResult::Cancel || result == ModalResult::No ? QDialog::Rejected : QDialog::Accepted);
}

}  // namespace quenchel
