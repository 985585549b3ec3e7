// Score values, number formats and the scripted message boxes.

#include "store/values.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/scripted_dialogs.h"

namespace quenchel {
namespace {

constexpr std::string_view kInputError = "Input Error";
constexpr std::string_view kNotValid = "Not a valid input";

// --- ScoreValue --------------------------------------------------------------------------

struct ScoreCase {
  std::string_view text;
  double value;
  bool refused;  // shows "Input Error" / "Not a valid input" once
};

class ScoreValueTable : public testing::TestWithParam<char> {};

TEST_P(ScoreValueTable, ReadsEitherDecimalMarkAndRefusesOtherText) {
  const char decimalMark = GetParam();
  const ScoreCase cases[] = {
      {"", 0, false},
      {"   ", 0, false},
      {"NULL", 0, false},
      {"  NULL", 0, false},
      {"DNF", 0, false},
      {"dnf", 0, false},
      {"Dnf", 0, false},
      {"  dnf", 0, false},
      {"n", 0, false},
      {"nf", 0, false},
      {"fD", 0, false},
      {"F", 0, false},
      {"DNFD", 0, false},
      {"7,5", 7.5, false},
      {"7.5", 7.5, false},
      {" 6", 6, false},
      {"7.0      ", 7, false},
      {"-2.5", -2.5, false},
      {"+3", 3, false},
      {".5", 0.5, false},
      {",5", 0.5, false},
      {"5.", 5, false},
      {"1e2", 100, false},
      {"2.5E-1", 0.25, false},
      {"0", 0, false},
      {"abc", 0, true},
      {"DNF ", 0, true},
      {"dnF", 0, true},
      {"nfd", 0, true},
      {"null", 0, true},
      {"nan", 0, true},
      {"inf", 0, true},
      {"0x10", 0, true},
      {"1e", 0, true},
      {"--1", 0, true},
      {"1.2.3", 0, true},
      {"7,5,5", 0, true},
      {"1,000.5", 0, true},
      {"7 5", 0, true},
      {"-", 0, true},
      {".", 0, true},
  };
  for (const ScoreCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
    ScriptedDialogs dialogs;
    EXPECT_DOUBLE_EQ(ScoreValue(c.text, dialogs, decimalMark), c.value);
    EXPECT_EQ(dialogs.CountShown(kInputError, kNotValid), c.refused ? 1 : 0);
    EXPECT_EQ(dialogs.Messages().size(), c.refused ? 1U : 0U);
  }
}

INSTANTIATE_TEST_SUITE_P(DecimalMarks, ScoreValueTable, testing::Values('.', ','),
                         [](const testing::TestParamInfo<char>& param) {
                           return std::string(param.param == '.' ? "Point" : "Comma");
                         });

TEST(ScoreValue, RefusalIsAnInformationMessage) {
  ScriptedDialogs dialogs;
  ScoreValue("abc", dialogs);
  ASSERT_EQ(dialogs.Messages().size(), 1U);
  EXPECT_EQ(dialogs.Messages()[0].kind, ScriptedDialogs::Kind::Information);
  EXPECT_EQ(dialogs.UnexpectedQuestions(), 0);
}

TEST(ScoreValue, DidNotFinishFormsAreTheFragmentsOfTheThreeSpellings) {
  for (std::string_view text : {"d", "D", "N", "Dn", "FD", "fDNFDnf", "dnfDNFDnf"})
    EXPECT_TRUE(IsDidNotFinish(text)) << text;
  for (std::string_view text : {"", "dnF", "dd", "DNF ", " dnf", "x"}) EXPECT_FALSE(IsDidNotFinish(text)) << text;
}

// --- FormatScore -------------------------------------------------------------------------

TEST(FormatScore, ShowsScoresInTheScoreFormat) {
  struct Case {
    std::string_view text;
    std::string_view shown;
    bool refused;
  };
  const Case cases[] = {
      {"", "", false},          {"   ", "", false},        {"dnf", "DNF", false},   {"Dnf", "DNF", false},
      {"  nf", "DNF", false},   {"7", "   7.0", false},    {"7,5", "   7.5", false}, {"7.5", "   7.5", false},
      {" 12", "  12.0", false}, {"NULL", "   0.0", false}, {"DNF ", "   0.0", true}, {"abc", "   0.0", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
    ScriptedDialogs dialogs;
    EXPECT_EQ(FormatScore("%6.1f", c.text, dialogs), c.shown);
    EXPECT_EQ(dialogs.CountShown(kInputError, kNotValid), c.refused ? 1 : 0);
    EXPECT_EQ(dialogs.Messages().size(), c.refused ? 1U : 0U);
  }
}

// --- FormatInt and FormatFloat -----------------------------------------------------------

TEST(FormatInt, FormatsOneIntegerConversion) {
  struct Case {
    std::string_view format;
    int value;
    std::string_view expected;
  };
  const Case cases[] = {
      {"%d", 12, "12"},
      {"%02d", 7, "07"},
      {"%i", -7, "-7"},
      {"%+d", 12, "+12"},
      {"%-4d|", 12, "12  |"},
      {"%5.3d", 12, "  012"},
      {"No. %d", 12, "No. 12"},
      {"%d%%", 50, "50%"},
      {"%%%d%%", 5, "%5%"},
      {"%030d", 5, "0000000000000000000"},          // cut to 19 characters
      {"Number %d of the competition", 12, "Number 12 of the co"},
      {"%d", -2147483647 - 1, "-2147483648"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatInt(c.format, c.value), c.expected) << c.format;
}

TEST(FormatInt, UnsafeFormatsFallBackToPlainDecimal) {
  const std::string_view formats[] = {"%s", "%n", "%d%d", "%ld", "%hd", "%*d", "%.*d", "%x", "%f", "abc", "",
                                       "%",  "%d%", "%%", "%%d", "%1000d", "%5$d", std::string_view("%d\0%s", 5)};
  for (std::string_view format : formats) EXPECT_EQ(FormatInt(format, 12), "12") << "format \"" << format << "\"";
}

TEST(FormatFloat, FormatsOneFloatingConversion) {
  struct Case {
    std::string_view format;
    double value;
    std::string_view expected;
  };
  const Case cases[] = {
      {"%6.1f", 12.5, "  12.5"}, {"%6.2f", 12.5, " 12.50"}, {"%6.f", 12.6, "    13"},
      {"%.2e", 12.5, "1.25e+01"}, {"%g", 12.5, "12.5"},      {"%-7.1f|", 0.3, "0.3    |"},
      {"%5.1f%%", 7.5, "  7.5%"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatFloat(c.format, c.value), c.expected) << c.format;
}

TEST(FormatFloat, UnsafeFormatsFallBackToTheScoreFormat) {
  for (std::string_view format : {"%s", "%n", "%f%f", "%d", "%1000f", "%Lf", "%*f", "abc", "", "%", "%%"})
    EXPECT_EQ(FormatFloat(format, 12.5), "  12.5") << "format \"" << format << "\"";
}

TEST(HasText, IsTrueForAnyNonEmptyText) {
  EXPECT_FALSE(HasText(""));
  EXPECT_TRUE(HasText(" "));
  EXPECT_TRUE(HasText("0"));
}

// --- message boxes -----------------------------------------------------------------------

TEST(ScriptedDialogs, QuestionsTakeQueuedAnswersAndUnqueuedOnesCountAsNo) {
  ScriptedDialogs dialogs;
  dialogs.Answer(true);
  dialogs.Answer(false);

  EXPECT_TRUE(dialogs.AskYesNo("Delete", "Sure?"));
  EXPECT_FALSE(dialogs.AskYesNo("Delete", "Sure?"));
  EXPECT_EQ(dialogs.UnexpectedQuestions(), 0);
  EXPECT_FALSE(dialogs.AskYesNo("Delete", "Really?"));
  EXPECT_EQ(dialogs.UnexpectedQuestions(), 1);
}

TEST(ScriptedDialogs, RecordsEveryBoxWithItsKindCaptionAndText) {
  ScriptedDialogs dialogs;
  dialogs.Answer(true);
  dialogs.AskYesNo("Question", "Text ");
  dialogs.ShowInfo("Info", "Text ");
  dialogs.ShowInfo("Info", "Text ");

  using Kind = ScriptedDialogs::Kind;
  ASSERT_EQ(dialogs.Messages().size(), 3U);
  EXPECT_EQ(dialogs.Messages()[0], (ScriptedDialogs::Shown{Kind::Question, "Question", "Text "}));
  EXPECT_EQ(dialogs.Messages()[1], (ScriptedDialogs::Shown{Kind::Information, "Info", "Text "}));
  EXPECT_EQ(dialogs.CountShown("Info", "Text "), 2);
  EXPECT_EQ(dialogs.CountShown("Info", "Text"), 0);  // the trailing blank matters
  EXPECT_EQ(dialogs.CountShown("Question", "Text "), 1);

  dialogs.ClearMessages();
  EXPECT_TRUE(dialogs.Messages().empty());
}

}  // namespace
}  // namespace quenchel
