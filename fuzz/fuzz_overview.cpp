// A whole overview from arbitrary bytes: the bytes are read as command-line
// input (field lines), every item is are evaluated and computed, and the export
// is written to memory. Nothing may crash, and the file must keep its shape:
// CR LF after every line, the six header lines, and exactly two tabs in
// every row line. Every row has its row's form: a result text of the row's
// kind (never infinity or NaN) and an interpretation its item can give; an
// item whose result is not finite has a finding saying so and no rows.
#include "cases/casefile.h"
#include "fuzzsupport.h"
#include "overview/export.h"
#include "overview/overview.h"
#include "overviewforms.h"

#include <QBuffer>
#include <QDate>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace quarvex;
    using namespace quarvex::fuzz;
    if (size < 1)
        return 0;
    const QLocale locale = localeOf(data[0]);
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    CaseInput input;
    if (parseCaseText(text, input))
        return 0; // rejected input names its line; nothing else to do

    const QList<ItemEvaluation> evaluations = evaluateItems(Inputs(input.fields, locale));
    const QList<ResultRow> rows = resultRows(evaluations);
    const QStringList listed = computableListTexts(evaluations);
    require(evaluations.size() == size_t(quarvex::ItemCount) && rows.size() >= listed.size());
    // An item is computed exactly when none of its checks found anything.
    for (const ItemEvaluation& evaluation : evaluations) {
        require(evaluation.computable() == evaluation.findings.isEmpty());
        for (const Finding& finding : evaluation.findings)
            require(finding.analyte.has_value() == (finding.kind != FindingKind::ResultNotFinite));
    }
    for (const ResultRow& row : rows) {
        require(rowHasItsForm(row.name, row.result, row.interpretation, locale));
        require(!row.result.contains(QLatin1String("inf")) &&
                !row.result.contains(QLatin1String("nan")));
    }
    // The creatinine clearance is never negative: from an age of 140 on there is none.
    const ItemEvaluation& clearance = evaluations[int(ItemId::CreatinineClearance)];
    if (clearance.outcome)
        require(!clearance.outcome->values.isEmpty() && !(clearance.outcome->values.front() < 0.0));

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    require(writeExport(buffer, QDate(2026, 12, 6), rows));
    const QByteArray bytes = buffer.data();
    require(bytes.endsWith("\r\n"));
    const QList<QByteArray> lines = bytes.chopped(1).split('\n');
    require(lines.size() == 6 + rows.size());
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        require(line.endsWith('\r'));
        if (i >= 6)
            require(line.count('\t') == 2);
    }
    require(lines[0] == "Quarvex Test Results\r");
    return 0;
}
