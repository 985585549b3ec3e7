#pragma once
// The cells of a ReportList record: one report definition.

namespace quenchel::report_cell {

inline constexpr int kNumber = 0;
inline constexpr int kName = 1;             // job title, footer, default web page name
inline constexpr int kTitle = 2;            // window heading, printed title
inline constexpr int kTieBreakMessage = 3;  // printed sub-title
inline constexpr int kSponsor = 4;
inline constexpr int kDirection = 5;        // "D" highest total first, else lowest
inline constexpr int kTemplate = 6;         // "I", "IT", "T" or "TI"
inline constexpr int kShortClassNames = 7;
inline constexpr int kOrientation = 8;      // "P" portrait, else landscape
inline constexpr int kPrintHeadings = 9;    // "N" leaves the page heading blank
inline constexpr int kLetterHeadings = 10;
inline constexpr int kFontName = 11;
inline constexpr int kFontSize = 12;
inline constexpr int kWebTextColour = 13;
inline constexpr int kWebBackgroundColour = 14;
inline constexpr int kShowIndividualPosition = 15;
inline constexpr int kTieBreakInUse = 16;
inline constexpr int kShowTieBreak = 17;
inline constexpr int kWebItalic = 18;
inline constexpr int kWebWeight = 19;
inline constexpr int kBatchFlags = 20;      // position b is "Y" for batch b
inline constexpr int kWebFontName = 22;
inline constexpr int kWebFontSize = 23;

}  // namespace quenchel::report_cell
