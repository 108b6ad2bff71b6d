#include "overview/overviewmodule.h"

#include "analytes/dialogs.h"
#include "app/windows.h"
#include "overview/export.h"
#include "overview/frmdata.h"
#include "overview/frmlist.h"
#include "overview/frmresult.h"
#include "overview/overview.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace quarvex {

namespace {

// The fields of frmData; once it was closed, those of a freshly loaded one.
const Fields& dataEntryFields()
{
    if (FrmData* data = openWindow<FrmData>())
        return data->form();
    static const MapFields empty;
    return empty;
}

// Keeps frmData's error count up to date with every evaluation.
void recordErrors(int errors)
{
    if (FrmData* data = openWindow<FrmData>())
        data->setErrors(errors);
}

} // namespace

void ListComputableItems()
{
    FrmList* list = showWindow<FrmList>();
    const QStringList texts =
        computableListTexts(dataEntryFields(), dialogs(), QLocale(), recordErrors);
    // A conversion-failure box may have let the user close the list meanwhile.
    list = openWindow<FrmList>();
    if (!list)
        return;
    list->list()->addItems(texts);
    if (texts.isEmpty()) {
        list->okButton()->setEnabled(false);
        list->explainLabel()->setText(QString::fromLatin1(NoItemsExplanation));
    }
}

void FillResultGrid()
{
    showWindow<FrmResult>();
    const QList<ResultRow> rows =
        overviewRows(dataEntryFields(), dialogs(), QLocale(), recordErrors);
    if (FrmResult* result = openWindow<FrmResult>()) {
        for (const ResultRow& row : rows)
            result->grid()->appendRow(row);
    }
}

void backToDataEntry()
{
    closeWindow<FrmList>();
    showWindow<FrmData>();
    closeWindow<FrmResult>();
}

void closeOverview()
{
    closeWindow<FrmList>();
    closeWindow<FrmData>();
    closeWindow<FrmResult>();
}

QString defaultExportPath()
{
    return QDir::homePath() + QLatin1Char('/');
}

std::optional<QString> ExportResults(const QString& path)
{
    const QDate today = QDate::currentDate();
    if (auto failure =
            saveExport(path, today, dataEntryFields(), dialogs(), QLocale(), recordErrors))
        return failure;
    dialogs().beep();
    dialogs().message(QString::fromLatin1(ExportDone), MessageIcon::Information,
                      QString::fromLatin1(ExportDoneTitle));
    return std::nullopt;
}

void exportButtonClicked()
{
    const QString path = dialogs().input(QString::fromLatin1(ExportPrompt),
                                         QString::fromLatin1(ExportTitle), defaultExportPath());
    if (path.isEmpty()) {
        dialogs().beep();
        dialogs().message(QString::fromLatin1(ExportCancelled), MessageIcon::Information,
                          QString::fromLatin1(ExportTitle));
        return;
    }
    if (const auto failure = ExportResults(path)) {
        dialogs().beep();
        dialogs().message(*failure, MessageIcon::Critical);
    }
}

} // namespace quarvex
