#include "platform/qt_font_dialog.h"

#include <QFont>
#include <QFontDialog>

#include "platform/text_codec.h"

namespace quenchel {

int ClampFontSize(int size, int minSize, int maxSize) noexcept {
  if (minSize > 0 && size < minSize) return minSize;
  if (maxSize > 0 && size > maxSize) return maxSize;
  return size;
}

std::optional<FontChoice> QtFontDialog::ChooseFont(const FontChoice& initial, int minSize, int maxSize) {
  QFont font(FromCellText(initial.name));
  if (initial.size > 0) font.setPointSize(initial.size);
  font.setBold(initial.bold);
  font.setItalic(initial.italic);
  font.setUnderline(initial.underline);

  bool accepted = false;
  const QFont chosen = QFontDialog::getFont(&accepted, font, parent_);
  if (!accepted) return std::nullopt;

  FontChoice choice;
  choice.name = ToCellText(chosen.family());
  // Qt's dialog has no size limits of its own, so a size outside them is brought back in.
  choice.size = ClampFontSize(chosen.pointSize() > 0 ? chosen.pointSize() : initial.size, minSize, maxSize);
  choice.bold = chosen.bold();
  choice.italic = chosen.italic();
  choice.underline = chosen.underline();
  return choice;
}

}  // namespace quenchel
