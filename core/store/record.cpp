#include "store/record.h"

#include <algorithm>
#include <cstring>

#include "store/dslist.h"

namespace quenchel {

DSNode::DSNode(const DSNode& other) noexcept : cells_(other.cells_), marked_(other.marked_) {}

DSNode& DSNode::operator=(const DSNode& other) noexcept {
  if (this == &other) return *this;
  for (int i = 0; i < kCellCount; ++i) SetCell(i, other.Cell(i));
  return *this;
}

std::string_view DSNode::Cell(int i) const noexcept {
  if (i < 0 || i >= kCellCount) return {};
  const CellText& cell = cells_[static_cast<std::size_t>(i)];
  return {cell.bytes.data(), cell.size};
}

std::string_view DSNode::CutToCell(std::string_view text) noexcept {
  const std::size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  return text.substr(0, std::min(text.size(), kCellCapacity));
}

void DSNode::AssignCell(int i, std::string_view text) noexcept {
  CellText& cell = cells_[static_cast<std::size_t>(i)];
  std::memcpy(cell.bytes.data(), text.data(), text.size());
  cell.size = static_cast<std::uint8_t>(text.size());
}

void DSNode::SetCell(int i, std::string_view text) noexcept {
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
