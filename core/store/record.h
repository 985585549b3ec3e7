#pragma once
// One record of a record list: 26 text cells of at most 59 bytes each.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quenchel {

class DSList;

class DSNode {
 public:
  static constexpr int kCellCount = 26;
  static constexpr std::size_t kCellCapacity = 59;  // bytes; the file format's cell line limit
  static constexpr std::string_view kBufText = "0123456789012345678";

  DSNode() = default;
  // A copy is always free-standing: it takes the cells (and mark), never the links.
  DSNode(const DSNode& other);
  // Assigning to a stored record overwrites its cells in place; its list keeps track of
  // key changes, so look-ups stay right.
  DSNode& operator=(const DSNode& other);
  ~DSNode() = default;

  // Cell i (0..25); an index outside that range reads as the empty text.
  std::string_view Cell(int i) const noexcept;
  std::string CellString(int i) const { return std::string(Cell(i)); }
  // Stores the text, cut to 59 bytes (and at an embedded NUL, as the text ends there).
  // An index outside 0..25 is ignored.
  void SetCell(int i, std::string_view text);
  bool CellIs(int i, std::string_view text) const noexcept { return Cell(i) == text; }

  bool Marked() const noexcept { return marked_; }
  // The diagnostic text set when the record is placed in a list; empty otherwise.
  std::string_view Buf() const noexcept { return inList_ ? kBufText : std::string_view(); }
  // True when this record is stored in the given list (identity, not content).
  bool BelongsTo(const DSList& list) const noexcept { return owner_ == &list; }

 private:
  friend class DSList;

  static std::string_view CutToCell(std::string_view text) noexcept;
  void AssignCell(int i, std::string_view text);  // text already cut

  // The cells are kept packed one after another in `text_`; cell i is the bytes from
  // offsets_[i] to offsets_[i + 1]. Most cells are short or empty, so a record takes a
  // small fraction of 26 fixed 60-byte slots, which matters for large competitions.
  std::array<std::uint16_t, kCellCount + 1> offsets_{};
  std::string text_;
  bool marked_ = false;
  bool inList_ = false;
  // Links and book-keeping of the owning list; null for a free-standing record.
  DSList* owner_ = nullptr;
  DSNode* next_ = nullptr;
  DSNode* before_ = nullptr;
  std::uint64_t order_ = 0;  // increases along the chain; orders index entries
  std::size_t slot_ = 0;     // position in the owner's storage
};

// A free-standing record with all cells empty.
inline DSNode NewRecord() { return DSNode(); }

// Convenience for building records in code: cells 0.. in order.
DSNode MakeRecord(std::initializer_list<std::string_view> cells);

}  // namespace quenchel
