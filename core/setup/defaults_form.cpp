#include "setup/defaults_form.h"

#include <array>
#include <utility>

#include "shell/whole_number.h"
#include "store/competition.h"

namespace quenchel {

namespace {

constexpr std::array<std::pair<ScorePrecision, std::string_view>, 3> kScoreFormats{{
    {ScorePrecision::WholeNumbers, "%6.f"},
    {ScorePrecision::OneDecimal, "%6.1f"},
    {ScorePrecision::TwoDecimals, "%6.2f"},
}};

}  // namespace

std::string_view TDefaultsForm::ScoreFormatOf(ScorePrecision precision) noexcept {
  for (const auto& [each, format] : kScoreFormats)
    if (each == precision) return format;
  return {};
}

std::optional<ScorePrecision> TDefaultsForm::PrecisionOf(std::string_view scoreFormat) noexcept {
  for (const auto& [precision, format] : kScoreFormats)
    if (format == scoreFormat) return precision;
  return std::nullopt;
}

void TDefaultsForm::FormActivate() {
  EditLowestCompNo = std::to_string(competition_.settings.LowestCompetitorNumber);
  CheckedPrecision = PrecisionOf(competition_.settings.ScoreFormat);
}

ModalResult TDefaultsForm::OKClick() {
  competition_.settings.LowestCompetitorNumber = WholeNumberOrZero(EditLowestCompNo);
  if (CheckedPrecision) competition_.settings.ScoreFormat = ScoreFormatOf(*CheckedPrecision);
  return ModalResult::OK;
}

}  // namespace quenchel
