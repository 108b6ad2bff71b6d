#pragma once

#include "analytes/fields.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <span>

namespace quarvex {

// The texts of a set of fields held in arrays: the fastest Fields to fill
// and read, for many cases one after the other.
class ArrayFields final : public Fields
{
public:
    void setValue(AnalyteId id, const QString& text) { m_values[size_t(id)] = text; }
    void setUnit(AnalyteId id, const QString& text) { m_units[size_t(id)] = text; }
    // From UTF-8 bytes, into the storage of the text before when nothing
    // else holds on to it: from case to case, no allocation at all.
    void setValue(AnalyteId id, QByteArrayView utf8) { assign(m_values[size_t(id)], utf8); }
    void setUnit(AnalyteId id, QByteArrayView utf8) { assign(m_units[size_t(id)], utf8); }
    void clear();

    QString value(AnalyteId id) const override { return m_values[size_t(id)]; }
    QString unit(AnalyteId id) const override { return m_units[size_t(id)]; }

private:
    static void assign(QString& text, QByteArrayView utf8);

    std::array<QString, AnalyteCount> m_values;
    std::array<QString, AnalyteCount> m_units;
};

// The names of the rows the overview's grid can show, in grid order: the rows
// of every item, whether computed or not.
std::span<const QString> gridRowNames();

// The overview for one case, one cell pair per grid row.
struct CaseEvaluation {
    struct Cells {
        QString result;
        QString interpretation;
    };
    std::vector<Cells> cells; // per grid row; both empty for an item not computed
    QStringList findings;     // why items were not computed: "item: field: text", each once
    QStringList hints;        // the case's hints, each text once
    // What makes a reading doubtful for this case or its shown number
    // misleading (context and rounding notes), as "row: text" in grid order.
    // The dated and unsourced notes belong to the item, the same in every
    // case, and are left to the item's description.
    QStringList notes;

    void clear();
};

// Evaluates the overview items against the fields, exactly as the data entry
// screen does, into out (whose storage is reused from case to case).
void evaluateCase(const Fields& fields, const QLocale& locale, CaseEvaluation& out);

// Appends the case as one line of JSON Lines: only what belongs to the case
// (appendCaseLine), what every case shares being in quarvex-cli --items-json;
// or, full, with every text written out (appendFullCaseLine).
void appendCaseJsonLine(QByteArray& out, const QString& caseId, const Fields& fields,
                        const QLocale& locale, bool full = false);

} // namespace quarvex
