#pragma once
// A rectangle in the units of whatever shows a grid (screen pixels for the windows).

namespace quenchel {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int Right() const noexcept { return left + width; }    // just outside
  int Bottom() const noexcept { return top + height; }   // just outside
  bool operator==(const Rect&) const = default;

  static Rect FromEdges(int left, int top, int right, int bottom) noexcept {
    return Rect{left, top, right - left, bottom - top};
  }
};

}  // namespace quenchel
