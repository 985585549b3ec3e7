#pragma once
// DSList: an ordered list of records kept in order of cell 0, with three captions and two
// heading rows. Records handed back are the stored records and may be edited in place.
//
// The order rules are those of a plain walk from the head (see AddSorted). To keep large
// competitions fast, the list also keeps an index of its keys and upper bounds of its
// largest keys; records tell their list when cell 0 or 1 changes, so the index never
// goes stale even when callers edit keys in place.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "store/record.h"

namespace quenchel {

class Dialogs;

class DSList {
 public:
  DSList();
  ~DSList();
  DSList(const DSList&) = delete;
  DSList& operator=(const DSList&) = delete;

  // --- walking -------------------------------------------------------------------------
  DSNode* First() const noexcept { return head_; }
  // The record after the given one; with none given, the first record.
  DSNode* Next(const DSNode* record) const noexcept;
  // The record before the given one (none for the first); with none given, none.
  DSNode* Before(const DSNode* record) const noexcept { return record == nullptr ? nullptr : record->before_; }
  int Count() const noexcept { return static_cast<int>(nodes_.size()); }
  bool Empty() const noexcept { return head_ == nullptr; }
  DSNode* Last() const noexcept { return tail_; }

  // --- look-ups (first match in list order) --------------------------------------------
  DSNode* Find(const DSNode& pattern) const;
  DSNode* Find2(const DSNode& pattern) const;
  DSNode* FindKey(std::string_view key) const;
  DSNode* FindKey2(std::string_view key0, std::string_view key1) const;
  bool Exists(const DSNode* pattern) const;
  bool Exists2(const DSNode* pattern) const;
  // Records whose cells 1 and 5 both equal the pattern's.
  int CountSame(const DSNode& pattern) const;

  // --- changes -------------------------------------------------------------------------
  // Inserts a copy before the first record "greater" than it: numerically when the new
  // key reads a number other than 0, else bytewise; after all records when none is.
  // Returns the stored copy.
  DSNode& AddSorted(const DSNode& record);
  // Overwrites cells 1..25 of the first record with the same cell 0 and returns it;
  // none found: AddSorted and nullptr.
  DSNode* Update(const DSNode& record);
  // Overwrites all cells of the first record with the same cells 0 and 1 and returns it;
  // none found: AddSorted and nullptr.
  DSNode* Update2(const DSNode& record);
  bool Delete(const DSNode* pattern);
  bool Delete2(const DSNode* pattern);
  // Removes exactly this stored record; false when it is not one of this list's.
  bool Remove(DSNode* record);
  void Clear();
  // Mode 'b': stable reorder by cell 1, bytewise; any other mode changes nothing.
  bool SortByCell1(char mode);

  // --- marks ---------------------------------------------------------------------------
  bool SetMarked(const DSNode* record);
  DSNode* GetMarked() const noexcept;

  // --- captions and headings -----------------------------------------------------------
  // Numbers other than 1..3 show "Title Error" / "Value != 1 2 3 " through the dialogs.
  void SetTitle(int which, std::string_view text, Dialogs& dialogs);
  std::string GetTitle(int which, Dialogs& dialogs) const;
  // Direct access to the three captions (index 1..3) where no message can arise.
  const std::string& Title(int which) const;
  void SetTitleText(int which, std::string_view text);
  void SetColumnCount(int count) noexcept;
  int GetColumnCount() const noexcept { return columnCount_; }
  void SetTitleRow(const DSNode& record, int which) noexcept;
  const DSNode& TitleRow(int which) const noexcept { return titleRow_[which == 1 ? 1 : 0]; }

  // Empties `items`, then adds cell (letter - 'a') of every record for 'a'..'e', or
  // "out of range" once per record for any other letter.
  void FillItems(std::vector<std::string>& items, char letter) const;

  // --- range-for over the records ------------------------------------------------------
  class Iterator {
   public:
    explicit Iterator(DSNode* node) noexcept : node_(node) {}
    DSNode& operator*() const noexcept { return *node_; }
    DSNode* operator->() const noexcept { return node_; }
    Iterator& operator++() noexcept;
    bool operator==(const Iterator& other) const noexcept = default;

   private:
    DSNode* node_;
  };
  Iterator begin() const noexcept { return Iterator(head_); }
  Iterator end() const noexcept { return Iterator(nullptr); }

 private:
  friend class DSNode;
  using Entries = std::vector<DSNode*>;  // index entries, in list order

  void KeyWillChange(DSNode& node);
  void KeyChanged(DSNode& node);
  void IndexInsert(DSNode& node);
  void IndexErase(DSNode& node);
  void RaiseKeyBounds(std::string_view key);
  void LinkBefore(DSNode& node, DSNode* successor);
  void Unlink(DSNode& node);
  void AssignOrder(DSNode& node);
  void Renumber();
  void RebuildIndex();
  DSNode* FirstGreater(std::string_view key) const;
  static std::string PairKey(std::string_view key0, std::string_view key1);

  DSNode* head_ = nullptr;
  DSNode* tail_ = nullptr;
  std::vector<std::unique_ptr<DSNode>> nodes_;  // owns the records; order is irrelevant
  std::unordered_map<std::string, Entries> byKey_;
  std::unordered_map<std::string, Entries> byKeyPair_;
  // Upper bounds of the largest key, numerically and as text, over all records; they
  // allow AddSorted to append without a walk when a key sorts after every record.
  long long numericKeyBound_ = 0;
  std::string textKeyBound_;
  bool boundsKnown_ = false;

  std::array<DSNode, 2> titleRow_;
  int columnCount_ = 26;
  std::array<std::string, 3> titles_;
};

}  // namespace quenchel
