#pragma once
// Conversions between the texts held in cells and the numbers they stand for.

#include <optional>
#include <string>
#include <string_view>

namespace quenchel {

class Dialogs;

// The decimal mark the conversions expect: the program formats numbers in the C locale.
inline constexpr char kDecimalMark = '.';

// printf-style formatting of one integer. The format must hold exactly one integer
// conversion (d or i) with optional flags, width and precision, plus any number of "%%";
// any other format falls back to "%d", since formats can come from files. At most 19
// characters.
std::string FormatInt(std::string_view format, int value);

// The same for one floating-point number: one conversion f, F, e, E, g or G; any other
// format falls back to "%6.1f".
std::string FormatFloat(std::string_view format, double value);

inline bool HasText(std::string_view text) noexcept { return !text.empty(); }

// Reads a number: leading blanks, an optional sign, digits with at most one decimal mark,
// an optional exponent, trailing blanks. Anything else (including "nan", "inf" and
// hexadecimal forms) is refused.
std::optional<double> ParseNumber(std::string_view text, char decimalMark = kDecimalMark);

// True for the texts that mean "did not finish": any non-empty part of "dnfDNFDnf".
bool IsDidNotFinish(std::string_view text) noexcept;

// The value of a score text: 0 for empty text, "NULL" and the did-not-finish forms; "."
// and "," are both accepted as the decimal mark. Text that is not a number shows
// "Input Error" / "Not a valid input" and reads 0.
double ScoreValue(std::string_view text, Dialogs& dialogs, char decimalMark = kDecimalMark);

// A score text as shown: empty stays empty, did-not-finish forms become "DNF", anything
// else is its ScoreValue formatted by `format`.
std::string FormatScore(std::string_view format, std::string_view text, Dialogs& dialogs,
                        char decimalMark = kDecimalMark);

}  // namespace quenchel
