#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/scripted_platform.h"
#include "setup/colour_tables.h"
#include "setup/defaults_form.h"
#include "setup/print_font.h"
#include "setup/setup_fonts_form.h"
#include "store/competition.h"

namespace quenchel {
namespace {

using Kind = ScriptedDialogs::Kind;
using Shown = ScriptedDialogs::Shown;

bool SameSettings(const Settings& a, const Settings& b) {
  return a.LowestCompetitorNumber == b.LowestCompetitorNumber && a.ScoreFormat == b.ScoreFormat &&
         a.PrintFontName == b.PrintFontName && a.PrintFontSize == b.PrintFontSize && a.WebFontName == b.WebFontName &&
         a.WebFontSize == b.WebFontSize && a.WebFontColour == b.WebFontColour && a.WebBackColour == b.WebBackColour;
}

// --- defaults form -----------------------------------------------------------------------

struct PrecisionCase {
  ScorePrecision precision;
  const char* format;
};

class DefaultsPrecision : public ::testing::TestWithParam<PrecisionCase> {};

TEST_P(DefaultsPrecision, CheckedButtonMatchesTheStoredFormatBothWays) {
  const PrecisionCase& c = GetParam();
  Competition competition;
  TDefaultsForm form(competition);

  competition.settings.ScoreFormat = c.format;
  form.FormActivate();
  EXPECT_EQ(form.CheckedPrecision, c.precision);

  competition.settings.ScoreFormat = "%6.1f";
  form.FormActivate();
  form.PrecisionClick(c.precision);
  EXPECT_EQ(form.OKClick(), ModalResult::OK);
  EXPECT_EQ(competition.settings.ScoreFormat, c.format);
}

INSTANTIATE_TEST_SUITE_P(Formats, DefaultsPrecision,
                         ::testing::Values(PrecisionCase{ScorePrecision::WholeNumbers, "%6.f"},
                                           PrecisionCase{ScorePrecision::OneDecimal, "%6.1f"},
                                           PrecisionCase{ScorePrecision::TwoDecimals, "%6.2f"}));

class DefaultsFormTest : public ::testing::Test {
 protected:
  DefaultsFormTest() : form(competition) {
    competition.settings.LowestCompetitorNumber = 250;
    competition.settings.ScoreFormat = "%6.2f";
  }
  Competition competition;
  TDefaultsForm form;
};

TEST_F(DefaultsFormTest, ActivationShowsTheSettingsAndOkStoresTheTypedNumber) {
  form.FormActivate();
  EXPECT_EQ(form.EditLowestCompNo, "250");
  EXPECT_EQ(form.CheckedPrecision, ScorePrecision::TwoDecimals);

  form.EditLowestCompNo = " 0";
  form.OKClick();
  EXPECT_EQ(competition.settings.LowestCompetitorNumber, 0);
  EXPECT_EQ(competition.settings.ScoreFormat, "%6.2f");
  EXPECT_FALSE(competition.state.UnsavedData);
}

TEST_F(DefaultsFormTest, NumberThatIsNotANumberIsStoredAsZero) {
  form.FormActivate();
  form.EditLowestCompNo = "5OO";
  form.OKClick();
  EXPECT_EQ(competition.settings.LowestCompetitorNumber, 0);
  EXPECT_FALSE(competition.state.UnsavedData);
}

TEST_F(DefaultsFormTest, CancelChangesNothing) {
  const Settings before = competition.settings;
  form.FormActivate();
  form.EditLowestCompNo = "900";
  form.PrecisionClick(ScorePrecision::WholeNumbers);
  EXPECT_EQ(form.CancelClick(), ModalResult::Cancel);
  EXPECT_TRUE(SameSettings(competition.settings, before));
  EXPECT_FALSE(competition.state.UnsavedData);

  // The next activation shows the settings again, not the abandoned edits.
  form.FormActivate();
  EXPECT_EQ(form.EditLowestCompNo, "250");
  EXPECT_EQ(form.CheckedPrecision, ScorePrecision::TwoDecimals);
}

TEST_F(DefaultsFormTest, FormatFromAFileThatMatchesNoButtonSurvivesOk) {
  competition.settings.ScoreFormat = "%5.3f";
  form.FormActivate();
  EXPECT_FALSE(form.CheckedPrecision.has_value());
  form.OKClick();
  EXPECT_EQ(competition.settings.ScoreFormat, "%5.3f");
}

TEST(DefaultsFormTexts, AreTheFormsOwn) {
  EXPECT_EQ(TDefaultsForm::kCaption, "Defaults");
  EXPECT_EQ(TDefaultsForm::kScoresGroup, "Scores displayed and stored as ....");
  EXPECT_EQ(TDefaultsForm::kPrecisionTexts[0], "000. ( Whole numbers )");
  EXPECT_EQ(TDefaultsForm::kPrecisionTexts[2], "000.00 ( two decimal places i.e. 6.55 ) ");
  EXPECT_EQ(TDefaultsForm::kLowestCompNoNote, "( Recommend starting value 500 )");
}

// --- fonts form --------------------------------------------------------------------------

class FontsFormTest : public ::testing::Test {
 protected:
  FontsFormTest() : form(competition, platform.fonts, platform.dialogs) {
    Settings& s = competition.settings;
    s.WebFontName = "Verdana";
    s.WebFontSize = "18";
    s.WebFontColour = "Red";
    s.WebBackColour = "Grey Light";
    s.PrintFontName = "Arial";
    s.PrintFontSize = "9";
    form.FormShow();
  }
  static FontChoice Font(std::string name, int size) {
    FontChoice font;
    font.name = std::move(name);
    font.size = size;
    return font;
  }
  const ScriptedFontDialog::Asked& OnlyRequest() const {
    EXPECT_EQ(platform.fonts.Requests().size(), 1u);
    return platform.fonts.Requests().front();
  }

