#include "file/line_reader.h"

namespace quenchel {

std::optional<std::string_view> LineReader::Next(std::size_t limit) noexcept {
  if (failed_ || position_ >= text_.size()) {
    failed_ = true;
    return std::nullopt;
  }
  std::size_t end = text_.find('\n', position_);
  const std::size_t next = end == std::string_view::npos ? text_.size() : end + 1;
  if (end == std::string_view::npos) end = text_.size();
  std::string_view line = text_.substr(position_, end - position_);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  position_ = next;
  if (line.size() > limit) {
    failed_ = true;
    return std::nullopt;
  }
  return line;
}

}  // namespace quenchel
