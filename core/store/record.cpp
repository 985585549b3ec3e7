#include "store/record.h"

#include <algorithm>
#include <functional>

#include "store/dslist.h"

namespace quenchel {

DSNode::DSNode(const DSNode& other) : offsets_(other.offsets_), text_(other.text_), marked_(other.marked_) {}

DSNode& DSNode::operator=(const DSNode& other) {
  if (this == &other) return *this;
  for (int i = 0; i < kCellCount; ++i) SetCell(i, other.Cell(i));
  return *this;
}

std::string_view DSNode::Cell(int i) const noexcept {
  if (i < 0 || i >= kCellCount) return {};
  const std::size_t at = static_cast<std::size_t>(i);
  return std::string_view(text_).substr(offsets_[at], offsets_[at + 1] - offsets_[at]);
}

std::string_view DSNode::CutToCell(std::string_view text) noexcept {
  const std::size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  return text.substr(0, std::min(text.size(), kCellCapacity));
}

void DSNode::AssignCell(int i, std::string_view text) {
  // The text may be a view into this record's own cells; take a copy before changing them.
  const std::less<const char*> before;
  const bool aliases = !text.empty() && !before(text.data(), text_.data()) &&
                       before(text.data(), text_.data() + text_.size());
  const std::string copy = aliases ? std::string(text) : std::string();
  if (aliases) text = copy;

  const std::size_t at = static_cast<std::size_t>(i);
  const std::size_t oldSize = offsets_[at + 1] - offsets_[at];
  text_.replace(offsets_[at], oldSize, text);
  const int shift = static_cast<int>(text.size()) - static_cast<int>(oldSize);
  for (std::size_t next = at + 1; next < offsets_.size(); ++next)
    offsets_[next] = static_cast<std::uint16_t>(offsets_[next] + shift);
}

void DSNode::SetCell(int i, std::string_view text) {
  if (i < 0 || i >= kCellCount) return;
  text = CutToCell(text);
  if (owner_ != nullptr && i <= 1) {
    if (Cell(i) == text) return;
    owner_->KeyWillChange(*this);
    AssignCell(i, text);
    owner_->KeyChanged(*this);
    return;
  }
  AssignCell(i, text);
}

DSNode MakeRecord(std::initializer_list<std::string_view> cells) {
  DSNode record;
  int i = 0;
  for (std::string_view text : cells) record.SetCell(i++, text);
  return record;
}

}  // namespace quenchel
