#pragma once
// The main window's Fonts command: the font of printed grids.

namespace quenchel {

class Competition;
class FontDialog;

// Opens the font dialog on the printed font; a confirmed choice becomes the printed font.
void ChoosePrintFont(Competition& competition, FontDialog& fonts);

}  // namespace quenchel
