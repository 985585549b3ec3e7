#pragma once
// Open and save dialogs, as the logic asks for them.

#include <optional>
#include <string>

namespace quenchel {

struct FileDialogRequest {
  std::string title;             // "Open", "Save As...."
  std::string filter;            // "Quenchel Files(*.FCR)|*.FCR|Any file|*.*": name|pattern pairs
  std::string defaultExtension;  // "FCR", without the dot
  std::string initialFolder;     // empty: the view chooses (the current file's folder, else documents)
  std::string fileName;          // proposed name, may be empty
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen path, or nothing when the user cancels.
  virtual std::optional<std::string> OpenFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> SaveFile(const FileDialogRequest& request) = 0;
};

}  // namespace quenchel
