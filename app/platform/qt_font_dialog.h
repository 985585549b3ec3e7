#pragma once
// The font dialog as Qt's font dialog.

#include <QPointer>
#include <QWidget>

#include "platform/font_dialog.h"

namespace quenchel {

// The size kept within minSize..maxSize; a limit of 0 is no limit.
int ClampFontSize(int size, int minSize, int maxSize) noexcept;

class QtFontDialog final : public FontDialog {
 public:
  void SetParentWindow(QWidget* parent) { parent_ = parent; }
  std::optional<FontChoice> ChooseFont(const FontChoice& initial, int minSize, int maxSize) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace quenchel
