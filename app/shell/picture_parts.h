#pragma once
// Shapes and helpers shared by the painted pictures.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

namespace quenchel::pictures {

// Maps a design box of `designWidth` x `designHeight` units into `area`, centred and with
// its proportions kept, and restores the painter when it goes out of scope.
class DesignSpace {
 public:
  DesignSpace(QPainter& painter, const QRectF& area, double designWidth, double designHeight);
  ~DesignSpace();
  DesignSpace(const DesignSpace&) = delete;
  DesignSpace& operator=(const DesignSpace&) = delete;

 private:
  QPainter& painter_;
};

// A horseshoe standing on its toe, open at the top, inside `bounds`.
QPainterPath HorseshoePath(const QRectF& bounds);
// Where its nail holes sit: four along each branch, none at the toe.
QList<QPointF> HorseshoeNailPoints(const QRectF& bounds);
// An anvil seen from the side, horn to the left, filling `bounds`.
QPainterPath AnvilPath(const QRectF& bounds);

// A polished-steel horseshoe with its nails.
void PaintHorseshoe(QPainter& painter, const QRectF& bounds);
// A forged-iron anvil with a light edge along its face.
void PaintAnvil(QPainter& painter, const QRectF& bounds);

// An outline colour a little darker than `fill`, for crisp edges at small sizes.
QColor Outline(const QColor& fill);

}  // namespace quenchel::pictures
