#pragma once
// Reads a competition file line by line from memory. A line ends at LF (a CR before it
// is dropped). Once a read fails (end of the text, or a line over its limit) every
// further read fails too, so a reader can never wait for a line that will not come.

#include <optional>
#include <string_view>

namespace quenchel {

class LineReader {
 public:
  explicit LineReader(std::string_view text) noexcept : text_(text) {}

  // The next line, or nothing when there is none or it is longer than `limit` bytes.
  std::optional<std::string_view> Next(std::size_t limit) noexcept;
  bool Failed() const noexcept { return failed_; }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
  bool failed_ = false;
};

}  // namespace quenchel
