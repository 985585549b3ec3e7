#pragma once
// The main window's measures were drawn for a 96-DPI screen whose interface font was 13
// pixels high. Scaling them by the height of the font in use keeps the proportions on
// any screen, font size and device pixel ratio.

class QWidget;

namespace quenchel {

// The font height of `widget` over the 13-pixel design font.
double LayoutScale(const QWidget& widget);
// A design measure in pixels for `widget`, rounded.
int ScaledPixels(const QWidget& widget, double designPixels);

}  // namespace quenchel
