#pragma once
// Registers a view class for the form model it shows.

#include "platform/qt_form_host.h"

namespace quenchel {

// The host builds a `View` over the `Model` for every modal showing of a form with the
// model's name.
template <class View, class Model>
void RegisterView(QtFormHost& host) {
  host.Register(Model::kFormName, [](Form& form, QWidget* parent) {
    View view(dynamic_cast<Model&>(form), parent);
    return view.Run();
  });
}

}  // namespace quenchel
