#pragma once
// Runs quenchel-cli in-process for the command-line tests and reads what it wrote.

#include <fstream>
#include <iterator>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli_app.h"

namespace quenchel::clitest {

// The sample competition every command is tried on.
inline std::string SamplePath() { return std::string(QUENCHEL_EXAMPLES_DIR) + "/spring-show.FCR"; }

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

// The tool's commands, and the extra ones given (the PDF build's).
inline CliRun RunTool(const std::vector<std::string>& args, std::span<const CliCommand> extra = {}) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCli(args, out, err, extra);
  return {status, out.str(), err.str()};
}

// The whole file; empty when it cannot be read.
inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The pages of a PDF file's text.
inline int PdfPages(const std::string& pdf) {
  int pages = 0;
  for (std::size_t at = pdf.find("/Type /Page\n"); at != std::string::npos; at = pdf.find("/Type /Page\n", at + 1))
    ++pages;
  return pages;
}

inline bool Contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

}  // namespace quenchel::clitest
