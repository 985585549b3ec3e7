#pragma once
// Forms are toolkit-free models; a host shows them modally. The window program's host
// builds the matching view, tests script what the user does.

#include <string_view>

namespace quenchel {

enum class ModalResult { None, OK, Cancel, Yes, No };

class Form {
 public:
  virtual ~Form() = default;
  // The form's class name ("TextEditForm", "TDefaultsForm" ...), which tells a host
  // which view to build.
  virtual std::string_view FormName() const = 0;
};

class FormHost {
 public:
  virtual ~FormHost() = default;
  // Shows the form modally and answers how it was closed.
  virtual ModalResult ShowModal(Form& form) = 0;
};

}  // namespace quenchel
