#pragma once
// The platform's font dialog.

#include <optional>
#include <string>

namespace quenchel {

struct FontChoice {
  std::string name;
  int size = 8;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

class FontDialog {
 public:
  virtual ~FontDialog() = default;
  // Opens on `initial`; sizes may be limited to minSize..maxSize (0: no limit). Nothing
  // when the user cancels.
  virtual std::optional<FontChoice> ChooseFont(const FontChoice& initial, int minSize = 0, int maxSize = 0) = 0;
};

}  // namespace quenchel
