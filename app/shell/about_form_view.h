#pragma once
// The about box's window.

#include "shell/model_dialog.h"

namespace quenchel {

class About1;

class AboutFormView final : public ModelDialog {
  Q_OBJECT

 public:
  AboutFormView(About1& model, QWidget* parent = nullptr);
};

}  // namespace quenchel
