#pragma once
// The front page of a results site: the competition title and one link per report page,
// in the competition's web font and colours.

#include <span>
#include <string>

#include "reports/web_page.h"

namespace quenchel {

struct Settings;

inline constexpr std::string_view kSiteIndexName = "index.html";

struct SitePage {
  std::string title;     // the report title, Windows-1252 as the competition holds it
  std::string fileName;  // UTF-8, relative to the index
};

// UTF-8 lines; every text from the competition is escaped.
WebPageLines BuildSiteIndex(std::string_view competitionTitle, const Settings& settings,
                            std::span<const SitePage> pages);

}  // namespace quenchel
