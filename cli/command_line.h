#pragma once
// The arguments of one command: options (which may stand before, between or after the
// file names) and file names. An option that takes a value has it in the next argument
// ("--pdf OUT"). After "--" every argument is a file name, so a file whose name starts
// with "-" can still be given.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quenchel {

struct CommandArguments {
  std::vector<std::string> files;
  std::vector<std::string> options;  // as given, without --help / -h
  std::vector<std::pair<std::string, std::string>> values;  // option and value, last one given wins
  bool help = false;                 // --help or -h was given; it wins over any error
  std::string error;                 // the first problem found; empty when usable

  bool Has(std::string_view option) const;
  // The value given to an option that takes one; nothing when it was not given.
  std::optional<std::string> Value(std::string_view option) const;
};

// `knownOptions` are the command's options besides --help and -h, `valueOptions` those
// that take a value; `fileCount` is the number of file names it takes.
CommandArguments ParseCommandArguments(std::span<const std::string> args,
                                       std::span<const std::string_view> knownOptions,
                                       std::size_t fileCount,
                                       std::span<const std::string_view> valueOptions = {});

}  // namespace quenchel
