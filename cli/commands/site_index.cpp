#include "commands/site_index.h"

#include <charconv>

#include "commands/site_file_names.h"
#include "reports/web_text.h"
#include "setup/colour_tables.h"
#include "store/competition.h"

namespace quenchel {
namespace {

// The list's text size in pixels, and the heading's 4 pixels larger, as on the report
// pages; none when the setting is not a whole number.
std::string SizeRule(std::string_view size, int larger) {
  int value = 0;
  const char* end = size.data() + size.size();
  const auto [stop, error] = std::from_chars(size.data(), end, value);
  if (size.empty() || error != std::errc{} || stop != end) return "";
  return " font-size: " + std::to_string(value + larger) + "px;";
}

}  // namespace

WebPageLines BuildSiteIndex(std::string_view competitionTitle, const Settings& settings,
                            std::span<const SitePage> pages) {
  const std::string title = competitionTitle.empty() ? std::string("Results") : HtmlText(competitionTitle);
  const std::string colour(TextColourCode(settings.WebFontColour));

  WebPageLines lines;
  lines.emplace_back("<!DOCTYPE html>");
  lines.emplace_back("<html>");
  lines.emplace_back("<head>");
  lines.emplace_back("<meta charset=\"utf-8\">");
  lines.push_back("<title>" + title + "</title>");
  lines.emplace_back("<style>");
  lines.push_back("html *{ font-family:" + HtmlText(settings.WebFontName) + "; }");
  lines.push_back("h1{color : #" + colour + ";" + SizeRule(settings.WebFontSize, 4) + " text-align: center;}");
  lines.push_back("li, a{color : #" + colour + ";" + SizeRule(settings.WebFontSize, 0) + "}");
  lines.push_back("Body{background-color: #" + std::string(BackgroundColourCode(settings.WebBackColour)) + ";}");
  lines.emplace_back("</style>");
  lines.emplace_back("</head>");
  lines.emplace_back("<body>");
  lines.push_back("<h1>" + title + "</h1>");
  lines.emplace_back("<ul>");
  for (const SitePage& page : pages)
    lines.push_back("<li><a href=\"" + FileNameLink(page.fileName) + "\">" + HtmlText(page.title) + "</a></li>");
  lines.emplace_back("</ul>");
  lines.emplace_back("</body>");
  lines.emplace_back("</html>");
  return lines;
}

}  // namespace quenchel
