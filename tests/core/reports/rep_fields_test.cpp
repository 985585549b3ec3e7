#include "reports/rep_fields.h"

#include <gtest/gtest.h>

#include "report_fixture.h"

namespace quenchel {
namespace {

using RepFieldTest = quenchel::testing::ReportFixture;

TEST_F(RepFieldTest, MissingRecordReadsUnselectedAndTrusted) {
  EXPECT_EQ(GetRepFieldFlag(competition, 1, 2, 5), "N");
  EXPECT_TRUE(IsRepFieldTrusted(competition, 1, 2));
  EXPECT_TRUE(IsReportTrusted(competition, 1));
  SetRepFieldTrust(competition, 1, 2, false);  // no record: nothing to mark
  EXPECT_EQ(competition.RepFieldList.Count(), 0);
  EXPECT_TRUE(IsReportTrusted(competition, 1));
}

TEST_F(RepFieldTest, SettingAFlagCreatesTheRecordWithEveryOtherFlagUnselected) {
  SetRepFieldFlag(competition, 3, 2, 17, "B");
  SetRepFieldFlag(competition, 3, 2, 1, "Y");
  ASSERT_EQ(competition.RepFieldList.Count(), 1);
  const DSNode& record = *competition.RepFieldList.First();
  EXPECT_EQ(record.Cell(0), "3");
  EXPECT_EQ(record.Cell(1), "2");
  EXPECT_EQ(GetRepFieldFlag(competition, 3, 2, 1), "Y");
  EXPECT_EQ(GetRepFieldFlag(competition, 3, 2, 17), "B");
  for (int field = 2; field <= 16; ++field) EXPECT_EQ(GetRepFieldFlag(competition, 3, 2, field), "N") << field;
  EXPECT_EQ(GetRepFieldFlag(competition, 3, 1, 1), "N");  // another class
}

TEST_F(RepFieldTest, NumbersCompareAsIntegers) {
  competition.RepFieldList.AddSorted(MakeRecord({"03", "2x", "Y"}));
  EXPECT_EQ(GetRepFieldFlag(competition, 3, 2, 1), "Y");
  SetRepFieldFlag(competition, 3, 2, 2, "B");
  EXPECT_EQ(competition.RepFieldList.Count(), 1);
}

TEST_F(RepFieldTest, AnUntrustedClassMakesItsReportUntrusted) {
  Select(1, 1, {1});
  Select(1, 2, {1});
  Select(2, 1, {1});
  SetRepFieldTrust(competition, 1, 2, false);
  EXPECT_FALSE(IsRepFieldTrusted(competition, 1, 2));
  EXPECT_TRUE(IsRepFieldTrusted(competition, 1, 1));
  EXPECT_FALSE(IsReportTrusted(competition, 1));
  EXPECT_TRUE(IsReportTrusted(competition, 2));
  SetRepFieldTrust(competition, 1, 2, true);
  EXPECT_TRUE(IsReportTrusted(competition, 1));
}

TEST_F(RepFieldTest, ABatchIsUntrustedWhenOneOfItsReportsIs) {
  AddReport(1, "I").SetCell(20, "-Y");   // batch 1
  AddReport(2, "I").SetCell(20, "YY");   // batches 0 and 1
  AddReport(3, "I").SetCell(20, "NNY");  // batch 2
  Select(1, 1, {1});
  Select(2, 1, {1});
  SetRepFieldTrust(competition, 1, 1, false);
  EXPECT_FALSE(BatchReportsTrusted(competition, 1));
  EXPECT_TRUE(BatchReportsTrusted(competition, 0));
  EXPECT_TRUE(BatchReportsTrusted(competition, 2));
  EXPECT_TRUE(BatchReportsTrusted(competition, 7)) << "beyond every report's flags";
  EXPECT_FALSE(ReportInBatch(*FindReport(competition, 3), -1));
}

TEST_F(RepFieldTest, FieldTitleMarksTieBreakFieldsOnlyWhenTheTieBreakIsInUse) {
  AddFieldTitles(1, {"Shoe", "Fit"});
  DSNode& report = AddReport(1, "I");
  Select(1, 1, {1}, "B");
  Select(1, 1, {2}, "Y");
  EXPECT_EQ(FieldTitleFor(competition, 1, 1, 1), "Shoe");
  report.SetCell(16, "Y");
  EXPECT_EQ(FieldTitleFor(competition, 1, 1, 1), "Shoe*");
  EXPECT_EQ(FieldTitleFor(competition, 1, 1, 2), "Fit");
  EXPECT_EQ(FieldTitleFor(competition, 1, 9, 1), "");  // no field titles for the class
}

}  // namespace
}  // namespace quenchel
