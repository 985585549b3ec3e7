#include "shell/backup_names.h"

#include <algorithm>
#include <cctype>

namespace quenchel {

namespace {

// Position of the extension's dot in the last path component, or npos.
std::size_t ExtensionDot(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  const std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || dot < nameStart || dot == nameStart) return std::string_view::npos;
  return dot;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}

std::string WithExtension(std::string_view path, std::string_view extension) {
  const std::size_t dot = ExtensionDot(path);
  return std::string(path.substr(0, dot == std::string_view::npos ? path.size() : dot)) + std::string(extension);
}

}  // namespace

std::string BackupFileName(std::string_view currentFileName) {
  const std::size_t dot = ExtensionDot(currentFileName);
  if (dot != std::string_view::npos && EqualsIgnoringCase(currentFileName.substr(dot), ".BAK"))
    return std::string(currentFileName) + ".BAK";
  return WithExtension(currentFileName, ".BAK");
}

std::string RestoredFileName(std::string_view backupFileName) { return WithExtension(backupFileName, ".FCR"); }

}  // namespace quenchel
