#pragma once
// The drawing surface of every printout over a QPainter: the print preview's page, a
// printer, a PDF file or an image. Device units and pixels per inch are the device's own,
// so the same rendering lays out alike on the screen and on paper.

#include <QFont>
#include <QPainter>

#include "print/surface.h"

class QPaintDevice;

namespace quenchel {

class QPainterSurface : public Surface {
 public:
  // Draws with `painter`, which must stay active on its device while the surface is used.
  explicit QPainterSurface(QPainter& painter);
  // Measures on `device` and draws nothing: a layout outside a paint event (counting the
  // pages of a printout) or until a subclass hands over its painter.
  explicit QPainterSurface(QPaintDevice& device);

  int Width() const override;
  int Height() const override;
  int PixelsPerInchX() const override;
  int PixelsPerInchY() const override;

  void SetFont(const SurfaceFont& font) override;
  const SurfaceFont& Font() const override { return font_; }
  void SetPen(Rgb colour, int width) override;
  void SetBrush(Rgb colour) override;
  void SetTransparentText() override;

  void TextOut(int x, int y, std::string_view text, int angle = 0) override;
  int TextWidth(std::string_view text) const override;
  int TextHeight(std::string_view text) const override;
  void Line(int x1, int y1, int x2, int y2) override;
  void Polyline(const std::vector<Point>& points) override;
  void Polygon(const std::vector<Point>& points) override;
  // Right and bottom are outside the filled area.
  void FillRect(int left, int top, int right, int bottom, Rgb colour) override;

  // A printer or PDF page device starts its next page; other devices have one page.
  void NewSheet() override;

  // The Qt font a surface font becomes on `device`: point sizes on printers, PDF writers
  // and screens, whose painters scale them by the device's resolution; on images the
  // pixel size size × dpi / 72, so that text measures as the printout's metrics expect.
  static QFont DeviceFont(const SurfaceFont& font, const QPaintDevice& device);

 protected:
  // Hands over the painter to draw with (or takes it back with nullptr) and gives it the
  // surface's current font, pen, brush and text background.
  void UsePainter(QPainter* painter);
  QPainter* ActivePainter() const;

 private:
  void ApplyState();

  QPaintDevice* device_;
  QPainter* painter_ = nullptr;
  SurfaceFont font_;
  QFont qfont_;
  QPen pen_;
  QBrush brush_;
  bool transparentText_ = false;
};

}  // namespace quenchel
