#pragma once

#include "analytes/fields.h"
#include "app/dialogs.h"
#include "calc/outcome.h"
#include "overview/overview.h"
#include "overview/resultsheet.h"

#include <QDate>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace quarvex {

class DataEntryWindow;
class ItemListWindow;
class ResultsWindow;

// Texts of the export dialogs.
inline constexpr const char* ExportPrompt = QT_TRANSLATE_NOOP(
    "quarvex::OverviewWindows",
    "Enter the name and full path of the file for export.\r\rNote: data will be saved in a "
    "tab-delimited format.");
inline constexpr const char* ExportTitle =
    QT_TRANSLATE_NOOP("quarvex::OverviewWindows", "Export Test Results");
inline constexpr const char* ExportDone =
    QT_TRANSLATE_NOOP("quarvex::OverviewWindows", "Data export completed succesfully.");
inline constexpr const char* ExportDoneTitle =
    QT_TRANSLATE_NOOP("quarvex::OverviewWindows", "Test Results Export");

// Texts of cases and printing.
inline constexpr const char* SaveChangesQuestion =
    QT_TRANSLATE_NOOP("quarvex::OverviewWindows", "Save changes to the case?");
inline constexpr const char* ClearQuestion =
    QT_TRANSLATE_NOOP("quarvex::OverviewWindows",
                      "Clear every field? The changes are not saved in a case and will be lost.");
inline constexpr const char* CaseFilter =
    QT_TRANSLATE_NOOP("quarvex::OverviewWindows", "Quarvex cases (*.quarvex)");
inline constexpr const char* PdfFilter =
    QT_TRANSLATE_NOOP("quarvex::OverviewWindows", "PDF documents (*.pdf)");
inline constexpr const char* OpenCaseTitle =
    QT_TRANSLATE_NOOP("quarvex::OverviewWindows", "Open Case");
inline constexpr const char* SaveCaseAsTitle =
    QT_TRANSLATE_NOOP("quarvex::OverviewWindows", "Save Case As");
inline constexpr const char* PdfTitle =
    QT_TRANSLATE_NOOP("quarvex::OverviewWindows", "Save as PDF");
inline constexpr const char* SheetTitle =
    QT_TRANSLATE_NOOP("quarvex::OverviewWindows", "Quarvex Test Results");
inline constexpr const char* NoRowsText = QT_TRANSLATE_NOOP(
    "quarvex::OverviewWindows", "No test item can be computed from the values entered.");

// The Comprehensive Overview: owns its three windows (data entry frmData,
// list frmList, results frmResult), runs the passes over the overview items
// that their buttons ask for, and shows every beep and box through one
// Dialogs. Each window is modeless and exists at most once; a closed window
// is destroyed with its state. Every pass reads the current fields of the
// data entry screen, or an empty form once that screen was closed; nothing is
// kept between passes.
class OverviewWindows final : public QObject
{
    Q_OBJECT
public:
    explicit OverviewWindows(Dialogs& dialogs, QObject* parent = nullptr);
    // Destroys the windows that are still open.
    ~OverviewWindows() override;

    // The open windows, or nullptr.
    DataEntryWindow* dataEntry() const;
    ItemListWindow* itemList() const;
    ResultsWindow* results() const;

    // Shows the data entry screen (loading it if it is not open) in front.
    DataEntryWindow* showDataEntry();

    // OK on the data entry screen: shows the list and fills it afresh with
    // the list text of every computable item, and below it why each other
    // item cannot be computed; after a pass with none, the list's OK is
    // disabled and its explanation says why. The list comes to the front
    // after the pass's message boxes.
    void listComputableItems();
    // OK on the list: shows the results and fills the grid afresh with the
    // rows of every computable item, and above it a "Check: ..." line for
    // each hint of the case.
    void fillResultGrid();
    // Back on the results: the list closes, the data entry screen comes to
    // the front, the results close.
    void backToDataEntry();
    // Close on the results: once unsaved changes are settled (see
    // settleUnsavedChanges), the list, the data entry screen and the results
    // close.
    void closeAll();

