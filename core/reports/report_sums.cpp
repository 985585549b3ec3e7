#include "reports/report_sums.h"

#include <array>
#include <cmath>

#include "platform/dialogs.h"
#include "store/values.h"

namespace quenchel {
namespace {

// Step counts below this stay exact through a write and read back: a double holds them
// and the rounding error of adding two such values stays far below half a step.
constexpr long long kCarriedLimit = 100'000'000'000'000;  // 1e14
constexpr int kMaxCarriedPrecision = 15;
constexpr int kMaxFormatDigits = 3;  // width and precision; longer ones are not a safe format
constexpr std::size_t kRecentSlots = 1024;

constexpr std::array<long long, kMaxCarriedPrecision + 1> kPowersOfTen = [] {
  std::array<long long, kMaxCarriedPrecision + 1> powers{};
  long long power = 1;
  for (long long& each : powers) {
    each = power;
    power *= 10;
  }
  return powers;
}();

bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

// Dialogs that show nothing and count what would have been shown: tells whether reading
// or formatting a text speaks to the user.
class MessageCounter final : public Dialogs {
 public:
  bool AskYesNo(std::string_view, std::string_view) override {
    ++count_;
    return false;
  }
  void ShowInfo(std::string_view, std::string_view) override { ++count_; }
  int Count() const noexcept { return count_; }

 private:
  int count_ = 0;
};

}  // namespace

ReportSums::ReportSums(std::string_view format, Dialogs& dialogs, TextStore& texts)
    : format_(format), dialogs_(dialogs), texts_(texts), fixed_(ParseFixed(format)), recent_(kRecentSlots) {}

// Only "%f" with an optional width and precision and nothing else: flags, other
// conversions and surrounding text are written and read back at every step.
std::optional<ReportSums::FixedFormat> ReportSums::ParseFixed(std::string_view format) {
  if (format.size() < 2 || format.front() != '%') return std::nullopt;
  std::size_t i = 1;
  if (format[i] == '0') return std::nullopt;  // the zero-padding flag
  FixedFormat fixed;
  int digits = 0;
  for (; i < format.size() && IsDigit(format[i]); ++i, ++digits) {
    fixed.width = fixed.width * 10 + (format[i] - '0');
  }
  if (digits > kMaxFormatDigits) return std::nullopt;
  if (i < format.size() && format[i] == '.') {
    fixed.precision = 0;
    digits = 0;
    for (++i; i < format.size() && IsDigit(format[i]); ++i, ++digits) {
      fixed.precision = fixed.precision * 10 + (format[i] - '0');
    }
    if (digits > kMaxFormatDigits) return std::nullopt;
  }
  if (i + 1 != format.size() || (format[i] != 'f' && format[i] != 'F')) return std::nullopt;
  if (fixed.precision > kMaxCarriedPrecision) return std::nullopt;
  return fixed;
}

const ShownScore& ReportSums::Show(std::string_view raw) {
  if (const ShownScore* quiet = Quiet(raw)) return *quiet;
  unshared_ = Describe(FormatScore(format_, raw, dialogs_));
  return unshared_;
}

const ShownScore* ReportSums::Quiet(std::string_view raw) {
  Recent& recent = recent_[TextHash{}(raw) % kRecentSlots];
  if (recent.shown != nullptr && recent.raw == raw) return recent.shown;
  if (const auto known = shown_.find(raw); known != shown_.end()) {
    recent = Recent{std::string(raw), &known->second};
    return &known->second;
  }
  MessageCounter probe;
  std::string text = FormatScore(format_, raw, probe);
  if (probe.Count() != 0) return nullptr;
  ShownScore& kept = shown_.emplace(std::string(raw), Describe(std::move(text))).first->second;
  kept.lasting = true;
  recent = Recent{std::string(raw), &kept};
  return &kept;
}

ShownScore ReportSums::Describe(std::string text) const {
  ShownScore shown;
  MessageCounter probe;
  shown.value = ScoreValue(text, probe);
  shown.readable = probe.Count() == 0;
  if (fixed_ && shown.readable) {
    const auto scale = static_cast<double>(kPowersOfTen[static_cast<std::size_t>(fixed_->precision)]);
    const double scaled = shown.value * scale;
    if (std::fabs(scaled) < static_cast<double>(kCarriedLimit)) {
      const long long steps = std::llround(scaled);
      // Carried only when the steps stand for exactly the value the text reads as, and,
      // for a number, when writing them gives the very same text.
      if (StepsValue(steps) == shown.value && (shown.value == 0 || StepsText(steps) == text)) shown.steps = steps;
    }
  }
  shown.text = std::move(text);
  return shown;
}

void ReportSums::Add(TableCell& cell, const ShownScore& value) {
  if (value.steps && (cell.carried || cell.text == nullptr)) {
    const long long sum = (cell.carried ? cell.steps : 0) + *value.steps;
    if (sum > -kCarriedLimit && sum < kCarriedLimit) {
      cell.steps = sum;
      cell.carried = true;
      return;
    }
  }
  const double sum = Value(cell) + (value.readable ? value.value : ScoreValue(value.text, dialogs_));
  cell.text = texts_.Keep(FormatFloat(format_, sum));
  cell.carried = false;
}

double ReportSums::Value(const TableCell& cell) {
  if (cell.carried) return StepsValue(cell.steps);
  return ScoreValue(cell.text != nullptr ? std::string_view(*cell.text) : std::string_view(), dialogs_);
}

std::string ReportSums::Text(const TableCell& cell) const {
  if (cell.carried) return StepsText(cell.steps);
  return cell.text != nullptr ? *cell.text : std::string();
}

// Both the division and the reading of a decimal text round to the nearest double, so
// this is the value the written steps read back as.
double ReportSums::StepsValue(long long steps) const noexcept {
  const int precision = fixed_ ? fixed_->precision : 0;
  return static_cast<double>(steps) / static_cast<double>(kPowersOfTen[static_cast<std::size_t>(precision)]);
}

// What "%<width>.<precision>f" writes for steps / 10^precision.
std::string ReportSums::StepsText(long long steps) const {
  const int precision = fixed_ ? fixed_->precision : 0;
  const int width = fixed_ ? fixed_->width : 0;
  std::string digits = std::to_string(steps < 0 ? -steps : steps);
  if (precision > 0) {
    const std::size_t fraction = static_cast<std::size_t>(precision);
    if (digits.size() <= fraction) digits.insert(0, fraction + 1 - digits.size(), '0');
    digits.insert(digits.size() - fraction, 1, '.');
  }
  if (steps < 0) digits.insert(0, 1, '-');
  const auto wanted = static_cast<std::size_t>(width);
  if (digits.size() < wanted) digits.insert(0, wanted - digits.size(), ' ');
  return digits;
}

}  // namespace quenchel
