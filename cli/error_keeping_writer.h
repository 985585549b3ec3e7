#pragma once
// A file writer that keeps the reason of a failed write. The program's own messages only
// say that saving failed; on the command line the cause (a missing folder, no
// permission) matters.

#include <string>
#include <string_view>

#include "file/atomic_file.h"

namespace quenchel {

class ErrorKeepingWriter final : public FileWriter {
 public:
  explicit ErrorKeepingWriter(FileWriter& inner) : inner_(inner) {}

  WriteResult WriteWholeFile(const std::string& path, std::string_view bytes) override {
    WriteResult result = inner_.WriteWholeFile(path, bytes);
    if (!result.ok) error_ = result.error;
    return result;
  }
  // The reason of the last failed write; empty when none failed.
  const std::string& Error() const noexcept { return error_; }

 private:
  FileWriter& inner_;
  std::string error_;
};

}  // namespace quenchel
