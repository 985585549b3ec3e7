#pragma once
// A Surface for tests (and for counting pages without a display): it records every draw
// call and measures text deterministically.
//
// Measurement, in device units, for a font of size s points (its absolute value):
//   TextWidth(text)  = bytes(text) × s × PixelsPerInchX / 144   (half an em per byte)
//   TextHeight(text) = s × PixelsPerInchY / 72                  (one em, whatever the text)
// both with integer division. So 8 points at 96 pixels per inch is 10 high and a ten-byte
// text 53 wide; at 600 dots per inch 66 high and 333 wide.

#include <string>
#include <string_view>
#include <vector>

#include "print/surface.h"

namespace quenchel {

class RecordingSurface final : public Surface {
 public:
  struct Text {
    int x = 0, y = 0;
    std::string text;
    SurfaceFont font;
    int angle = 0;
    Rgb pen;                   // the pen colour when it was drawn
    bool transparent = false;  // drawn without a background
  };
  struct LineCall {
    Point from, to;
    Rgb colour;
    int width = 0;
  };
  struct PolyCall {
    std::vector<Point> points;
    Rgb pen;
    int penWidth = 0;
    Rgb brush;  // for polygons only
  };
  struct RectCall {
    int left = 0, top = 0, right = 0, bottom = 0;
    Rgb colour;
  };
  enum class DocumentEvent { Begin, NewSheet, End };

  RecordingSurface(int width, int height, int pixelsPerInch)
      : RecordingSurface(width, height, pixelsPerInch, pixelsPerInch) {}
  RecordingSurface(int width, int height, int pixelsPerInchX, int pixelsPerInchY)
      : width_(width), height_(height), ppiX_(pixelsPerInchX), ppiY_(pixelsPerInchY) {}

  void SetSize(int width, int height) noexcept {
    width_ = width;
    height_ = height;
  }

  // --- Surface ---------------------------------------------------------------------------
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  int PixelsPerInchX() const override { return ppiX_; }
  int PixelsPerInchY() const override { return ppiY_; }
  void SetFont(const SurfaceFont& font) override { font_ = font; }
  const SurfaceFont& Font() const override { return font_; }
  void SetPen(Rgb colour, int width) override {
    penColour_ = colour;
    penWidth_ = width;
  }
  void SetBrush(Rgb colour) override { brush_ = colour; }
  void SetTransparentText() override { transparent_ = true; }
  int TextWidth(std::string_view text) const override;
  int TextHeight(std::string_view text) const override;
  void TextOut(int x, int y, std::string_view text, int angle = 0) override;
  void Line(int x1, int y1, int x2, int y2) override;
  void Polyline(const std::vector<Point>& points) override;
  void Polygon(const std::vector<Point>& points) override;
  void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
  void BeginDocument(std::string_view title) override;
  void NewSheet() override { documentEvents_.push_back(DocumentEvent::NewSheet); }
  void EndDocument() override { documentEvents_.push_back(DocumentEvent::End); }

  // --- what was drawn ---------------------------------------------------------------------
  const std::vector<Text>& Texts() const noexcept { return texts_; }
  const std::vector<LineCall>& Lines() const noexcept { return lines_; }
  const std::vector<PolyCall>& Polylines() const noexcept { return polylines_; }
  const std::vector<PolyCall>& Polygons() const noexcept { return polygons_; }
  const std::vector<RectCall>& Rects() const noexcept { return rects_; }
  const std::vector<DocumentEvent>& DocumentEvents() const noexcept { return documentEvents_; }
  const std::vector<std::string>& DocumentTitles() const noexcept { return documentTitles_; }
  int SheetCount() const noexcept;  // NewSheet calls
  // Texts, lines, polylines, polygons and rectangles together.
  std::size_t DrawCount() const noexcept;

  // Every text drawn that equals / begins with the given text, in drawing order.
  std::vector<Text> FindTexts(std::string_view text) const;
  std::vector<Text> FindTextsStartingWith(std::string_view prefix) const;
  int CountText(std::string_view text) const;
  // The first text drawn that equals the given text; nullptr when there is none.
  const Text* FirstText(std::string_view text) const;
  bool HasText(std::string_view text) const { return FirstText(text) != nullptr; }

  // Forgets what was drawn (the page, fonts and pen stay).
  void ClearRecording();

 private:
  int width_, height_, ppiX_, ppiY_;
  SurfaceFont font_;
  Rgb penColour_;
  int penWidth_ = 1;
  Rgb brush_{255, 255, 255};
  bool transparent_ = false;

  std::vector<Text> texts_;
  std::vector<LineCall> lines_;
  std::vector<PolyCall> polylines_;
  std::vector<PolyCall> polygons_;
  std::vector<RectCall> rects_;
  std::vector<DocumentEvent> documentEvents_;
  std::vector<std::string> documentTitles_;
};

}  // namespace quenchel
