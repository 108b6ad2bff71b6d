#pragma once

// The font sizes, fixed sizes and column shares of the windows, in one place.
// Widths and heights given in characters or lines follow the window's font.

namespace quarvex::metrics {

// --- font sizes, in points ---
inline constexpr double ScreenTitlePoints = 13.5;   // TitleLabel of a calculator screen
inline constexpr double ScreenHeadingPoints = 12.0; // "Serum Values", "Urine Values"
inline constexpr double MoreInfoPoints = 9.75;      // interpretation on the lipid and liver screens
inline constexpr double SplashProductPoints = 29.25; // product name on the splash screen
inline constexpr double SplashPlatformPoints = 13.5; // platform line on the splash screen
inline constexpr double AboutTitlePoints = 9.75;     // title of the about box
inline constexpr double DataHeadingScale = 1.15;     // frmData's section headings, times the font

// --- fixed and smallest sizes ---
inline constexpr int ResultBoxDigits = 24;   // Result box of a calculator screen
inline constexpr int AgeFieldDigits = 6;     // Age beside Gender on the renal screen
inline constexpr int MoreInfoLines = 7;      // interpretation label of the lipid and liver screens
inline constexpr int SelectorListLines = 12; // item list of the selector
inline constexpr int ExplainChars = 72;      // explanation window, fixed width
inline constexpr int ExplainLines = 10;      // explanation window, fixed height
inline constexpr int ComputableListChars = 46; // frmList's list of computable items
inline constexpr int ComputableListLines = 14;
inline constexpr int MissingItemsLines = 7;   // frmList's "Cannot be computed" section
inline constexpr int ResultWindowWidth = 920; // frmResult's first size, in pixels
inline constexpr int ResultWindowHeight = 620;
inline constexpr int DisclaimerTextWidth = 480;   // pixels
inline constexpr int SplashFrameWidth = 520;      // pixels
inline constexpr int SwitchboardFrameWidth = 380; // pixels
inline constexpr int AboutTextColumnWidth = 300;  // pixels

// --- the results grid's columns ---
// Test item and result take at most these shares of the grid's width, so the
// interpretation always keeps more than half; it takes the rest.
inline constexpr int ItemColumnPercent = 30;
inline constexpr int ResultColumnPercent = 18;
// Of what the item and result leave, the interpretation's share; the note
// column takes the rest.
inline constexpr int InterpretationSharePercent = 62;
inline constexpr int GridMinimumColumnWidth = 40; // pixels

} // namespace quarvex::metrics
