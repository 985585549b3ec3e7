#pragma once
// Changing the number of score fields of an existing class. Reports that show fields of
// the class choose them by number, so a change puts their selection for this class in
// doubt: they are marked not trusted until the report editor confirms them, and fields
// that no longer exist are taken out of them.

namespace quenchel {

class Competition;
class Dialogs;

// Changes the class's field count from `from` to `to` and answers the count that
// results: `from` when the user declines to take removed fields out of the reports that
// use them (and then no report is touched), otherwise `to`.
int ChangeScoreFieldCount(Competition& competition, Dialogs& dialogs, int classNo, int from, int to);

}  // namespace quenchel
