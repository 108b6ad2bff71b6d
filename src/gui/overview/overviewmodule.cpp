#include "overview/overviewmodule.h"

#include "app/dialogs.h"
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

// One pass over the overview items against one reading of frmData's fields:
// each item's findings are announced in item order, and frmData's error count
// follows every item.
QList<ItemEvaluation> evaluatePass()
{
    const QList<ItemEvaluation> evaluations = evaluateItems(Inputs(dataEntryFields()));
    for (const ItemEvaluation& evaluation : evaluations) {
        playFindings(evaluation.findings, dialogs());
        if (FrmData* data = openWindow<FrmData>())
            data->setErrors(int(evaluation.findings.size()));
    }
    return evaluations;
}

} // namespace

void ListComputableItems()
{
    FrmList* list = showWindow<FrmList>();
    const QStringList texts = computableListTexts(evaluatePass());
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
    const QList<ResultRow> rows = resultRows(evaluatePass());
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
    if (auto failure = saveExport(path, today, resultRows(evaluatePass())))
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
