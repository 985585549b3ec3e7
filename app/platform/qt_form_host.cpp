#include "platform/qt_form_host.h"

#include <QMessageBox>

#include "platform/text_codec.h"

namespace quenchel {

void QtFormHost::Register(std::string_view formName, ShowView showView) {
  views_.insert_or_assign(std::string(formName), std::move(showView));
}

bool QtFormHost::IsRegistered(std::string_view formName) const { return views_.find(formName) != views_.end(); }

ModalResult QtFormHost::ShowModal(Form& form) {
  const auto view = views_.find(form.FormName());
  if (view == views_.end()) {
    QMessageBox::information(parent_, tr("Not available yet"), FromCellText(form.FormName()));
    return ModalResult::Cancel;
  }
  // A copy, so that a view registering others while it runs cannot pull the rug.
  const ShowView show = view->second;
  return show(form, parent_);
}

}  // namespace quenchel
