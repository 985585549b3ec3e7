#pragma once
// Shows form models modally through the Qt view registered for each form's name.

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "platform/form_host.h"

namespace quenchel {

class QtFormHost final : public FormHost {
  Q_DECLARE_TR_FUNCTIONS(QtFormHost)

 public:
  // Builds the view over the form, runs it modally over `parent` and answers its result.
  using ShowView = std::function<ModalResult(Form& form, QWidget* parent)>;

  // A later registration under the same name replaces the earlier one.
  void Register(std::string_view formName, ShowView showView);
  bool IsRegistered(std::string_view formName) const;
  void SetParentWindow(QWidget* parent) { parent_ = parent; }

  // A form without a view says so and closes with Cancel.
  ModalResult ShowModal(Form& form) override;

 private:
  std::map<std::string, ShowView, std::less<>> views_;
  QPointer<QWidget> parent_;
};

}  // namespace quenchel
