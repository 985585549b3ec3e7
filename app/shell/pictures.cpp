#include "shell/pictures.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPixmap>
#include <QRadialGradient>
#include <QtMath>
#include <functional>
#include <string>

#include "shell/picture_parts.h"

namespace quenchel::pictures {

namespace {

using Painting = std::function<void(QPainter&, const QRectF&)>;

class PaintedIconEngine final : public QIconEngine {
 public:
  explicit PaintedIconEngine(Painting painting) : painting_(std::move(painting)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (mode == QIcon::Disabled) painter->setOpacity(0.35);
    painting_(*painter, QRectF(rect));
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }

  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    QPixmap pixmap(size * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return pixmap;
  }

  QIconEngine* clone() const override { return new PaintedIconEngine(painting_); }

 private:
  Painting painting_;
};

QIcon PaintedIcon(Painting painting) {
  // QIcon takes ownership of its engine.
  return QIcon(new PaintedIconEngine(std::move(painting)));
}

void PaintSpark(QPainter& painter, const QPointF& from, double degrees, double length, double width) {
  const double radians = qDegreesToRadians(degrees);
  const QPointF to = from + QPointF(std::cos(radians), -std::sin(radians)) * length;
  QLinearGradient glow(from, to);
  glow.setColorAt(0, QColor(0xff, 0xf6, 0xc2, 230));
  glow.setColorAt(1, QColor(0xff, 0x8a, 0x1e, 0));
  painter.setPen(QPen(QBrush(glow), width, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(from, to);
}

// One end of the banner: an anvil with sparks flying off its face, and horseshoes that
// fade toward the middle. `mirrored` turns it round for the right-hand end.
void PaintBannerEnd(QPainter& painter, const QRectF& area, bool mirrored) {
  painter.save();
  if (mirrored) {
    painter.translate(area.left() + area.right(), 0);
    painter.scale(-1, 1);
  }
  const double h = area.height();
  const QRectF anvil(area.left() + h * 0.35, area.top() + h * 0.42, h * 1.15, h * 0.46);
  for (const auto& [degrees, length] : {std::pair{70.0, 0.30}, {95.0, 0.36}, {118.0, 0.26}, {48.0, 0.22}, {140.0, 0.18}})
    PaintSpark(painter, QPointF(anvil.left() + anvil.width() * 0.62, anvil.top()), degrees, h * length, h * 0.025);
  PaintAnvil(painter, anvil);

  // Horseshoes leaning against the band, fading out before the titles.
  const double shoe = h * 0.48;
  double x = anvil.right() + h * 0.35;
  double opacity = 0.85;
  for (int i = 0; i < 3; ++i) {
    painter.save();
    painter.setOpacity(opacity);
    const QRectF box(x, area.top() + h * 0.22, shoe * 0.9, shoe);
    painter.translate(box.center());
    painter.rotate(i % 2 == 0 ? -14 : 12);
    painter.translate(-box.center());
    PaintHorseshoe(painter, box);
    painter.restore();
    x += shoe * 1.25;
    opacity *= 0.45;
  }
  painter.restore();
}

}  // namespace

void PaintBanner(QPainter& painter, const QRectF& area) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setClipRect(area);

  // Forge-warm copper at the ends, pale in the middle where the titles sit.
  QLinearGradient warmth(area.topLeft(), area.topRight());
  warmth.setColorAt(0.00, QColor(0xa8, 0x55, 0x22));
  warmth.setColorAt(0.16, QColor(0xe2, 0x93, 0x45));
  warmth.setColorAt(0.36, QColor(0xfb, 0xe3, 0xb8));
  warmth.setColorAt(0.50, QColor(0xff, 0xf6, 0xe4));
  warmth.setColorAt(0.64, QColor(0xfb, 0xe3, 0xb8));
  warmth.setColorAt(0.84, QColor(0xe2, 0x93, 0x45));
  warmth.setColorAt(1.00, QColor(0xa8, 0x55, 0x22));
  painter.fillRect(area, warmth);

  QLinearGradient light(area.topLeft(), area.bottomLeft());
  light.setColorAt(0.0, QColor(255, 255, 255, 90));
  light.setColorAt(0.45, QColor(255, 255, 255, 0));
  light.setColorAt(1.0, QColor(90, 40, 10, 70));
  painter.fillRect(area, light);

  // Only where the band is wide enough for both ends to stay clear of the titles.
  if (area.width() > area.height() * 8) {
    PaintBannerEnd(painter, area, false);
    PaintBannerEnd(painter, area, true);
  }

  const double edge = std::max(1.0, area.height() / 40);
  painter.fillRect(QRectF(area.left(), area.bottom() - edge, area.width(), edge), QColor(0x6b, 0x3a, 0x17));
  painter.restore();
}

void PaintLogo(QPainter& painter, const QRectF& area) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const DesignSpace space(painter, area, 200, 176);

  // The glow of the forge behind the shoe.
  QRadialGradient glow(QPointF(100, 76), 74);
  glow.setColorAt(0.0, QColor(0xff, 0xc8, 0x6e, 200));
  glow.setColorAt(0.6, QColor(0xff, 0x9a, 0x3c, 70));
  glow.setColorAt(1.0, QColor(0xff, 0x80, 0x20, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawEllipse(QPointF(100, 76), 74, 74);

  // The shoe stands on the anvil's face.
  PaintAnvil(painter, QRectF(8, 108, 184, 66));
  PaintHorseshoe(painter, QRectF(54, 4, 92, 106));
  painter.restore();
}

QIcon ToolIcon(std::string_view name) {
  const std::string picture(name);
  return PaintedIcon([picture](QPainter& painter, const QRectF& area) { PaintToolPicture(painter, area, picture); });
}

QIcon LogoIcon() { return PaintedIcon(&PaintLogo); }

}  // namespace quenchel::pictures
