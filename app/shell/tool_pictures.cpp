// The five tool-bar pictures, each drawn in a 64 x 64 design box.

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <array>

#include "shell/picture_parts.h"
#include "shell/pictures.h"

namespace quenchel::pictures {

namespace {

constexpr double kBox = 64.0;
const QColor kInk(0x2b, 0x2f, 0x36);

QPen InkPen(double width = 1.6) { return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

QPointF OnCircle(const QPointF& centre, double radius, double degrees) {
  const double radians = qDegreesToRadians(degrees);
  return centre + QPointF(std::cos(radians), -std::sin(radians)) * radius;
}

// A curved arrow along a circle, turning clockwise from `fromDegrees` by `sweepDegrees`.
void PaintCircularArrow(QPainter& painter, const QPointF& centre, double radius, double fromDegrees,
                        double sweepDegrees, const QColor& colour) {
  const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
  QPainterPath arc;
  arc.arcMoveTo(circle, fromDegrees);
  arc.arcTo(circle, fromDegrees, -sweepDegrees);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Outline(colour), 7.2, Qt::SolidLine, Qt::FlatCap));
  painter.drawPath(arc);
  painter.setPen(QPen(colour, 4.8, Qt::SolidLine, Qt::FlatCap));
  painter.drawPath(arc);

  // The head points along the circle, clockwise.
  const double end = fromDegrees - sweepDegrees;
  const QPointF tip = OnCircle(centre, radius, end - 14);
  const QPointF outer = OnCircle(centre, radius + 7, end + 1);
  const QPointF inner = OnCircle(centre, radius - 7, end + 1);
  painter.setPen(QPen(Outline(colour), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(colour);
  painter.drawPolygon(QPolygonF({tip, outer, inner}));
}

// A class crest: a shield bearing a small horseshoe, with two arrows turning round it.
void PaintChangeClass(QPainter& painter) {
  const QPointF centre(32, 32);
  PaintCircularArrow(painter, centre, 25, 160, 115, QColor(0x2f, 0x74, 0xd0));
  PaintCircularArrow(painter, centre, 25, -20, 115, QColor(0x2f, 0x74, 0xd0));

  QPainterPath shield;
  shield.moveTo(20, 17);
  shield.lineTo(44, 17);
  shield.lineTo(44, 32);
  shield.quadTo(43, 43, 32, 49);
  shield.quadTo(21, 43, 20, 32);
  shield.closeSubpath();
  QLinearGradient green(20, 17, 44, 49);
  green.setColorAt(0, QColor(0x5c, 0xc0, 0x6a));
  green.setColorAt(1, QColor(0x23, 0x7a, 0x35));
  painter.setPen(InkPen(1.4));
  painter.setBrush(green);
  painter.drawPath(shield);
  painter.fillRect(QRectF(20.7, 17.7, 22.6, 5), QColor(0xf2, 0xc2, 0x30));
  painter.setPen(InkPen(1.0));
  painter.drawLine(QPointF(20.7, 22.7), QPointF(43.3, 22.7));
  PaintHorseshoe(painter, QRectF(26.5, 25, 11, 13));
}

// A calendar page with a clock in front of it.
void PaintSchedule(QPainter& painter) {
  const QRectF page(6, 11, 46, 43);
  painter.setPen(InkPen());
  painter.setBrush(QColor(0xfd, 0xfd, 0xfb));
  painter.drawRoundedRect(page, 4, 4);
  QPainterPath header;
  header.addRoundedRect(page, 4, 4);
  painter.save();
  painter.setClipRect(QRectF(page.left(), page.top(), page.width(), 11));
  painter.fillPath(header, QColor(0xd6, 0x45, 0x3a));
  painter.restore();
  painter.drawRoundedRect(page, 4, 4);
  painter.drawLine(QPointF(page.left(), page.top() + 11), QPointF(page.right(), page.top() + 11));

  painter.setBrush(QColor(0x8b, 0x93, 0x9e));
  for (const double x : {17.0, 41.0}) painter.drawRoundedRect(QRectF(x - 2.5, 6, 5, 10), 2.5, 2.5);

  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 4; ++column) {
      const QRectF cell(10 + column * 10, 26 + row * 8.6, 7, 6);
      const bool today = row == 1 && column == 1;
      painter.fillRect(cell, today ? QColor(0xf0, 0x8a, 0x24) : QColor(0xc9, 0xd3, 0xe0));
    }

  const QPointF hub(47, 46);
  QRadialGradient face(hub - QPointF(3, 3), 15);
  face.setColorAt(0, Qt::white);
  face.setColorAt(1, QColor(0xdd, 0xe6, 0xf2));
  painter.setPen(QPen(QColor(0x1f, 0x5f, 0xb8), 3.2));
  painter.setBrush(face);
  painter.drawEllipse(hub, 13, 13);
  painter.setPen(InkPen(1.2));
  for (int hour = 0; hour < 12; hour += 3)
    painter.drawLine(OnCircle(hub, 9.2, hour * 30), OnCircle(hub, 11, hour * 30));
  painter.setPen(InkPen(2.2));
  painter.drawLine(hub, OnCircle(hub, 6, 120));
  painter.setPen(InkPen(1.5));
  painter.drawLine(hub, OnCircle(hub, 9, 20));
  painter.setBrush(kInk);
  painter.drawEllipse(hub, 1.3, 1.3);
}

void PaintTag(QPainter& painter, const QColor& fill, bool withText) {
  QPainterPath tag;
  tag.moveTo(4, 20);
  tag.lineTo(15, 8);
  tag.lineTo(46, 8);
  tag.quadTo(50, 8, 50, 12);
  tag.lineTo(50, 28);
  tag.quadTo(50, 32, 46, 32);
  tag.lineTo(15, 32);
  tag.closeSubpath();
  QPainterPath hole;
  hole.addEllipse(QPointF(14, 20), 3, 3);
  QLinearGradient shade(0, 8, 0, 32);
  shade.setColorAt(0, fill.lighter(118));
  shade.setColorAt(1, fill.darker(110));
  painter.setPen(InkPen(1.5));
  painter.setBrush(shade);
  painter.drawPath(tag.subtracted(hole));
  if (!withText) return;
  painter.setPen(QPen(QColor(0x5a, 0x3a, 0x10), 2.4, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(23, 15.5), QPointF(44, 15.5));
  painter.drawLine(QPointF(23, 21), QPointF(40, 21));
  painter.drawLine(QPointF(23, 26.5), QPointF(36, 26.5));
}

// Two luggage tags on a string, one behind the other.
void PaintLabels(QPainter& painter) {
  painter.save();
  painter.translate(10, 30);
  painter.rotate(-24);
  PaintTag(painter, QColor(0x9c, 0xc9, 0xf0), false);
  painter.restore();

  painter.save();
  painter.translate(8, 26);
  painter.rotate(12);
  PaintTag(painter, QColor(0xf7, 0xc8, 0x4a), true);
  painter.restore();

  QPainterPath string;
  string.moveTo(22, 33);
  string.cubicTo(10, 30, 6, 44, 14, 52);
  string.cubicTo(20, 58, 30, 56, 34, 60);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0xb0, 0x30, 0x28), 1.8, Qt::SolidLine, Qt::RoundCap));
  painter.drawPath(string);
}

