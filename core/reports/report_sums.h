#pragma once
// The sums of a results table. Each addition is written with the score format and read
// back before the next one, so a total rounds the way its shown cells do. With a plain
// fixed-point format ("%6.1f") that round trip is exact arithmetic on whole steps of the
// last decimal, so such sums are carried as step counts and written out once, when the
// table is done; with any other format every step is written and read back.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/text_hash.h"
#include "reports/text_store.h"

namespace quenchel {

class Dialogs;

// A score value as the table shows it (FormatScore), with what adding it needs.
struct ShownScore {
  std::string text;
  double value = 0;                // the text read back
  bool readable = true;            // false: reading the text shows "Input Error" every time
  std::optional<long long> steps;  // the value in steps of the last decimal, when it can be carried
  bool lasting = false;            // the reference stays valid for the whole computation
};

// A cell of a results table while it is being filled.
struct TableCell {
  const std::string* text = nullptr;  // the cell's text unless `carried`; none: empty
  long long steps = 0;                // the sum, when `carried`
  bool carried = false;
};

class ReportSums {
 public:
  // Texts written at every step are kept in `texts`.
  ReportSums(std::string_view format, Dialogs& dialogs, TextStore& texts);

  // The raw score text as shown. Texts seen before are formatted once, unless formatting
  // them shows a message, which must then be shown each time as well. The reference
  // stays valid until the next call, or for the whole computation when `lasting`.
  const ShownScore& Show(std::string_view raw);
  // The same for a text whose formatting shows no message; none for the others, which
  // only Show may format, as it shows their message.
  const ShownScore* Quiet(std::string_view raw);

  // The cell becomes the written sum of its value and the shown value.
  void Add(TableCell& cell, const ShownScore& value);
  // The cell's value as reading its text gives it; an unreadable text shows the message.
  double Value(const TableCell& cell);
  std::string Text(const TableCell& cell) const;

 private:
  struct FixedFormat {
    int width = 0;
    int precision = 6;
  };
  struct Recent {
    std::string raw;
    const ShownScore* shown = nullptr;
  };

  static std::optional<FixedFormat> ParseFixed(std::string_view format);
  ShownScore Describe(std::string text) const;
  double StepsValue(long long steps) const noexcept;
  std::string StepsText(long long steps) const;

  std::string format_;
  Dialogs& dialogs_;
  TextStore& texts_;
  std::optional<FixedFormat> fixed_;
  TextMap<ShownScore> shown_;
  std::vector<Recent> recent_;  // the last text seen at each hash slot; most look-ups end here
  ShownScore unshared_;  // the last value whose formatting showed a message
};

}  // namespace quenchel
