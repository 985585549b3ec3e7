#pragma once
// The start-up captions, column counts and heading rows of the twelve shown lists.

#include <string_view>
#include <vector>

#include "store/competition.h"

namespace quenchel {

struct ListHeadings {
  ListId list;
  std::string_view title1;
  std::string_view title3;
  int columnCount;
  DSNode upper;  // TitleRow 0
  DSNode lower;  // TitleRow 1
};

const std::vector<ListHeadings>& StartupListHeadings();

}  // namespace quenchel
