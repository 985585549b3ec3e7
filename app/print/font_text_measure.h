#pragma once
// Text widths in a Qt font, for fitting grid columns to what the view shows.

#include <QFont>
#include <QFontMetrics>

#include "print/surface.h"

namespace quenchel {

class FontTextMeasure final : public TextMeasure {
 public:
  explicit FontTextMeasure(const QFont& font) : metrics_(font) {}
  // The advance of the text as the view writes it, in device-independent pixels.
  int TextWidth(std::string_view text) const override;

 private:
  QFontMetrics metrics_;
};

}  // namespace quenchel
