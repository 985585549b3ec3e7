#pragma once
// Texts kept for the length of one computation, so that the cells of a table being
// filled can refer to them instead of each holding a copy.

#include <deque>
#include <string>
#include <string_view>

namespace quenchel {

class TextStore {
 public:
  // The kept copy; none for the empty text.
  const std::string* Keep(std::string_view text) { return text.empty() ? nullptr : &texts_.emplace_back(text); }
  const std::string* Keep(std::string&& text) {
    return text.empty() ? nullptr : &texts_.emplace_back(std::move(text));
  }

 private:
  std::deque<std::string> texts_;  // a deque never moves what it holds
};

}  // namespace quenchel
