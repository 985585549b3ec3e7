#pragma once
// The defaults form: the lowest competitor number and the precision in which scores are
// shown and stored. OK stores both; Cancel changes nothing. Neither counts as an unsaved
// change of the competition.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/form_host.h"

namespace quenchel {

class Competition;

enum class ScorePrecision { WholeNumbers, OneDecimal, TwoDecimals };

class TDefaultsForm final : public Form {
 public:
  static constexpr std::string_view kFormName = "TDefaultsForm";
  static constexpr std::string_view kCaption = "Defaults";
  static constexpr std::string_view kCompetitorsGroup = "Competitors";
  static constexpr std::string_view kLowestCompNoLabel = "Lowest Competitor Number";
  static constexpr std::string_view kLowestCompNoNote = "( Recommend starting value 500 )";
  static constexpr std::string_view kScoresGroup = "Scores displayed and stored as ....";
  static constexpr std::array<std::string_view, 3> kPrecisionTexts{
      "000. ( Whole numbers )", "000.0 ( one decimal place i.e. 6.5 )", "000.00 ( two decimal places i.e. 6.55 ) "};
  static constexpr std::string_view kPrecisionNote = "(Changing precision can result in data loss)";

  explicit TDefaultsForm(Competition& competition) : competition_(competition) {}

  std::string_view FormName() const override { return kFormName; }

  std::string EditLowestCompNo;
  // The checked precision button; none when the stored format is none of the three.
  std::optional<ScorePrecision> CheckedPrecision;

  // Shows the competition's settings.
  void FormActivate();
  void PrecisionClick(ScorePrecision precision) noexcept { CheckedPrecision = precision; }
  // Stores the number (text that is not a whole number gives 0) and the checked
  // precision; with no button checked the score format stays as it was.
  ModalResult OKClick();
  ModalResult CancelClick() const noexcept { return ModalResult::Cancel; }

  // "%6.f", "%6.1f" or "%6.2f", and back; other formats match no precision.
  static std::string_view ScoreFormatOf(ScorePrecision precision) noexcept;
  static std::optional<ScorePrecision> PrecisionOf(std::string_view scoreFormat) noexcept;

 private:
  Competition& competition_;
};

}  // namespace quenchel
