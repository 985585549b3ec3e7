#include "print/font_text_measure.h"

#include "platform/text_codec.h"

namespace quenchel {

int FontTextMeasure::TextWidth(std::string_view text) const {
  return text.empty() ? 0 : metrics_.horizontalAdvance(FromCellText(text));
}

}  // namespace quenchel
