#pragma once
// A fresh folder for one test, removed with everything in it at the end.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quenchel::testsupport {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const noexcept { return path_; }
  std::string File(std::string_view name) const { return (path_ / name).string(); }
  // Names of the entries in the folder, sorted.
  std::vector<std::string> Entries() const;

 private:
  std::filesystem::path path_;
};

}  // namespace quenchel::testsupport
