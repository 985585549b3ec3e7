#pragma once
// Which score fields of a class a report shows (RepFieldList), and whether a report's
// selections can be trusted after a class changed its number of score fields.
// Report and class numbers are compared as integers read from the cells.

#include <string>
#include <string_view>

namespace quenchel {

class Competition;
class DSNode;

inline constexpr int kReportFieldCount = 17;  // score fields 1..17; field 17 is the class total

// The report record with that number, or none.
const DSNode* FindReport(const Competition& competition, int report);

// "N", "Y" or "B" for field 1..17; "N" when the report has no record for the class.
std::string GetRepFieldFlag(const Competition& competition, int report, int classNo, int field);
// Creates the record with every flag "N" when it is missing, then sets the one flag.
void SetRepFieldFlag(Competition& competition, int report, int classNo, int field, std::string_view flag);
// Clears or sets the "N" mark; only an existing record is changed.
void SetRepFieldTrust(Competition& competition, int report, int classNo, bool trusted);
// True when there is no record, or the record is not marked "N".
bool IsRepFieldTrusted(const Competition& competition, int report, int classNo);
// True unless some record of the report is marked "N".
bool IsReportTrusted(const Competition& competition, int report);

// True when the report's batch flags (cell 20: position b, from 0, is "Y" for batch b)
// put it in the batch.
bool ReportInBatch(const DSNode& report, int batch);

// False when some report of the batch is not trusted.
bool BatchReportsTrusted(const Competition& competition, int batch);

// The title of the class's score field from FieldList (empty without a record), with "*"
// when the field counts in the tie-break and the report uses a tie-break.
std::string FieldTitleFor(const Competition& competition, int report, int classNo, int field);

}  // namespace quenchel
