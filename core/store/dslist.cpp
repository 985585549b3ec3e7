#include "store/dslist.h"

#include <algorithm>

#include "platform/dialogs.h"
#include "store/cell_text.h"

namespace quenchel {

namespace {
constexpr std::uint64_t kOrderGap = std::uint64_t{1} << 20;
}  // namespace

DSList::DSList() {
  for (int i = 0; i < DSNode::kCellCount; ++i) {
    const char letter = static_cast<char>('a' + i);
    titleRow_[0].SetCell(i, std::string(1, letter));
    titleRow_[1].SetCell(i, i == 0 ? std::string("a1") : std::string(1, letter));
  }
  titles_ = {"Title1", "Title2", "Title3"};
}

DSList::~DSList() = default;

DSNode* DSList::Next(const DSNode* record) const noexcept {
  return record == nullptr ? head_ : record->next_;
}

DSList::Iterator& DSList::Iterator::operator++() noexcept {
  node_ = node_->next_;
  return *this;
}

// --- index -----------------------------------------------------------------------------

std::string DSList::PairKey(std::string_view key0, std::string_view key1) {
  // Cells never hold a NUL, so it separates the two parts unambiguously.
  std::string key;
  key.reserve(key0.size() + 1 + key1.size());
  key.append(key0).push_back('\0');
  key.append(key1);
  return key;
}

void DSList::IndexInsert(DSNode& node) {
  const auto insertInOrder = [&node](Entries& entries) {
    // Nearly always the new record comes last among records of its key.
    if (entries.empty() || entries.back()->order_ < node.order_) {
      entries.push_back(&node);
      return;
    }
    const auto at = std::upper_bound(entries.begin(), entries.end(), node.order_,
                                     [](std::uint64_t order, const DSNode* e) { return order < e->order_; });
    entries.insert(at, &node);
  };
  insertInOrder(byKey_[std::string(node.Cell(0))]);
  insertInOrder(byKeyPair_[PairKey(node.Cell(0), node.Cell(1))]);
}

void DSList::IndexErase(DSNode& node) {
  const auto eraseFrom = [&node](std::unordered_map<std::string, Entries>& map, const std::string& key) {
    const auto found = map.find(key);
    if (found == map.end()) return;
    Entries& entries = found->second;
    const auto at = std::lower_bound(entries.begin(), entries.end(), node.order_,
                                     [](const DSNode* e, std::uint64_t order) { return e->order_ < order; });
    if (at != entries.end() && *at == &node) entries.erase(at);
    if (entries.empty()) map.erase(found);
  };
  eraseFrom(byKey_, std::string(node.Cell(0)));
  eraseFrom(byKeyPair_, PairKey(node.Cell(0), node.Cell(1)));
}

void DSList::RebuildIndex() {
  byKey_.clear();
  byKeyPair_.clear();
  for (DSNode& node : *this) IndexInsert(node);
}

void DSList::RaiseKeyBounds(std::string_view key) {
  const long long number = ReadLong(key);
  if (!boundsKnown_) {
    numericKeyBound_ = number;
    textKeyBound_.assign(key);
    boundsKnown_ = true;
    return;
  }
  numericKeyBound_ = std::max(numericKeyBound_, number);
  if (textKeyBound_ < key) textKeyBound_.assign(key);
}

void DSList::KeyWillChange(DSNode& node) { IndexErase(node); }

void DSList::KeyChanged(DSNode& node) {
  IndexInsert(node);
  RaiseKeyBounds(node.Cell(0));
}

// --- chain -----------------------------------------------------------------------------

void DSList::Renumber() {
  std::uint64_t order = 0;
  for (DSNode* node = head_; node != nullptr; node = node->next_) node->order_ = (order += kOrderGap);
}

void DSList::AssignOrder(DSNode& node) {
  const std::uint64_t low = node.before_ != nullptr ? node.before_->order_ : 0;
  if (node.next_ == nullptr) {
    if (low <= UINT64_MAX - kOrderGap) {
      node.order_ = low + kOrderGap;
      return;
    }
  } else {
    const std::uint64_t high = node.next_->order_;
    if (high - low >= 2) {
      node.order_ = low + (high - low) / 2;
      return;
    }
  }
  // No room left between the neighbours: spread the whole chain out again. The relative
  // order is unchanged, so the index stays sorted.
  Renumber();
}

void DSList::LinkBefore(DSNode& node, DSNode* successor) {
  if (successor == nullptr) {
    node.before_ = tail_;
    node.next_ = nullptr;
    if (tail_ != nullptr) tail_->next_ = &node;
    else head_ = &node;
    tail_ = &node;
  } else {
    node.next_ = successor;
    node.before_ = successor->before_;
    if (successor->before_ != nullptr) successor->before_->next_ = &node;
    else head_ = &node;
    successor->before_ = &node;
  }
  AssignOrder(node);
}

void DSList::Unlink(DSNode& node) {
  if (node.before_ != nullptr) node.before_->next_ = node.next_;
  else head_ = node.next_;
  if (node.next_ != nullptr) node.next_->before_ = node.before_;
  else tail_ = node.before_;
  node.next_ = node.before_ = nullptr;
}

// --- insertion -------------------------------------------------------------------------

DSNode* DSList::FirstGreater(std::string_view key) const {
  const long long number = ReadLong(key);
  if (number != 0) {
    for (DSNode* node = head_; node != nullptr; node = node->next_)
      if (ReadLong(node->Cell(0)) > number) return node;
  } else {
    for (DSNode* node = head_; node != nullptr; node = node->next_)
      if (node->Cell(0) > key) return node;  // char_traits<char> compares as unsigned bytes
  }
  return nullptr;
}

DSNode& DSList::AddSorted(const DSNode& record) {
  auto owned = std::make_unique<DSNode>(record);
  DSNode& node = *owned;
  node.marked_ = false;
  node.inList_ = true;
  node.owner_ = this;
  node.slot_ = nodes_.size();
  nodes_.push_back(std::move(owned));

  const std::string_view key = node.Cell(0);
  const long long number = ReadLong(key);
  DSNode* successor = nullptr;
  if (boundsKnown_) {
    const bool sortsLast = number != 0 ? numericKeyBound_ <= number : textKeyBound_ <= key;
    if (!sortsLast) {
      successor = FirstGreater(key);
      if (successor == nullptr) {
        // The walk saw every record: the bound is exact now.
        if (number != 0) numericKeyBound_ = number;
        else textKeyBound_.assign(key);
      }
    }
  }
  LinkBefore(node, successor);
  IndexInsert(node);
  RaiseKeyBounds(key);
  return node;
}

DSNode* DSList::Update(const DSNode& record) {
  DSNode* found = Find(record);
  if (found == nullptr) {
    AddSorted(record);
    return nullptr;
  }
  if (found != &record)
    for (int i = 1; i < DSNode::kCellCount; ++i) found->SetCell(i, record.Cell(i));
  return found;
}

DSNode* DSList::Update2(const DSNode& record) {
  DSNode* found = Find2(record);
  if (found == nullptr) {
    AddSorted(record);
    return nullptr;
  }
  if (found != &record) *found = record;
  return found;
}

// --- look-ups --------------------------------------------------------------------------

DSNode* DSList::FindKey(std::string_view key) const {
  const auto found = byKey_.find(std::string(key));
  return found == byKey_.end() ? nullptr : found->second.front();
}

DSNode* DSList::FindKey2(std::string_view key0, std::string_view key1) const {
  const auto found = byKeyPair_.find(PairKey(key0, key1));
  return found == byKeyPair_.end() ? nullptr : found->second.front();
}

DSNode* DSList::Find(const DSNode& pattern) const { return FindKey(pattern.Cell(0)); }
DSNode* DSList::Find2(const DSNode& pattern) const { return FindKey2(pattern.Cell(0), pattern.Cell(1)); }
bool DSList::Exists(const DSNode* pattern) const { return pattern != nullptr && Find(*pattern) != nullptr; }
bool DSList::Exists2(const DSNode* pattern) const { return pattern != nullptr && Find2(*pattern) != nullptr; }

int DSList::CountSame(const DSNode& pattern) const {
  int count = 0;
  for (const DSNode& node : *this)
    if (node.Cell(1) == pattern.Cell(1) && node.Cell(5) == pattern.Cell(5)) ++count;
  return count;
}

// --- removal ---------------------------------------------------------------------------

bool DSList::Remove(DSNode* record) {
  if (record == nullptr || record->owner_ != this) return false;
  Unlink(*record);
  IndexErase(*record);
  const std::size_t slot = record->slot_;
  if (slot + 1 != nodes_.size()) {
    std::swap(nodes_[slot], nodes_.back());
    nodes_[slot]->slot_ = slot;
  }
  nodes_.pop_back();  // releases the record
  return true;
}

bool DSList::Delete(const DSNode* pattern) { return pattern != nullptr && Remove(Find(*pattern)); }
bool DSList::Delete2(const DSNode* pattern) { return pattern != nullptr && Remove(Find2(*pattern)); }

void DSList::Clear() {
  head_ = tail_ = nullptr;
  byKey_.clear();
  byKeyPair_.clear();
  nodes_.clear();
  boundsKnown_ = false;
  numericKeyBound_ = 0;
  textKeyBound_.clear();
}

bool DSList::SortByCell1(char mode) {
  if (mode != 'b' || head_ == nullptr) return true;
  // Exchanging neighbours that are strictly out of order, as a bubble sort does, ends in
  // the stable order by cell 1; a stable sort reaches the same order directly.
  std::vector<DSNode*> chain;
  chain.reserve(nodes_.size());
  for (DSNode& node : *this) chain.push_back(&node);
  std::stable_sort(chain.begin(), chain.end(),
                   [](const DSNode* a, const DSNode* b) { return a->Cell(1) < b->Cell(1); });
  head_ = tail_ = nullptr;
  for (DSNode* node : chain) {
    node->before_ = tail_;
    node->next_ = nullptr;
    if (tail_ != nullptr) tail_->next_ = node;
    else head_ = node;
    tail_ = node;
  }
  Renumber();
  RebuildIndex();
  return true;
}

// --- marks -----------------------------------------------------------------------------

bool DSList::SetMarked(const DSNode* record) {
  const bool found = record != nullptr && record->owner_ == this;
  for (const auto& node : nodes_) node->marked_ = node.get() == record;
  return found;
}

DSNode* DSList::GetMarked() const noexcept {
  for (DSNode* node = head_; node != nullptr; node = node->next_)
    if (node->marked_) return node;
  return nullptr;
}

// --- captions and headings -------------------------------------------------------------

void DSList::SetTitle(int which, std::string_view text, Dialogs& dialogs) {
  if (which < 1 || which > 3) {
    dialogs.ShowInfo("Title Error", "Value != 1 2 3 ");
    return;
  }
  titles_[static_cast<std::size_t>(which - 1)].assign(text);
}

std::string DSList::GetTitle(int which, Dialogs& dialogs) const {
  if (which < 1 || which > 3) {
    dialogs.ShowInfo("Title Error", "Value != 1 2 3 ");
    return "No Title";
  }
  return titles_[static_cast<std::size_t>(which - 1)];
}

const std::string& DSList::Title(int which) const {
  return titles_[static_cast<std::size_t>(std::clamp(which, 1, 3) - 1)];
}

void DSList::SetTitleText(int which, std::string_view text) {
  if (which >= 1 && which <= 3) titles_[static_cast<std::size_t>(which - 1)].assign(text);
}

void DSList::SetColumnCount(int count) noexcept {
  if (count >= 1 && count <= DSNode::kCellCount) columnCount_ = count;
}

void DSList::SetTitleRow(const DSNode& record, int which) noexcept {
  if (which != 0 && which != 1) return;
  DSNode& row = titleRow_[static_cast<std::size_t>(which)];
  for (int i = 0; i < DSNode::kCellCount; ++i) row.SetCell(i, record.Cell(i));
}

void DSList::FillItems(std::vector<std::string>& items, char letter) const {
  items.clear();
  const bool inRange = letter >= 'a' && letter <= 'e';
  for (const DSNode& node : *this) items.emplace_back(inRange ? node.Cell(letter - 'a') : "out of range");
}

}  // namespace quenchel
