#include "reports/rep_fields.h"

#include "reports/report_cells.h"
#include "store/cell_text.h"
#include "store/competition.h"

namespace quenchel {
namespace {

constexpr int kTrustCell = 23;
constexpr int kTieBreakInUseCell = 16;

// Field f is held in cell f + 1 of RepFieldList, FieldList and ScoreList records.
int FieldCell(int field) noexcept { return field + 1; }
bool IsField(int field) noexcept { return field >= 1 && field <= kReportFieldCount; }

DSNode* FindRepField(const Competition& competition, int report, int classNo) {
  for (DSNode& record : competition.RepFieldList) {
    if (ReadInt(record.Cell(0)) == report && ReadInt(record.Cell(1)) == classNo) return &record;
  }
  return nullptr;
}

}  // namespace

const DSNode* FindReport(const Competition& competition, int report) {
  for (const DSNode& record : competition.ReportList) {
    if (ReadInt(record.Cell(0)) == report) return &record;
  }
  return nullptr;
}

std::string GetRepFieldFlag(const Competition& competition, int report, int classNo, int field) {
  const DSNode* record = FindRepField(competition, report, classNo);
  if (record == nullptr || !IsField(field)) return "N";
  return record->CellString(FieldCell(field));
}

void SetRepFieldFlag(Competition& competition, int report, int classNo, int field, std::string_view flag) {
  if (!IsField(field)) return;
  if (DSNode* record = FindRepField(competition, report, classNo)) {
    record->SetCell(FieldCell(field), flag);
    return;
  }
  DSNode record;
  record.SetCell(0, std::to_string(report));
  record.SetCell(1, std::to_string(classNo));
  for (int f = 1; f <= kReportFieldCount; ++f) record.SetCell(FieldCell(f), "N");
  record.SetCell(FieldCell(field), flag);
  competition.RepFieldList.AddSorted(record);
}

void SetRepFieldTrust(Competition& competition, int report, int classNo, bool trusted) {
  if (DSNode* record = FindRepField(competition, report, classNo)) {
    record->SetCell(kTrustCell, trusted ? "" : "N");
  }
}

bool IsRepFieldTrusted(const Competition& competition, int report, int classNo) {
  const DSNode* record = FindRepField(competition, report, classNo);
  return record == nullptr || !record->CellIs(kTrustCell, "N");
}

bool IsReportTrusted(const Competition& competition, int report) {
  for (const DSNode& record : competition.RepFieldList) {
    if (ReadInt(record.Cell(0)) == report && record.CellIs(kTrustCell, "N")) return false;
  }
  return true;
}

bool ReportInBatch(const DSNode& report, int batch) {
  const std::string_view flags = report.Cell(report_cell::kBatchFlags);
  return batch >= 0 && static_cast<std::size_t>(batch) < flags.size() && flags[static_cast<std::size_t>(batch)] == 'Y';
}

bool BatchReportsTrusted(const Competition& competition, int batch) {
  for (const DSNode& report : competition.ReportList) {
    if (ReportInBatch(report, batch) && !IsReportTrusted(competition, ReadInt(report.Cell(0)))) return false;
  }
  return true;
}

std::string FieldTitleFor(const Competition& competition, int report, int classNo, int field) {
  std::string title;
  for (const DSNode& record : competition.FieldList) {
    if (ReadInt(record.Cell(0)) == classNo) {
      title = record.CellString(FieldCell(field));
      break;
    }
  }
  const DSNode* definition = FindReport(competition, report);
  if (definition != nullptr && definition->CellIs(kTieBreakInUseCell, "Y") &&
      GetRepFieldFlag(competition, report, classNo, field) == "B") {
    title += '*';
  }
  return title;
}

}  // namespace quenchel
