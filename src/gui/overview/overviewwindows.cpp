#include "overview/overviewwindows.h"

#include "app/windows.h"
#include "overview/export.h"
#include "overview/frmdata.h"
#include "overview/frmlist.h"
#include "overview/frmresult.h"
#include "overview/overview.h"
#include "overview/reportdate.h"
#include "overview/resultsmodel.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

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
}

void OverviewWindows::windowDestroyed(QObject* window)
{
    // The pointer to the window going may or may not be cleared yet.
    const QObject* windows[] = {m_dataEntry.data(), m_itemList.data(), m_results.data()};
    if (std::all_of(std::begin(windows), std::end(windows),
                    [window](const QObject* w) { return !w || w == window; }))
        Q_EMIT finished();
}

DataEntryWindow* OverviewWindows::showDataEntry()
{
    return show(m_dataEntry);
}

void OverviewWindows::listComputableItems()
{
    show(m_itemList);
    const QStringList texts = computableListTexts();
    // A conversion-failure box may have let the user close the list meanwhile.
    ItemListWindow* list = itemList();
    if (!list)
        return;
    list->list()->addItems(texts);
    if (texts.isEmpty()) {
        list->okButton()->setEnabled(false);
        list->explainLabel()->setText(QString::fromLatin1(NoItemsExplanation));
    }
}

void OverviewWindows::fillResultGrid()
{
    show(m_results);
    const QList<ResultRow> rows = computableRows();
    if (ResultsWindow* window = results())
        window->rows()->append(rows);
}

void OverviewWindows::backToDataEntry()
{
    closeIfOpen(m_itemList);
    showDataEntry();
    closeIfOpen(m_results);
}

void OverviewWindows::closeAll()
{
    closeIfOpen(m_itemList);
    closeIfOpen(m_dataEntry);
    closeIfOpen(m_results);
}

QString OverviewWindows::proposedExportPath() const
{
    return QDir(m_exportFolder)
        .filePath(QStringLiteral("quarvex-results-%1.txt").arg(reportDate().toString(Qt::ISODate)));
}

void OverviewWindows::exportResults()
{
    const QString title = QString::fromLatin1(ExportTitle);
    QString path = QDir::toNativeSeparators(proposedExportPath());
    for (;;) {
        path = m_dialogs.input(QString::fromLatin1(ExportPrompt), title, path);
        if (path.isEmpty()) {
            m_dialogs.beep();
            m_dialogs.message(QString::fromLatin1(ExportCancelled), MessageIcon::Information,
                              title);
            return;
        }
        // A folder or a device is not replaced: writing to it fails or goes
        // to the device, as before.
        if (!QFileInfo(path).isFile() ||
            m_dialogs.question(QStringLiteral("Replace %1?").arg(path), title))
            break;
    }
    if (const auto failure = exportTo(path)) {
        m_dialogs.beep();
        m_dialogs.message(
            QStringLiteral("The results could not be written to %1.\r\r%2").arg(path, *failure),
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
    m_dialogs.message(QString::fromLatin1(ExportDone), MessageIcon::Information,
                      QString::fromLatin1(ExportDoneTitle));
    return std::nullopt;
}

const Fields& OverviewWindows::fields() const
{
    if (DataEntryWindow* window = dataEntry())
        return window->form();
    static const MapFields empty;
    return empty;
}

// Every evaluation leaves its error count on the data entry screen.
void OverviewWindows::recordErrors(int errors)
{
    if (DataEntryWindow* window = dataEntry())
        window->setErrors(errors);
}

QStringList OverviewWindows::computableListTexts()
{
    return quarvex::computableListTexts(fields(), m_dialogs, QLocale(),
                                        [this](int errors) { recordErrors(errors); });
}

QList<ResultRow> OverviewWindows::computableRows()
{
    return overviewRows(fields(), m_dialogs, QLocale(),
                        [this](int errors) { recordErrors(errors); });
}

std::optional<QString> OverviewWindows::saveExport(const QString& path, const QDate& date)
{
    return quarvex::saveExport(path, date, fields(), m_dialogs, QLocale(),
                               [this](int errors) { recordErrors(errors); });
}

} // namespace quarvex
