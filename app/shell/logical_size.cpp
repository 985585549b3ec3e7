#include "shell/logical_size.h"

#include <QFontMetricsF>
#include <QWidget>
#include <cmath>

namespace quenchel {

namespace {
constexpr double kDesignFontHeight = 13.0;
}

double LayoutScale(const QWidget& widget) { return QFontMetricsF(widget.font()).height() / kDesignFontHeight; }

int ScaledPixels(const QWidget& widget, double designPixels) {
  return static_cast<int>(std::lround(designPixels * LayoutScale(widget)));
}

}  // namespace quenchel
