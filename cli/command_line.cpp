#include "command_line.h"

#include <algorithm>

namespace quenchel {

namespace {

bool IsHelp(std::string_view arg) { return arg == "--help" || arg == "-h"; }

// A lone "-" is a file name, as it is for most tools.
bool LooksLikeOption(std::string_view arg) { return arg.size() > 1 && arg.front() == '-'; }

}  // namespace

bool CommandArguments::Has(std::string_view option) const {
  return std::find(options.begin(), options.end(), option) != options.end();
}

CommandArguments ParseCommandArguments(std::span<const std::string> args,
                                       std::span<const std::string_view> knownOptions,
                                       std::size_t fileCount) {
  CommandArguments parsed;
  auto fail = [&parsed](std::string message) {
    if (parsed.error.empty()) parsed.error = std::move(message);
  };

  bool optionsEnded = false;
  for (const std::string& arg : args) {
    if (optionsEnded || !LooksLikeOption(arg)) {
      parsed.files.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (IsHelp(arg)) {
      parsed.help = true;
    } else if (std::find(knownOptions.begin(), knownOptions.end(), arg) != knownOptions.end()) {
      if (!parsed.Has(arg)) parsed.options.push_back(arg);
    } else {
      fail("unknown option '" + arg + "'");
    }
  }

  if (parsed.files.size() < fileCount)
    fail("missing file argument");
  else if (parsed.files.size() > fileCount)
    fail("unexpected argument '" + parsed.files[fileCount] + "'");
  return parsed;
}

}  // namespace quenchel
