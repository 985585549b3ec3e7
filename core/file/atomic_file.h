#pragma once
// Whole-file reading and crash-safe whole-file writing.

#include <optional>
#include <string>
#include <string_view>

namespace quenchel {

struct WriteResult {
  bool ok = false;
  std::string error;  // what went wrong, for logs and the command-line tool
};

// Writes files whole. A failed write leaves any existing file of that name untouched.
class FileWriter {
 public:
  virtual ~FileWriter() = default;
  virtual WriteResult WriteWholeFile(const std::string& path, std::string_view bytes) = 0;
};

// Writes to a temporary file in the target's folder, checks every write, flushes it to
// disk and renames it over the target; on any failure the temporary file is removed.
class DiskFileWriter final : public FileWriter {
 public:
  WriteResult WriteWholeFile(const std::string& path, std::string_view bytes) override;
};

DiskFileWriter& DefaultFileWriter();

// The whole file as bytes, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

}  // namespace quenchel
