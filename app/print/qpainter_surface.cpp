#include "print/qpainter_surface.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QPolygon>
#include <algorithm>
#include <cmath>

#include "platform/text_codec.h"

namespace quenchel {

namespace {

QColor ToColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

QPolygon ToPolygon(const std::vector<Point>& points) {
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const Point& point : points) polygon.append(QPoint(point.x, point.y));
  return polygon;
}

// Painters on these devices turn point sizes into device pixels by the device's own
// resolution; an image's painter would use the screen's.
bool ScalesPointSizes(const QPaintDevice& device) {
  switch (device.devType()) {
    case QInternal::Widget:
    case QInternal::Printer:
    case QInternal::Picture:
      return true;
    default:
      return dynamic_cast<const QPagedPaintDevice*>(&device) != nullptr;
  }
}

}  // namespace

QPainterSurface::QPainterSurface(QPainter& painter) : QPainterSurface(*painter.device()) { UsePainter(&painter); }

QPainterSurface::QPainterSurface(QPaintDevice& device)
    : device_(&device), qfont_(DeviceFont(font_, device)), pen_(Qt::black), brush_(Qt::white) {
  // Square ends and mitred joins close the corners of boxes drawn line by line.
  pen_.setCapStyle(Qt::SquareCap);
  pen_.setJoinStyle(Qt::MiterJoin);
}

QFont QPainterSurface::DeviceFont(const SurfaceFont& font, const QPaintDevice& device) {
  QFont qfont(FromCellText(font.name));
  // A size of 0 or below (an empty or non-numeric size setting) draws at one point.
  const int points = std::max(font.size, 1);
  if (ScalesPointSizes(device)) {
    qfont.setPointSizeF(points);
  } else {
    const double pixels = std::round(points * device.logicalDpiY() / 72.0);
    qfont.setPixelSize(std::max(1, static_cast<int>(pixels)));
  }
  qfont.setBold(font.bold);
  qfont.setItalic(font.italic);
  qfont.setUnderline(font.underline);
  // Device metrics, not the screen's hinted ones, so that printed widths add up.
  qfont.setHintingPreference(QFont::PreferNoHinting);
  return qfont;
}

void QPainterSurface::UsePainter(QPainter* painter) {
  painter_ = painter;
  ApplyState();
}

QPainter* QPainterSurface::ActivePainter() const { return painter_ != nullptr && painter_->isActive() ? painter_ : nullptr; }

void QPainterSurface::ApplyState() {
  QPainter* painter = ActivePainter();
  if (painter == nullptr) return;
  painter->setFont(qfont_);
  painter->setPen(pen_);
  painter->setBrush(brush_);
  // Text starts on a white background, as on the platforms the printouts were drawn for,
  // until the renderer asks for transparent text.
  painter->setBackground(Qt::white);
  painter->setBackgroundMode(transparentText_ ? Qt::TransparentMode : Qt::OpaqueMode);
}

// --- the page ---------------------------------------------------------------------------

int QPainterSurface::Width() const { return device_->width(); }
int QPainterSurface::Height() const { return device_->height(); }
int QPainterSurface::PixelsPerInchX() const { return device_->logicalDpiX(); }
int QPainterSurface::PixelsPerInchY() const { return device_->logicalDpiY(); }

// --- drawing state ----------------------------------------------------------------------

void QPainterSurface::SetFont(const SurfaceFont& font) {
  font_ = font;
  qfont_ = DeviceFont(font, *device_);
  if (QPainter* painter = ActivePainter()) painter->setFont(qfont_);
}

void QPainterSurface::SetPen(Rgb colour, int width) {
  pen_.setColor(ToColor(colour));
  pen_.setWidth(std::max(width, 0));
  if (QPainter* painter = ActivePainter()) painter->setPen(pen_);
}

void QPainterSurface::SetBrush(Rgb colour) {
  brush_ = QBrush(ToColor(colour));
  if (QPainter* painter = ActivePainter()) painter->setBrush(brush_);
}

void QPainterSurface::SetTransparentText() {
  transparentText_ = true;
  if (QPainter* painter = ActivePainter()) painter->setBackgroundMode(Qt::TransparentMode);
}

// --- drawing ----------------------------------------------------------------------------

void QPainterSurface::TextOut(int x, int y, std::string_view text, int angle) {
  QPainter* painter = ActivePainter();
  if (painter == nullptr) return;
  // Turned about the text's top-left corner; Qt turns clockwise on a y-down page. Text
  // is black whatever the pen: the pen colours lines and frames only, as on the platforms
  // the printouts were drawn for.
  painter->save();
  painter->setPen(QColor(Qt::black));
  painter->translate(x, y);
  if (angle != 0) painter->rotate(-angle);
  const QFontMetrics metrics(qfont_, device_);
  painter->drawText(0, metrics.ascent(), FromCellText(text));
  painter->restore();
}

int QPainterSurface::TextWidth(std::string_view text) const {
  return QFontMetrics(qfont_, device_).horizontalAdvance(FromCellText(text));
}

int QPainterSurface::TextHeight(std::string_view /*text*/) const { return QFontMetrics(qfont_, device_).height(); }

void QPainterSurface::Line(int x1, int y1, int x2, int y2) {
  if (QPainter* painter = ActivePainter()) painter->drawLine(x1, y1, x2, y2);
}

void QPainterSurface::Polyline(const std::vector<Point>& points) {
  if (QPainter* painter = ActivePainter()) painter->drawPolyline(ToPolygon(points));
}

void QPainterSurface::Polygon(const std::vector<Point>& points) {
  if (QPainter* painter = ActivePainter()) painter->drawPolygon(ToPolygon(points));
}

void QPainterSurface::FillRect(int left, int top, int right, int bottom, Rgb colour) {
  if (right <= left || bottom <= top) return;
  if (QPainter* painter = ActivePainter()) painter->fillRect(QRect(left, top, right - left, bottom - top), ToColor(colour));
}

void QPainterSurface::NewSheet() {
  if (ActivePainter() == nullptr) return;
  if (auto* pages = dynamic_cast<QPagedPaintDevice*>(device_)) pages->newPage();
}

}  // namespace quenchel