// A clipboard holding a marking sheet, and a pencil.
void PaintJudgesSheet(QPainter& painter) {
  QLinearGradient wood(10, 8, 50, 60);
  wood.setColorAt(0, QColor(0xc8, 0x8a, 0x4c));
  wood.setColorAt(1, QColor(0x8a, 0x52, 0x22));
  painter.setPen(InkPen());
  painter.setBrush(wood);
  painter.drawRoundedRect(QRectF(9, 8, 40, 52), 4, 4);
  painter.setBrush(QColor(0xfe, 0xfe, 0xfc));
  painter.drawRect(QRectF(13, 14, 32, 42));

  for (int line = 0; line < 5; ++line) {
    const double y = 22 + line * 6.5;
    painter.setPen(InkPen(1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(16, y - 2.2, 4.4, 4.4));
    painter.setPen(QPen(QColor(0x8a, 0x96, 0xa6), 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(23, y), QPointF(line % 2 == 0 ? 41 : 37, y));
  }

  QLinearGradient metal(22, 4, 36, 14);
  metal.setColorAt(0, QColor(0xf0, 0xf2, 0xf5));
  metal.setColorAt(1, QColor(0x84, 0x8c, 0x97));
  painter.setPen(InkPen(1.4));
  painter.setBrush(metal);
  QPainterPath clip;
  clip.addRoundedRect(QRectF(20, 5, 18, 11), 3, 3);
  QPainterPath eye;
  eye.addEllipse(QPointF(29, 8.5), 2.2, 2.2);
  painter.drawPath(clip.subtracted(eye));

  // The pencil, lying across the sheet's corner.
  painter.save();
  painter.translate(52, 30);
  painter.rotate(58);
  const QRectF body(0, -3.6, 26, 7.2);
  QLinearGradient yellow(0, -3.6, 0, 3.6);
  yellow.setColorAt(0, QColor(0xff, 0xd8, 0x4d));
  yellow.setColorAt(1, QColor(0xe0, 0x9a, 0x12));
  painter.setPen(InkPen(1.2));
  painter.setBrush(yellow);
  painter.drawRect(body);
  painter.setBrush(QColor(0xf2, 0x8f, 0xa0));
  painter.drawRoundedRect(QRectF(-6, -3.6, 6, 7.2), 1.8, 1.8);
  painter.setBrush(QColor(0xb9, 0xbe, 0xc6));
  painter.drawRect(QRectF(-1.5, -3.6, 3, 7.2));
  painter.setBrush(QColor(0xf1, 0xd3, 0xa6));
  painter.drawPolygon(QPolygonF({QPointF(26, -3.6), QPointF(35, 0), QPointF(26, 3.6)}));
  painter.setBrush(kInk);
  painter.drawPolygon(QPolygonF({QPointF(32, -1.2), QPointF(35, 0), QPointF(32, 1.2)}));
  painter.restore();
}

// A prize rosette: pleated ring, gold centre with a star, two tails.
void PaintScores(QPainter& painter) {
  const QPointF centre(32, 25);
  const QColor blue(0x25, 0x5c, 0xc2);
  for (const auto& [x, angle] : {std::pair{23.0, 16.0}, {41.0, -16.0}}) {
    painter.save();
    painter.translate(x, 36);
    painter.rotate(angle);
    QPainterPath tail;
    tail.moveTo(-5.5, 0);
    tail.lineTo(5.5, 0);
    tail.lineTo(5.5, 24);
    tail.lineTo(0, 19.5);
    tail.lineTo(-5.5, 24);
    tail.closeSubpath();
    painter.setPen(InkPen(1.3));
    painter.setBrush(blue.darker(115));
    painter.drawPath(tail);
    painter.restore();
  }

  QPainterPath pleats;
  constexpr int kPleats = 14;
  for (int i = 0; i <= kPleats * 2; ++i) {
    const QPointF point = OnCircle(centre, i % 2 == 0 ? 21 : 17.5, i * 180.0 / kPleats);
    if (i == 0) pleats.moveTo(point);
    else pleats.lineTo(point);
  }
  pleats.closeSubpath();
  QRadialGradient satin(centre, 21);
  satin.setColorAt(0.6, blue.lighter(135));
  satin.setColorAt(1.0, blue);
  painter.setPen(InkPen(1.3));
  painter.setBrush(satin);
  painter.drawPath(pleats);

  QRadialGradient gold(centre - QPointF(3, 3), 14);
  gold.setColorAt(0, QColor(0xff, 0xe9, 0x8a));
  gold.setColorAt(1, QColor(0xd9, 0xa0, 0x1c));
  painter.setBrush(gold);
  painter.drawEllipse(centre, 11.5, 11.5);

  QPolygonF star;
  for (int i = 0; i < 10; ++i) star << OnCircle(centre, i % 2 == 0 ? 8 : 3.4, 90 + i * 36);
  painter.setPen(QPen(QColor(0x8a, 0x5a, 0x08), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(QColor(0xfb, 0xf4, 0xd8));
  painter.drawPolygon(star);
}

struct NamedPicture {
  std::string_view name;
  void (*paint)(QPainter&);
};

constexpr std::array<NamedPicture, 5> kToolPictures = {{
    {"change-class", &PaintChangeClass},
    {"schedule", &PaintSchedule},
    {"labels", &PaintLabels},
    {"judges-sheet", &PaintJudgesSheet},
    {"scores", &PaintScores},
}};

const NamedPicture* FindToolPicture(std::string_view name) {
  for (const NamedPicture& picture : kToolPictures)
    if (picture.name == name) return &picture;
  return nullptr;
}

}  // namespace

bool HasToolPicture(std::string_view name) { return FindToolPicture(name) != nullptr; }

void PaintToolPicture(QPainter& painter, const QRectF& area, std::string_view name) {
  const NamedPicture* picture = FindToolPicture(name);
  if (picture == nullptr) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const DesignSpace space(painter, area, kBox, kBox);
  picture->paint(painter);
  painter.restore();
}

}  // namespace quenchel::pictures
