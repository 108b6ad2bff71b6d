#include "overview/overviewwindows.h"

#include "analytes/hints.h"
#include "analytes/inputs.h"
#include "app/windows.h"
#include "cases/casefile.h"
#include "overview/export.h"
#include "overview/frmdata.h"
#include "overview/frmlist.h"
#include "overview/frmresult.h"
#include "overview/overview.h"
#include "overview/reportdate.h"
#include "overview/resultsmodel.h"
#include "practice/exercise.h"
#include "sheetprinter.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSaveFile>

namespace quarvex {

namespace {

// The window, unless it was closed: a closed window has given up
// WA_DeleteOnClose and only waits for its deletion.
template <class W>
W* openOrNull(const QPointer<W>& slot)
{
    return slot && slot->testAttribute(Qt::WA_DeleteOnClose) ? slot.data() : nullptr;
}

template <class W>
void closeIfOpen(const QPointer<W>& slot)
{
    if (W* window = openOrNull(slot))
        window->close();
}

} // namespace

OverviewWindows::OverviewWindows(Dialogs& dialogs, QObject* parent)
    : QObject(parent)
    , m_dialogs(dialogs)
    , m_exportFolder(QDir::homePath())
    , m_caseFolder(QDir::homePath())
{}

OverviewWindows::~OverviewWindows()
{
    const QList<QWidget*> windows{m_dataEntry.data(), m_itemList.data(), m_results.data()};
    for (QWidget* window : windows) {
        if (window) {
            disconnect(window, nullptr, this, nullptr);
            delete window;
        }
    }
}

DataEntryWindow* OverviewWindows::dataEntry() const
{
    return openOrNull(m_dataEntry);
}

ItemListWindow* OverviewWindows::itemList() const
{
    return openOrNull(m_itemList);
}

ResultsWindow* OverviewWindows::results() const
{
    return openOrNull(m_results);
}

// Loads the window if it is not open, centres it the first time it shows,
// and brings it to the front.
template <class W>
W* OverviewWindows::show(QPointer<W>& slot)
{
    W* window = openOrNull(slot);
    const bool wasShown = window && window->isVisible();
    if (!window) {
        window = new W;
        window->setAttribute(Qt::WA_DeleteOnClose);
        connect(window, &QObject::destroyed, this, &OverviewWindows::windowDestroyed);
        m_open.insert(window);
        wire(window);
        prepareWindow(window);
        slot = window;
    }
    if (!wasShown)
        centreOnScreen(window);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void OverviewWindows::wire(DataEntryWindow* window)
{
    connect(window, &DataEntryWindow::listRequested, this, &OverviewWindows::listComputableItems);
    connect(window, &DataEntryWindow::clearRequested, this, &OverviewWindows::clearDataEntry);
    connect(window, &DataEntryWindow::openCaseRequested, this, &OverviewWindows::openCase);
    connect(window, &DataEntryWindow::saveCaseRequested, this, &OverviewWindows::saveCase);
    connect(window, &DataEntryWindow::saveCaseAsRequested, this, &OverviewWindows::saveCaseAs);
    connect(window, &DataEntryWindow::caseDropped, this, &OverviewWindows::openCaseFile);
    connect(window, &DataEntryWindow::exampleCaseRequested, this,
            &OverviewWindows::loadExampleCase);
    window->setCloseGuard([this] { return m_changesSettled || settleUnsavedChanges(); });
}

void OverviewWindows::wire(ItemListWindow* window)
{
    connect(window, &ItemListWindow::resultsRequested, this, &OverviewWindows::fillResultGrid);
}

void OverviewWindows::wire(ResultsWindow* window)
{
    connect(window, &ResultsWindow::backRequested, this, &OverviewWindows::backToDataEntry);
    connect(window, &ResultsWindow::exportRequested, this, &OverviewWindows::exportResults);
    connect(window, &ResultsWindow::closeRequested, this, &OverviewWindows::closeAll);
    connect(window, &ResultsWindow::printRequested, this, &OverviewWindows::printResults);
    connect(window, &ResultsWindow::pdfRequested, this, &OverviewWindows::saveResultsAsPdf);
}

void OverviewWindows::windowDestroyed(QObject* window)
{
    // The window is already past its own destructor here, so only its address
    // is used: the typed pointers to it must not be read.
    m_open.remove(window);
    if (m_open.isEmpty())
        Q_EMIT finished();
}

DataEntryWindow* OverviewWindows::showDataEntry()
{
    return show(m_dataEntry);
}

void OverviewWindows::listComputableItems()
{
    show(m_itemList);
    const QList<ItemEvaluation> evaluations = evaluatePass();
    // A conversion-failure box may have let the user close the list meanwhile.
    ItemListWindow* list = itemList();
    if (!list)
        return;
    list->showItems(computableListTexts(evaluations), cannotComputeLines(evaluations));
    list->raise();
    list->activateWindow();
}

void OverviewWindows::fillResultGrid()
{
    show(m_results);
    QStringList hints;
    // Each row goes in with the derivation of its item, from the same pass.
    const Inputs inputs(fields());
    const QList<ItemEvaluation> evaluations = evaluatePass(inputs, &hints);
    QList<std::shared_ptr<const Derivation>> derivations;
    const QList<FieldHint> caseHintList = caseHints(inputs);
    for (const ItemEvaluation& evaluation : evaluations) {
        if (!evaluation.computable())
            continue;
        const auto derivation = std::make_shared<const Derivation>(
            derive(*evaluation.item, inputs, *evaluation.outcome, caseHintList));
        for (qsizetype i = 0; i < evaluation.outcome->rows.size(); ++i)
            derivations << derivation;
    }
    if (ResultsWindow* window = results()) {
        window->rows()->setRows(resultRows(evaluations), derivations);
        window->setHints(hints);
    }
}

void OverviewWindows::backToDataEntry()
{
    closeIfOpen(m_itemList);
    showDataEntry();
    closeIfOpen(m_results);
}

void OverviewWindows::closeAll()
{
    if (!settleUnsavedChanges())
        return;
    m_changesSettled = true;
    closeIfOpen(m_itemList);
    closeIfOpen(m_dataEntry);
    closeIfOpen(m_results);
    m_changesSettled = false;
}

bool OverviewWindows::settleUnsavedChanges()
{
    DataEntryWindow* window = dataEntry();
    if (!window || !window->hasUnsavedChanges())
        return true;
    switch (m_dialogs.askToSave(tr(SaveChangesQuestion), QString::fromLatin1(AppTitle))) {
    case SaveChoice::Save:
        return saveCase();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

void OverviewWindows::clearDataEntry()
{
    DataEntryWindow* window = dataEntry();
    if (!window)
        return;
    if (window->hasUnsavedChanges() &&
        !m_dialogs.confirm(tr(ClearQuestion), QString::fromLatin1(AppTitle), tr("Clear")))
        return;
    window->clearFields();
}

void OverviewWindows::loadExampleCase(const QString& scenario)
{
    DataEntryWindow* window = dataEntry();
    if (!window || !settleUnsavedChanges())
        return;
    QList<AnalyteId> ids;
    for (AnalyteId id : window->form().order())
        ids << id;
    if (const std::optional<MapFields> fields =
            exampleCase(scenario, ids, QRandomGenerator::global()->generate64()))
        window->loadCase(*fields, QString());
}

void OverviewWindows::openCase()
{
    if (!settleUnsavedChanges())
        return;
    const QString path =
        m_dialogs.fileName(FileDialogMode::Open, tr(OpenCaseTitle), m_caseFolder, tr(CaseFilter));
    if (!path.isEmpty())
        loadCaseFile(path);
}

bool OverviewWindows::openCaseFile(const QString& path)
{
    return settleUnsavedChanges() && loadCaseFile(path);
}

bool OverviewWindows::loadCaseFile(const QString& path)
{
    CaseInput input;
    if (const auto error = readCaseFile(path, input)) {
        const QString shown = QDir::toNativeSeparators(path);
        // Texts built in one step: a path or a line may hold "%1".
        const QString where = error->line > 0 ? tr("Line %1: ").arg(error->line) : QString();
        m_dialogs.beep();
        m_dialogs.message(tr("The case could not be opened from %1.\r\r%2%3")
                              .arg(shown, where, error->shownMessage()),
                          MessageIcon::Critical, tr(OpenCaseTitle));
        return false;
    }
    // A case written under another number format comes in this one's.
    takeNumbersInto(input, QLocale());
    showDataEntry()->loadCase(input.fields, path);
    m_caseFolder = QFileInfo(path).absolutePath();
    return true;
}

bool OverviewWindows::saveCase()
{
    DataEntryWindow* window = dataEntry();
    if (!window)
        return false;
    if (window->casePath().isEmpty())
        return saveCaseAs();
    return saveCaseTo(window->casePath());
}

bool OverviewWindows::saveCaseAs()
{
    DataEntryWindow* window = dataEntry();
    if (!window)
        return false;
    const QString start = window->casePath().isEmpty() ? m_caseFolder : window->casePath();
    QString path =
        m_dialogs.fileName(FileDialogMode::Save, tr(SaveCaseAsTitle), start, tr(CaseFilter));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + QLatin1String(CaseSuffix);
    return saveCaseTo(path);
}

bool OverviewWindows::saveCaseTo(const QString& path)
{
    DataEntryWindow* window = dataEntry();
    if (!window)
        return false;
    const AnalyteForm& form = window->form();
    if (const auto failure = saveCaseFile(path, form, form.order(), reportDate())) {
        m_dialogs.beep();
        m_dialogs.message(tr("The case could not be saved to %1.\r\r%2")
                              .arg(QDir::toNativeSeparators(path), *failure),
                          MessageIcon::Critical, tr(SaveCaseAsTitle));
        return false;
    }
    window->markSaved(path);
    m_caseFolder = QFileInfo(path).absolutePath();
    return true;
}

bool OverviewWindows::withSteps() const
{
    ResultsWindow* window = results();
    return window && window->includeSteps();
}

void OverviewWindows::printResults()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(sheetPageLayout(QLocale()));
    printer.setDocName(tr(SheetTitle));
    printer.setCreator(QStringLiteral("Quarvex"));
    if (!m_dialogs.choosePrinter(printer))
        return;
    if (printSheet(resultSheet(withSteps()), printer) == 0) {
        m_dialogs.beep();
        m_dialogs.message(tr("The results could not be printed."), MessageIcon::Critical);
    }
}

void OverviewWindows::saveResultsAsPdf()
{
    const QString proposed =
        QDir(m_exportFolder)
            .filePath(
                QStringLiteral("quarvex-results-%1.pdf").arg(reportDate().toString(Qt::ISODate)));
    QString path = m_dialogs.fileName(FileDialogMode::Save, tr(PdfTitle), proposed, tr(PdfFilter));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    if (const auto failure = writePdf(path, withSteps())) {
        m_dialogs.beep();
        m_dialogs.message(tr("The results could not be saved to %1.\r\r%2")
                              .arg(QDir::toNativeSeparators(path), *failure),
                          MessageIcon::Critical, tr(PdfTitle));
        return;
    }
    m_exportFolder = QFileInfo(path).absolutePath();
}

std::optional<QString> OverviewWindows::writePdf(const QString& path, bool steps)
{
    const ResultSheet sheet = resultSheet(steps);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    int pages = 0;
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(sheetPageLayout(QLocale()));
        writer.setTitle(sheet.title);
        writer.setCreator(QStringLiteral("Quarvex"));
        pages = printSheet(sheet, writer);
    }
    if (pages == 0) {
        file.cancelWriting();
        return tr("The pages could not be drawn.");
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

ResultSheet OverviewWindows::resultSheet(bool steps)
{
    ResultSheet sheet;
    sheet.title = tr(SheetTitle);
    const QLocale locale;
    sheet.date = locale.toString(reportDate(), QLocale::LongFormat);
    if (DataEntryWindow* window = dataEntry()) {
        if (!window->casePath().isEmpty())
            sheet.caseName = tr("Case: %1").arg(QFileInfo(window->casePath()).fileName());
        sheet.inputs = sheetInputs(window->form(), window->form().order());
    }
    // Rows, hints and steps come from one pass over one reading of the fields.
    const Inputs inputs(fields());
    const QList<ItemEvaluation> evaluations = evaluatePass(inputs, &sheet.hints);
    sheet.rows = resultRows(evaluations);
    sheet.notes = resultRowNotes(inputs, evaluations);
    sheet.noRows = tr(NoRowsText);
    if (steps)
        sheet.steps = sheetSteps(inputs, evaluations);
    sheet.footer = printedDisclaimer();
    return sheet;
}

// The worked steps of every computed item for the sheet.
QList<SheetSteps> OverviewWindows::sheetSteps(const Inputs& inputs,
                                              const QList<ItemEvaluation>& evaluations)
{
    QList<SheetSteps> steps;
    const QList<FieldHint> hints = caseHints(inputs);
    for (const ItemEvaluation& evaluation : evaluations) {
        if (!evaluation.computable())
            continue;
        steps << SheetSteps{QString::fromLatin1(evaluation.item->listText),
                            derive(*evaluation.item, inputs, *evaluation.outcome, hints)};
    }
    return steps;
}

QString OverviewWindows::proposedExportPath() const
{
    return QDir(m_exportFolder)
        .filePath(QStringLiteral("quarvex-results-%1.txt").arg(reportDate().toString(Qt::ISODate)));
}

void OverviewWindows::exportResults()
{
    const QString title = tr(ExportTitle);
    QString path = QDir::toNativeSeparators(proposedExportPath());
    for (;;) {
        path = m_dialogs.input(tr(ExportPrompt), title, path);
        // The user's own Cancel needs no message.
        if (path.isEmpty())
            return;
        // A folder or a device is not replaced: writing to it fails or goes
        // to the device, as before.
        if (!QFileInfo(path).isFile() || m_dialogs.question(tr("Replace %1?").arg(path), title))
            break;
    }
    if (const auto failure = exportTo(path)) {
        m_dialogs.beep();
        m_dialogs.message(tr("The results could not be written to %1.\r\r%2").arg(path, *failure),
                          MessageIcon::Critical);
    }
}

std::optional<QString> OverviewWindows::exportTo(const QString& path)
{
    if (auto failure = saveExport(path, reportDate()))
        return failure;
    m_exportFolder = QFileInfo(path).absolutePath();
    Q_EMIT exported(path);
    m_dialogs.beep();
    m_dialogs.message(tr(ExportDone), MessageIcon::Information, tr(ExportDoneTitle));
    return std::nullopt;
}

const Fields& OverviewWindows::fields() const
{
    if (DataEntryWindow* window = dataEntry())
        return window->form();
    static const MapFields empty;
    return empty;
}

// One pass over the overview items against one reading of the data entry
// fields: each item's findings are played in item order, and the data entry
// screen's error count follows every item.
QList<ItemEvaluation> OverviewWindows::evaluatePass(QStringList* hints)
{
    return evaluatePass(Inputs(fields()), hints);
}

QList<ItemEvaluation> OverviewWindows::evaluatePass(const Inputs& inputs, QStringList* hints)
{
    QList<ItemEvaluation> evaluations = evaluateItems(inputs);
    if (hints) {
        for (const CaseHint& hint : distinctHints(caseHints(inputs)))
            *hints << hint.shown;
    }
    // The fields at fault are marked on the data entry screen; an empty field
    // is not at fault there, as most items need only some of the fields.
    if (DataEntryWindow* window = dataEntry()) {
        QList<Finding> typed;
        for (const ItemEvaluation& evaluation : evaluations) {
            for (const Finding& finding : evaluation.findings) {
                if (finding.kind != FindingKind::Empty && !typed.contains(finding))
                    typed << finding;
            }
        }
        window->marks()->clearMarks();
        window->marks()->mark(typed);
        window->marks()->refresh();
    }
    // One box for every value that could not be read, however many items it stopped.
    QList<Finding> all;
    for (const ItemEvaluation& evaluation : evaluations) {
        all << evaluation.findings;
        if (DataEntryWindow* window = dataEntry())
            window->setErrors(int(evaluation.findings.size()));
    }
    playFindings(all, m_dialogs);
    return evaluations;
}

std::optional<QString> OverviewWindows::saveExport(const QString& path, const QDate& date)
{
    return quarvex::saveExport(path, date, resultRows(evaluatePass()));
}

} // namespace quarvex
