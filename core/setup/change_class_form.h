#pragma once
// The change-class form: a combo box of the class names chooses the active class that
// scoring, scheduling, labels and judges' sheets work on.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form_host.h"

namespace quenchel {

class Competition;
class Dialogs;

class TChangeClassForm final : public Form {
 public:
  static constexpr std::string_view kFormName = "TChangeClassForm";
  static constexpr std::string_view kCaption = "Change Class";
  static constexpr std::string_view kOKButton = "OK";

  // `showActiveClass` refreshes the main window's heading for the current ActiveClass.
  TChangeClassForm(Competition& competition, Dialogs& dialogs, std::function<void()> showActiveClass);

  std::string_view FormName() const override { return kFormName; }

  // The combo box: its choices, in alphabetical order, and the name it shows.
  struct ComboBox {
    std::vector<std::string> Items;
    std::string Text;
  };
  ComboBox ActiveClassCB;

  // Every activation: fills the choices, makes the first class active when none is and
  // shows the active class.
  void FormActivate();
  // The combo's text changed to `text`: the class of that name becomes active.
  void ActiveClassCBChange(std::string_view text);
  ModalResult OKClick() const noexcept { return ModalResult::OK; }

 private:
  // Makes the class named in the combo active; answers whether there was one.
  bool SelectShownClass();

  Competition& competition_;
  Dialogs& dialogs_;
  std::function<void()> showActiveClass_;
};

}  // namespace quenchel
