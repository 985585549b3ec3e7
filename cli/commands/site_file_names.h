#pragma once
// File names for the pages of a results site, made from report names. A report name is
// free text ("Open / Novice?", "Results: Day 1"), and the site is copied to web servers
// and USB sticks of every kind, so a name keeps only what every file system takes.

#include <set>
#include <string>
#include <string_view>

namespace quenchel {

// The report name (Windows-1252) as a file name without extension, in UTF-8: control
// characters and < > : " / \ | ? * become "_", a leading dot "_" too (no hidden files,
// no "." or ".."), blanks and dots at the ends are dropped, long names are cut to 80
// characters and device names such as "CON" or "nul.txt" get a "_" in front. A name
// with nothing left becomes "report-N" with the report number.
std::string SafeFileStem(std::string_view reportName, int reportNo);

// Hands out each name once, comparing without regard to letter case (two pages that
// differ only in case would overwrite each other on Windows and macOS): a name already
// taken gets "-2", "-3" ... before its extension.
class UniqueFileNames {
 public:
  std::string Claim(std::string_view stem, std::string_view extension);

 private:
  std::set<std::string> taken_;  // lower-cased
};

// The file name as a relative link: every byte but letters, digits and "-._~"
// percent-encoded, so blanks and non-ASCII names work in every browser.
std::string FileNameLink(std::string_view fileName);

}  // namespace quenchel
