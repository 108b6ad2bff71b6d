#pragma once

#include <QString>

#include <optional>

namespace quarvex {

// The Overview module: the passes over the overview items that the data entry,
// list and results windows run, each against the current fields of frmData
// (an empty form once frmData was closed). Nothing is kept between passes.

// OK on frmData: shows frmList and appends the list text of every computable
// item; after a pass with none, OKButton is disabled and the explanation says why.
void ListComputableItems();

// OK on frmList: shows frmResult and appends the rows of every computable item.
void FillResultGrid();

// Back on frmResult: frmList closes, frmData comes to the front, frmResult closes.
void backToDataEntry();
// Close on frmResult: frmList, frmData and frmResult close.
void closeOverview();

// The Export module.
// Texts of the export dialogs.
inline constexpr const char* ExportPrompt =
    "Enter the name and full path of the file for export.\r\rNote: data will be saved in a "
    "tab-delimited format.";
inline constexpr const char* ExportTitle = "Export Test Results";
inline constexpr const char* ExportCancelled = "Export cancelled by user.";
inline constexpr const char* ExportDone = "Data export completed succesfully.";
inline constexpr const char* ExportDoneTitle = "Test Results Export";

// The input box's default text: the user's home folder and "/" (a folder, so
// accepting it unchanged fails rather than writing a stray file).
QString defaultExportPath();

// Writes the export file to path, evaluating the items once more; on success
// beeps and confirms. On failure returns the platform's description of the
// error and leaves an existing file at path as it was.
std::optional<QString> ExportResults(const QString& path);

// ExportButton of frmResult: asks for the file name and exports.
void exportButtonClicked();

} // namespace quarvex