  Competition competition;
  ScriptedPlatform platform;
  TSetUpFontsForm form;
};

TEST_F(FontsFormTest, ColourListsHoldTheTablesInOrder) {
  EXPECT_EQ(form.FontColourItems(),
            (std::vector<std::string>{"Black", "Blue", "Green", "Grey", "Red", "Yellow", "White"}));
  EXPECT_EQ(form.BackColourItems(), (std::vector<std::string>{"BLack", "Blue Light", "Green Light", "Grey Light",
                                                              "Pink Light", "Red Light", "Yellow Light", "White"}));
}

TEST_F(FontsFormTest, ShowingDisplaysTheSettings) {
  EXPECT_EQ(form.WebFontName(), "Verdana");
  EXPECT_EQ(form.WebFontSize(), "18");
  EXPECT_EQ(form.FontColour(), "Red");
  EXPECT_EQ(form.BackColour(), "Grey Light");
  EXPECT_EQ(form.PrintFontName(), "Arial");
  EXPECT_EQ(form.PrintFontSize(), "9");
}

TEST_F(FontsFormTest, WebFontIsShownAtOnceAndStoredOnlyOnOk) {
  platform.fonts.Choose(Font("Tahoma", 24));
  form.btnWebpageFontClick();
  const auto& asked = OnlyRequest();
  EXPECT_EQ(asked.initial.name, "Verdana");
  EXPECT_EQ(asked.initial.size, 18);
  EXPECT_EQ(asked.minSize, 0);
  EXPECT_EQ(asked.maxSize, 0);
  EXPECT_EQ(form.WebFontName(), "Tahoma");
  EXPECT_EQ(form.WebFontSize(), "24");
  EXPECT_EQ(competition.settings.WebFontName, "Verdana");

  EXPECT_EQ(form.OKClick(), ModalResult::OK);
  EXPECT_EQ(competition.settings.WebFontName, "Tahoma");
  EXPECT_EQ(competition.settings.WebFontSize, "24");
  EXPECT_EQ(competition.settings.WebFontColour, "Red");
  EXPECT_EQ(competition.settings.WebBackColour, "Grey Light");
}

TEST_F(FontsFormTest, CancelKeepsTheWebSettingsButThePrintedFontStaysChosen) {
  platform.fonts.Choose(Font("Tahoma", 24));
  platform.fonts.Choose(Font("Courier New", 11));
  form.btnWebpageFontClick();
  form.cbFontColourChange("Blue");
  form.btnPrintedFontClick();
  EXPECT_EQ(form.CancelClick(), ModalResult::Cancel);

  EXPECT_EQ(competition.settings.WebFontName, "Verdana");
  EXPECT_EQ(competition.settings.WebFontSize, "18");
  EXPECT_EQ(competition.settings.WebFontColour, "Red");
  EXPECT_EQ(competition.settings.PrintFontName, "Courier New");
  EXPECT_EQ(competition.settings.PrintFontSize, "11");
  EXPECT_FALSE(competition.state.UnsavedData);
}

TEST_F(FontsFormTest, PrintedFontTakesEffectAtOnceWithSizesEightToTwelve) {
  platform.fonts.Choose(Font("Courier New", 12));
  form.btnPrintedFontClick();
  const auto& asked = OnlyRequest();
  EXPECT_EQ(asked.initial.name, "Arial");
  EXPECT_EQ(asked.initial.size, 9);
  EXPECT_EQ(asked.minSize, 8);
  EXPECT_EQ(asked.maxSize, 12);
  EXPECT_EQ(competition.settings.PrintFontName, "Courier New");
  EXPECT_EQ(competition.settings.PrintFontSize, "12");
  EXPECT_EQ(form.PrintFontName(), "Courier New");
  EXPECT_EQ(form.PrintFontSize(), "12");
  EXPECT_TRUE(platform.dialogs.Messages().empty());
}

TEST_F(FontsFormTest, CancelledFontDialogsChangeNothing) {
  const Settings before = competition.settings;
  form.btnWebpageFontClick();
  form.btnPrintedFontClick();
  EXPECT_EQ(form.WebFontName(), "Verdana");
  EXPECT_EQ(form.PrintFontSize(), "9");
  form.OKClick();
  EXPECT_TRUE(SameSettings(competition.settings, before));
  EXPECT_TRUE(platform.dialogs.Messages().empty());
}

TEST_F(FontsFormTest, UnreadableStoredPrintSizeIsReportedAndTheDialogStillOpens) {
  competition.settings.PrintFontSize = "big";
  platform.fonts.Choose(Font("Arial", 10));
  form.btnPrintedFontClick();
  EXPECT_EQ(platform.dialogs.Messages(),
            (std::vector<Shown>{{Kind::Information, "Error Font size 1", "btnPrintedFontClick"}}));
  EXPECT_EQ(OnlyRequest().initial.size, 8);
  EXPECT_EQ(competition.settings.PrintFontSize, "10");
}

TEST_F(FontsFormTest, ChosenPrintSizeOutsideTheRangeIsReportedAndNotStored) {
  platform.fonts.Choose(Font("Arial", 14));
  form.btnPrintedFontClick();
  EXPECT_EQ(platform.dialogs.Messages(),
            (std::vector<Shown>{{Kind::Information, "Error Font size 2", "btnPrintedFontClick"}}));
  EXPECT_EQ(competition.settings.PrintFontName, "Arial");
  EXPECT_EQ(competition.settings.PrintFontSize, "9");
  EXPECT_EQ(form.PrintFontSize(), "9");
}

TEST_F(FontsFormTest, TypedColoursAreStoredAsTyped) {
  form.cbFontColourChange("Purple");
  form.cbBackColourChange("black");
  form.OKClick();
  EXPECT_EQ(competition.settings.WebFontColour, "Purple");
  EXPECT_EQ(competition.settings.WebBackColour, "black");
}

TEST(FontsFormTexts, AreTheFormsOwn) {
  EXPECT_EQ(TSetUpFontsForm::kCaption, "Fonts for Schedules");
  EXPECT_EQ(TSetUpFontsForm::kWebGroup, "Settings for Webpage Schedules");
  EXPECT_EQ(TSetUpFontsForm::kPrintGroup, "Settings for Printed Schedules");
  EXPECT_EQ(TSetUpFontsForm::kWebFontButton, "Webpage Font");
  EXPECT_EQ(TSetUpFontsForm::kPrintFontButton, "Printed Font");
}

// --- the main window's Fonts command -----------------------------------------------------

TEST(PrintFontCommand, ConfirmedChoiceSetsNameAndSizeAsText) {
  Competition competition;
  competition.settings.PrintFontName = "Arial";
  competition.settings.PrintFontSize = "8";
  ScriptedFontDialog fonts;
  FontChoice chosen;
  chosen.name = "Times New Roman";
  chosen.size = 11;
  fonts.Choose(chosen);
  ChoosePrintFont(competition, fonts);
  ASSERT_EQ(fonts.Requests().size(), 1u);
  EXPECT_EQ(fonts.Requests()[0].initial.name, "Arial");
  EXPECT_EQ(fonts.Requests()[0].initial.size, 8);
  EXPECT_EQ(competition.settings.PrintFontName, "Times New Roman");
  EXPECT_EQ(competition.settings.PrintFontSize, "11");
}

TEST(PrintFontCommand, CancelKeepsThePrintedFont) {
  Competition competition;
  competition.settings.PrintFontName = "Verdana";
  competition.settings.PrintFontSize = "10";
  ScriptedFontDialog fonts;
  ChoosePrintFont(competition, fonts);
  EXPECT_EQ(fonts.Requests().size(), 1u);
  EXPECT_EQ(competition.settings.PrintFontName, "Verdana");
  EXPECT_EQ(competition.settings.PrintFontSize, "10");
}

// --- colour tables -----------------------------------------------------------------------

struct ColourCase {
  const char* name;
  const char* text;        // TextColourCode
  const char* background;  // BackgroundColourCode
};

class ColourLookup : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ColourLookup, NamesAreComparedExactlyWithBlackTextAndWhiteBackgroundForOthers) {
  const ColourCase& c = GetParam();
  EXPECT_EQ(TextColourCode(c.name), c.text);
  EXPECT_EQ(BackgroundColourCode(c.name), c.background);
}

INSTANTIATE_TEST_SUITE_P(Names, ColourLookup,
                         ::testing::Values(ColourCase{"Black", "000000", "FFFFFF"},
                                           ColourCase{"BLack", "000000", "000000"},
                                           ColourCase{"Blue", "0000FF", "FFFFFF"},
                                           ColourCase{"Grey", "808080", "FFFFFF"},
                                           ColourCase{"Yellow", "FFFF00", "FFFFFF"},
                                           ColourCase{"Blue Light", "000000", "9999FF"},
                                           ColourCase{"Green Light", "000000", "99FF99"},
                                           ColourCase{"Grey Light", "000000", "CCCCCC"},
                                           ColourCase{"Pink Light", "000000", "FF99FF"},
                                           ColourCase{"Red Light", "000000", "FF9999"},
                                           ColourCase{"Yellow Light", "000000", "FFFF99"},
                                           ColourCase{"White", "FFFFFF", "FFFFFF"},
                                           ColourCase{"red", "000000", "FFFFFF"},
                                           ColourCase{"End", "000000", "FFFFFF"},
                                           ColourCase{"", "000000", "FFFFFF"}));

TEST(ColourTables, EveryNamedColourHasItsCodeAndEndIsNoColour) {
  EXPECT_EQ(FindColour(FontColours(), "Green"), "00FF00");
  EXPECT_EQ(FindColour(FontColours(), "Red"), "FF0000");
  EXPECT_EQ(FindColour(FontColours(), "End"), std::nullopt);
  EXPECT_EQ(FindColour(BackgroundColours(), "End"), std::nullopt);
  EXPECT_EQ(FindColour(BackgroundColours(), "Black"), std::nullopt);
  EXPECT_EQ(FontColours().size(), 7u);
  EXPECT_EQ(BackgroundColours().size(), 8u);
}

}  // namespace
}  // namespace quenchel