    // Whether the data entry screen may lose its fields: true when they hold
    // nothing unsaved; otherwise asks "Save changes to the case?" and is true
    // after Discard or a Save that saved, false after Cancel. EXIT and the
    // close box of the data entry screen, Close, Clear, Open Case... and a
    // dropped case ask it.
    bool settleUnsavedChanges();
    // Clear: empties the fields, after a Clear to a question when they hold
    // unsaved changes.
    void clearDataEntry();

    // Open Case...: once unsaved changes are settled, asks for a case file
    // and opens it.
    void openCase();
    // Example Case: the unsaved values settled, a case of the scenario in the fields.
    void loadExampleCase(const QString& scenario);
    // A case file from outside (dropped, or named on the command line): once
    // unsaved changes are settled, opens it. False when nothing was opened.
    bool openCaseFile(const QString& path);
    // Reads the case file whole and puts it into every field of the data
    // entry screen (shown if it is not). A file that cannot be read or has a
    // bad line is reported with its path, the line and the reason, and
    // changes nothing.
    bool loadCaseFile(const QString& path);
    // Save Case: to the case's file, or as Save Case As for a new case.
    bool saveCase();
    // Save Case As...: asks for the file, then saves.
    bool saveCaseAs();
    // Writes the fields to path; a failure is reported naming the path and
    // leaves an existing file as it was.
    bool saveCaseTo(const QString& path);
    // Where the case dialogs start: the folder of the last case opened or
    // saved, at first the user's home folder.
    QString caseFolder() const { return m_caseFolder; }
    void setCaseFolder(const QString& folder) { m_caseFolder = folder; }

    // Print... on the results: the print dialog, then the result sheet on
    // the chosen printer.
    void printResults();
    // Save as PDF... on the results: asks for the file, proposing
    // "quarvex-results-YYYY-MM-DD.pdf" in the export folder, then writes it.
    void saveResultsAsPdf();
    // Writes the result sheet as a PDF to path, replacing an old file only
    // once the new one is complete. On failure returns the reason.
    std::optional<QString> writePdf(const QString& path, bool withSteps);
    // The result sheet of the current fields, evaluating the items once more;
    // the worked steps only when asked for.
    ResultSheet resultSheet(bool withSteps);

    // Export on the results: asks for the file name, proposing
    // "quarvex-results-YYYY-MM-DD.txt" in the export folder; a file that
    // exists is replaced only after a Yes to "Replace <path>?" (after a No
    // the name is asked again), then exports. A failure names the path.
    void exportResults();
    // Writes the export file to path, evaluating the items once more; on
    // success beeps and confirms. On failure returns the platform's
    // description of the error and leaves an existing file at path as it was.
    std::optional<QString> exportTo(const QString& path);

    // The folder whose file name the export proposes: the folder of the last
    // export that succeeded, at first the user's home folder.
    QString exportFolder() const { return m_exportFolder; }
    void setExportFolder(const QString& folder) { m_exportFolder = folder; }
    // The proposed name: the export folder and "quarvex-results-" with the
    // export's date (YYYY-MM-DD) and ".txt".
    QString proposedExportPath() const;

Q_SIGNALS:
    // The last of the windows has gone (emitted as it is destroyed).
    void finished();
    // An export to path succeeded.
    void exported(const QString& path);

private:
    template <class W>
    W* show(QPointer<W>& slot);
    void wire(DataEntryWindow* window);
    void wire(ItemListWindow* window);
    void wire(ResultsWindow* window);
    void windowDestroyed(QObject* window);

    // The calls into the overview core, all here.
    const Fields& fields() const;
    // One pass; the hints of the case it read go to hints when given.
    QList<ItemEvaluation> evaluatePass(QStringList* hints = nullptr);
    QList<ItemEvaluation> evaluatePass(const Inputs& inputs, QStringList* hints = nullptr);
    std::optional<QString> saveExport(const QString& path, const QDate& date);
    QList<SheetSteps> sheetSteps(const Inputs& inputs, const QList<ItemEvaluation>& evaluations);
    bool withSteps() const;

    Dialogs& m_dialogs;
    QString m_exportFolder;
    QString m_caseFolder;
    bool m_changesSettled = false; // while closeAll closes the windows
    QPointer<DataEntryWindow> m_dataEntry;
    QPointer<ItemListWindow> m_itemList;
    QPointer<ResultsWindow> m_results;
    // The windows made and not yet destroyed.
    QSet<QObject*> m_open;
};

} // namespace quarvex
