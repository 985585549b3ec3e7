#include "shell/picture_widget.h"

#include <QPainter>

namespace quenchel {

PictureWidget::PictureWidget(Painting painting, QWidget* parent) : QWidget(parent), painting_(std::move(painting)) {}

void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painting_(painter, QRectF(rect()));
}

}  // namespace quenchel
