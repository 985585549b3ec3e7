#pragma once
// The arguments of one command: options (which may stand before, between or after the
// file names) and file names. After "--" every argument is a file name, so a file whose
// name starts with "-" can still be given.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quenchel {

struct CommandArguments {
  std::vector<std::string> files;
  std::vector<std::string> options;  // as given, without --help / -h
  bool help = false;                 // --help or -h was given; it wins over any error
  std::string error;                 // the first problem found; empty when usable

  bool Has(std::string_view option) const;
};

// `knownOptions` are the command's options besides --help and -h; `fileCount` is the
// number of file names it takes.
CommandArguments ParseCommandArguments(std::span<const std::string> args,
                                       std::span<const std::string_view> knownOptions,
                                       std::size_t fileCount);

}  // namespace quenchel
