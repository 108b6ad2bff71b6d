#include "batch/caseevaluation.h"

#include "analytes/hints.h"
#include "calc/notes.h"
#include "overview/json.h"
#include "overview/overview.h"

#include <vector>

namespace quarvex {

void ArrayFields::clear()
{
    m_values.fill(QString());
    m_units.fill(QString());
}

void ArrayFields::assign(QString& text, QByteArrayView utf8)
{
    for (char c : utf8) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            text = QString::fromUtf8(utf8);
            return;
        }
    }
    text.resize(utf8.size());
    QChar* to = text.data();
    for (qsizetype i = 0; i < utf8.size(); ++i)
        to[i] = QLatin1Char(utf8[i]);
}

std::span<const QString> gridRowNames()
{
    static const std::vector<QString> names = [] {
        std::vector<QString> out;
        for (const ItemDescriptor& item : overviewItems()) {
            for (const char* name : item.rowNames())
                out.push_back(QString::fromLatin1(name));
        }
        return out;
    }();
    return names;
}

void CaseEvaluation::clear()
{
    cells.assign(gridRowNames().size(), Cells{});
    findings.clear();
    hints.clear();
    notes.clear();
}

void evaluateCase(const Fields& fields, const QLocale& locale, CaseEvaluation& out)
{
    out.cells.resize(gridRowNames().size());
    out.findings.clear();
    out.hints.clear();
    out.notes.clear();
    size_t first = 0;
    const Inputs inputs(fields, locale);
    // The CSV writes no derivation: the outcomes need not list their inputs.
    QList<ItemEvaluation> evaluations = evaluateItems(inputs, false);
    // The notes of every row of the case, a note of several rows once.
    QList<QList<Note>> rowNoteLists;
    QStringList rowNames;
    rowNoteLists.reserve(qsizetype(gridRowNames().size()));
    rowNames.reserve(qsizetype(gridRowNames().size()));
    for (ItemEvaluation& evaluation : evaluations) {
        const ItemDescriptor& item = *evaluation.item;
        const size_t count = item.rowNames().size();
        QList<ResultRow> rows;
        if (evaluation.computable()) {
            for (size_t r = 0; r < count; ++r) {
                rowNoteLists << caseNotes(item.id, int(r), inputs, *evaluation.outcome, locale,
                                          NoteParts::Text);
                const QList<ResultRow>& made = evaluation.outcome->rows;
                rowNames << (qsizetype(r) < made.size() ? made[qsizetype(r)].name
                                                        : gridRowNames()[first + r]);
            }
            rows.swap(evaluation.outcome->rows);
        }
        for (size_t r = 0; r < count; ++r) {
            CaseEvaluation::Cells& cells = out.cells[first + r];
            if (qsizetype(r) < rows.size()) {
                cells.result = std::move(rows[qsizetype(r)].result);
                cells.interpretation = std::move(rows[qsizetype(r)].interpretation);
            } else {
                cells = {};
            }
        }
        for (const Finding& finding : evaluation.findings) {
            const QString text = QLatin1String(item.listText) + QStringLiteral(": ") + finding.text;
            if (!out.findings.contains(text))
                out.findings << text;
        }
        first += count;
    }
    showSharedOnce(rowNoteLists, rowNames);
    for (qsizetype r = 0; r < rowNoteLists.size(); ++r) {
        for (const Note& note : rowNoteLists[r])
            out.notes << (note.rows.isEmpty() ? rowNames[r] + QStringLiteral(": ") + note.text
                                              : note.text);
    }
    for (const CaseHint& hint : distinctHints(caseHints(inputs)))
        out.hints << hint.text;
}

void appendCaseJsonLine(QByteArray& out, const QString& caseId, const Fields& fields,
                        const QLocale& locale, bool full)
{
    const Inputs inputs(fields, locale);
    if (full)
        appendFullCaseLine(out, caseId, inputs, evaluateItems(inputs));
    else
        appendCaseLine(out, caseId, inputs, evaluateItems(inputs));
}

} // namespace quarvex
