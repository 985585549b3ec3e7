#include "print/recording_surface.h"

#include <algorithm>
#include <cstdlib>

namespace quenchel {

int RecordingSurface::TextWidth(std::string_view text) const {
  const long long units = static_cast<long long>(text.size()) * std::abs(font_.size) * ppiX_;
  return static_cast<int>(units / 144);
}

int RecordingSurface::TextHeight(std::string_view /*text*/) const { return std::abs(font_.size) * ppiY_ / 72; }

void RecordingSurface::TextOut(int x, int y, std::string_view text, int angle) {
  texts_.push_back(Text{x, y, std::string(text), font_, angle, penColour_, transparent_});
}

void RecordingSurface::Line(int x1, int y1, int x2, int y2) {
  lines_.push_back(LineCall{{x1, y1}, {x2, y2}, penColour_, penWidth_});
}

void RecordingSurface::Polyline(const std::vector<Point>& points) {
  polylines_.push_back(PolyCall{points, penColour_, penWidth_, {}});
}

void RecordingSurface::Polygon(const std::vector<Point>& points) {
  polygons_.push_back(PolyCall{points, penColour_, penWidth_, brush_});
}

void RecordingSurface::FillRect(int left, int top, int right, int bottom, Rgb colour) {
  rects_.push_back(RectCall{left, top, right, bottom, colour});
}

void RecordingSurface::BeginDocument(std::string_view title) {
  documentEvents_.push_back(DocumentEvent::Begin);
  documentTitles_.emplace_back(title);
}

int RecordingSurface::SheetCount() const noexcept {
  return static_cast<int>(std::count(documentEvents_.begin(), documentEvents_.end(), DocumentEvent::NewSheet));
}

std::size_t RecordingSurface::DrawCount() const noexcept {
  return texts_.size() + lines_.size() + polylines_.size() + polygons_.size() + rects_.size();
}

std::vector<RecordingSurface::Text> RecordingSurface::FindTexts(std::string_view text) const {
  std::vector<Text> found;
  for (const Text& drawn : texts_)
    if (drawn.text == text) found.push_back(drawn);
  return found;
}

std::vector<RecordingSurface::Text> RecordingSurface::FindTextsStartingWith(std::string_view prefix) const {
  std::vector<Text> found;
  for (const Text& drawn : texts_)
    if (std::string_view(drawn.text).starts_with(prefix)) found.push_back(drawn);
  return found;
}

int RecordingSurface::CountText(std::string_view text) const {
  return static_cast<int>(std::count_if(texts_.begin(), texts_.end(), [&](const Text& t) { return t.text == text; }));
}

const RecordingSurface::Text* RecordingSurface::FirstText(std::string_view text) const {
  const auto found = std::find_if(texts_.begin(), texts_.end(), [&](const Text& t) { return t.text == text; });
  return found == texts_.end() ? nullptr : &*found;
}

void RecordingSurface::ClearRecording() {
  texts_.clear();
  lines_.clear();
  polylines_.clear();
  polygons_.clear();
  rects_.clear();
  documentEvents_.clear();
  documentTitles_.clear();
}

}  // namespace quenchel
