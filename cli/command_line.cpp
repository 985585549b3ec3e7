#include "command_line.h"

#include <algorithm>
#include <iterator>

namespace quenchel {

namespace {

bool IsHelp(std::string_view arg) { return arg == "--help" || arg == "-h"; }

// A lone "-" is a file name, as it is for most tools.
bool LooksLikeOption(std::string_view arg) { return arg.size() > 1 && arg.front() == '-'; }

}  // namespace

bool CommandArguments::Has(std::string_view option) const {
  return std::find(options.begin(), options.end(), option) != options.end();
}

std::optional<std::string> CommandArguments::Value(std::string_view option) const {
  std::optional<std::string> value;
  for (const auto& [name, given] : values)
    if (name == option) value = given;
  return value;
}

CommandArguments ParseCommandArguments(std::span<const std::string> args,
                                       std::span<const std::string_view> knownOptions,
                                       std::size_t fileCount,
                                       std::span<const std::string_view> valueOptions) {
  CommandArguments parsed;
  auto fail = [&parsed](std::string message) {
    if (parsed.error.empty()) parsed.error = std::move(message);
  };

  bool optionsEnded = false;
  for (auto next = args.begin(); next != args.end(); ++next) {
    const std::string& arg = *next;
    if (optionsEnded || !LooksLikeOption(arg)) {
      parsed.files.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (IsHelp(arg)) {
      parsed.help = true;
    } else if (std::find(valueOptions.begin(), valueOptions.end(), arg) != valueOptions.end()) {
      if (std::next(next) == args.end()) {
        fail("option '" + arg + "' needs a value");
      } else {
        ++next;
        parsed.values.emplace_back(arg, *next);
      }
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
