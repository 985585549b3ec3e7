#include "shell/picture_parts.h"

#include <QLinearGradient>
#include <QtMath>
#include <algorithm>

namespace quenchel::pictures {

DesignSpace::DesignSpace(QPainter& painter, const QRectF& area, double designWidth, double designHeight)
    : painter_(painter) {
  painter_.save();
  const double scale = std::min(area.width() / designWidth, area.height() / designHeight);
  painter_.translate(area.center().x() - designWidth * scale / 2, area.center().y() - designHeight * scale / 2);
  painter_.scale(scale, scale);
}

DesignSpace::~DesignSpace() { painter_.restore(); }

namespace {

// The shoe's gap at the heels, in degrees, and the width of its web against its radius.
constexpr double kOpening = 64.0;
constexpr double kWebRatio = 0.36;

QPointF OnEllipse(const QRectF& box, double degrees) {
  const double radians = qDegreesToRadians(degrees);
  return {box.center().x() + box.width() / 2 * std::cos(radians),
          box.center().y() - box.height() / 2 * std::sin(radians)};
}

QRectF Shrunk(const QRectF& box, double fraction) {
  const double dx = box.width() * fraction / 2, dy = box.height() * fraction / 2;
  return box.adjusted(dx, dy, -dx, -dy);
}

}  // namespace

QPainterPath HorseshoePath(const QRectF& bounds) {
  const QRectF outer = bounds;
  const QRectF inner = Shrunk(bounds, kWebRatio);
  const double start = 90.0 + kOpening / 2;
  const double sweep = 360.0 - kOpening;
  QPainterPath path;
  path.arcMoveTo(outer, start);
  path.arcTo(outer, start, sweep);
  // The heels are cut square across the web.
  path.lineTo(OnEllipse(inner, start + sweep));
  path.arcTo(inner, start + sweep, -sweep);
  path.closeSubpath();
  return path;
}

QList<QPointF> HorseshoeNailPoints(const QRectF& bounds) {
  const QRectF nailLine = Shrunk(bounds, kWebRatio / 2);
  QList<QPointF> points;
  for (const double degrees : {150.0, 174.0, 198.0, 222.0, 30.0, 6.0, -18.0, -42.0})
    points << OnEllipse(nailLine, degrees);
  return points;
}

QPainterPath AnvilPath(const QRectF& bounds) {
  // Drawn in a 100 x 56 box, then fitted to the bounds.
  QPainterPath path;
  path.moveTo(0, 7);
  path.quadTo(12, 0, 30, 0);
  path.lineTo(97, 0);
  path.lineTo(97, 12);
  path.quadTo(82, 13, 75, 21);
  path.lineTo(70, 36);
  path.quadTo(72, 44, 87, 47);
  path.lineTo(89, 56);
  path.lineTo(21, 56);
  path.lineTo(23, 47);
  path.quadTo(38, 44, 40, 36);
  path.lineTo(35, 21);
  path.quadTo(26, 13, 12, 11);
  path.quadTo(4, 10, 0, 7);
  path.closeSubpath();
  QTransform fit;
  fit.translate(bounds.left(), bounds.top());
  fit.scale(bounds.width() / 97.0, bounds.height() / 56.0);
  return fit.map(path);
}

QColor Outline(const QColor& fill) { return fill.darker(170); }

void PaintHorseshoe(QPainter& painter, const QRectF& bounds) {
  painter.save();
  const QPainterPath shoe = HorseshoePath(bounds);
  QLinearGradient steel(bounds.topLeft(), bounds.bottomRight());
  steel.setColorAt(0.0, QColor(0xf4, 0xf6, 0xf8));
  steel.setColorAt(0.45, QColor(0xa9, 0xb1, 0xbb));
  steel.setColorAt(1.0, QColor(0x5b, 0x63, 0x6e));
  painter.setPen(QPen(QColor(0x3a, 0x40, 0x48), bounds.width() * 0.025, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(steel);
  painter.drawPath(shoe);

  // The fuller: the groove the nails sit in.
  const QRectF groove = Shrunk(bounds, kWebRatio / 2);
  painter.setPen(QPen(QColor(0x4a, 0x51, 0x5a, 150), bounds.width() * 0.03, Qt::SolidLine, Qt::FlatCap));
  painter.setBrush(Qt::NoBrush);
  const double start = 90.0 + kOpening / 2 + 6;
  painter.drawArc(groove, static_cast<int>(start * 16), static_cast<int>((360.0 - kOpening - 12) * 16));

  const double head = bounds.width() * 0.075;
  painter.setPen(QPen(QColor(0x2b, 0x2f, 0x35), bounds.width() * 0.012));
  for (const QPointF& nail : HorseshoeNailPoints(bounds)) {
    QLinearGradient shine(nail - QPointF(head / 2, head / 2), nail + QPointF(head / 2, head / 2));
    shine.setColorAt(0, QColor(0xe8, 0xc9, 0x8a));
    shine.setColorAt(1, QColor(0x7a, 0x55, 0x22));
    painter.setBrush(shine);
    painter.drawRoundedRect(QRectF(nail.x() - head / 2, nail.y() - head / 2, head, head), head * 0.25, head * 0.25);
  }
  painter.restore();
}

void PaintAnvil(QPainter& painter, const QRectF& bounds) {
  painter.save();
  QLinearGradient iron(bounds.topLeft(), bounds.bottomLeft());
  iron.setColorAt(0.0, QColor(0x6b, 0x72, 0x7c));
  iron.setColorAt(0.25, QColor(0x3d, 0x43, 0x4b));
  iron.setColorAt(1.0, QColor(0x1c, 0x1f, 0x24));
  painter.setPen(QPen(QColor(0x12, 0x14, 0x17), bounds.height() * 0.03, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(iron);
  painter.drawPath(AnvilPath(bounds));

  // Light catching the worked face.
  const double faceY = bounds.top() + bounds.height() * 0.035;
  painter.setPen(QPen(QColor(0xd8, 0xdd, 0xe3, 200), bounds.height() * 0.035, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(bounds.left() + bounds.width() * 0.32, faceY),
                   QPointF(bounds.left() + bounds.width() * 0.97, faceY));
  painter.restore();
}

}  // namespace quenchel::pictures
