#pragma once
// A surface that lays out without drawing: it measures with, and keeps its font and pens
// on, the surface it stands for, and drops every draw call. Renderers lay out the pages
// before the wanted one on it, so those pages cost no drawing and the measures match the
// page that is drawn.

#include "print/surface.h"

namespace quenchel {

class LayoutOnlySurface final : public Surface {
 public:
  explicit LayoutOnlySurface(Surface& measured) : measured_(measured) {}

  int Width() const override { return measured_.Width(); }
  int Height() const override { return measured_.Height(); }
  int PixelsPerInchX() const override { return measured_.PixelsPerInchX(); }
  int PixelsPerInchY() const override { return measured_.PixelsPerInchY(); }
  void SetFont(const SurfaceFont& font) override { measured_.SetFont(font); }
  const SurfaceFont& Font() const override { return measured_.Font(); }
  void SetPen(Rgb colour, int width) override { measured_.SetPen(colour, width); }
  void SetBrush(Rgb colour) override { measured_.SetBrush(colour); }
  void SetTransparentText() override { measured_.SetTransparentText(); }
  int TextWidth(std::string_view text) const override { return measured_.TextWidth(text); }
  int TextHeight(std::string_view text) const override { return measured_.TextHeight(text); }

  void TextOut(int, int, std::string_view, int) override {}
  void Line(int, int, int, int) override {}
  void Polyline(const std::vector<Point>&) override {}
  void Polygon(const std::vector<Point>&) override {}
  void FillRect(int, int, int, int, Rgb) override {}

 private:
  Surface& measured_;
};

}  // namespace quenchel
