#include "support/literal_dslist.h"

#include <iterator>

#include "store/cell_text.h"

namespace quenchel::literal {

DSNode* LiteralList::Find(const DSNode& pattern) {
  for (DSNode& node : chain_)
    if (node.Cell(0) == pattern.Cell(0)) return &node;
  return nullptr;
}

DSNode* LiteralList::Find2(const DSNode& pattern) {
  for (DSNode& node : chain_)
    if (node.Cell(0) == pattern.Cell(0) && node.Cell(1) == pattern.Cell(1)) return &node;
  return nullptr;
}

DSNode& LiteralList::AddSorted(const DSNode& record) {
  const std::string_view key = record.Cell(0);
  const long long number = ReadLong(key);
  auto at = chain_.begin();
  for (; at != chain_.end(); ++at) {
    const bool greater = number != 0 ? ReadLong(at->Cell(0)) > number : at->Cell(0) > key;
    if (greater) break;
  }
  DSNode copy(record);
  return *chain_.insert(at, copy);
}

DSNode* LiteralList::Update(const DSNode& record) {
  DSNode* found = Find(record);
  if (found == nullptr) {
    AddSorted(record);
    return nullptr;
  }
  for (int i = 1; i < DSNode::kCellCount; ++i) found->SetCell(i, record.Cell(i));
  return found;
}

DSNode* LiteralList::Update2(const DSNode& record) {
  DSNode* found = Find2(record);
  if (found == nullptr) {
    AddSorted(record);
    return nullptr;
  }
  *found = record;
  return found;
}

bool LiteralList::Delete(const DSNode* pattern) {
  if (pattern == nullptr) return false;
  for (auto at = chain_.begin(); at != chain_.end(); ++at)
    if (at->Cell(0) == pattern->Cell(0)) {
      chain_.erase(at);
      return true;
    }
  return false;
}

bool LiteralList::Delete2(const DSNode* pattern) {
  if (pattern == nullptr) return false;
  for (auto at = chain_.begin(); at != chain_.end(); ++at)
    if (at->Cell(0) == pattern->Cell(0) && at->Cell(1) == pattern->Cell(1)) {
      chain_.erase(at);
      return true;
    }
  return false;
}

bool LiteralList::SortByCell1(char mode) {
  if (mode != 'b' || chain_.empty()) return true;
  auto first = chain_.begin();
  while (true) {
    const auto second = std::next(first);
    if (second == chain_.end()) return true;
    if (first->Cell(1) > second->Cell(1)) {
      chain_.splice(first, chain_, second);  // exchange the pair
      first = chain_.begin();               // and start again from the head
    } else {
      first = second;
    }
  }
}

}  // namespace quenchel::literal
