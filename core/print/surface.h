#pragma once
// A drawing surface in device units: the printer's page, the print preview's page, a PDF
// file, or a recording for tests. Every printout is drawn through it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quenchel {

struct SurfaceFont {
  std::string name = "Arial";
  int size = 8;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const SurfaceFont&) const = default;
};

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};

struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

// Measures text in some font; grids fit their columns through it.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual int TextWidth(std::string_view text) const = 0;
};

class Surface : public TextMeasure {
 public:
  // --- the page --------------------------------------------------------------------------
  virtual int Width() const = 0;   // drawing area in device units
  virtual int Height() const = 0;
  virtual int PixelsPerInchX() const = 0;
  virtual int PixelsPerInchY() const = 0;

  // --- drawing state ---------------------------------------------------------------------
  virtual void SetFont(const SurfaceFont& font) = 0;
  virtual const SurfaceFont& Font() const = 0;
  virtual void SetPen(Rgb colour, int width) = 0;
  virtual void SetBrush(Rgb colour) = 0;
  // Text drawn without a background from now on.
  virtual void SetTransparentText() = 0;

  // --- drawing ---------------------------------------------------------------------------
  // Text in single-byte competition text, its top-left corner at (x, y), turned by
  // `angle` degrees counter-clockwise.
  virtual void TextOut(int x, int y, std::string_view text, int angle = 0) = 0;
  virtual int TextHeight(std::string_view text) const = 0;
  virtual void Line(int x1, int y1, int x2, int y2) = 0;
  virtual void Polyline(const std::vector<Point>& points) = 0;
  // Filled with the brush and outlined with the pen.
  virtual void Polygon(const std::vector<Point>& points) = 0;
  virtual void FillRect(int left, int top, int right, int bottom, Rgb colour) = 0;

  // --- printer documents (no-ops on screen surfaces) ---------------------------------------
  virtual void BeginDocument(std::string_view /*title*/) {}
  virtual void NewSheet() {}
  virtual void EndDocument() {}
};

}  // namespace quenchel
