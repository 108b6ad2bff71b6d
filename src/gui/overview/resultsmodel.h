#pragma once

#include "calc/derivation.h"
#include "calc/outcome.h"

#include <QAbstractTableModel>
#include <QList>

#include <memory>

namespace quarvex {

// The rows of the results grid as a read-only table: column 0 the test item,
// 1 the result, 2 the interpretation, 3 the notes on the interpretation
// (context and rounding notes in full, an evidence note as its short tag with
// its sentence as the tooltip). Rows are only ever appended.
class ResultsModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { ItemColumn, ResultColumn, InterpretationColumn, NoteColumn, ColumnCount };

    explicit ResultsModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Adds the rows at the bottom, in order, each with the derivation of its
    // item (shared by the rows of one item; none when not given).
    void append(const QList<ResultRow>& rows,
                const QList<std::shared_ptr<const Derivation>>& derivations = {});

    // The derivation of the item that gave the row, or nullptr.
    const Derivation* derivationOf(int row) const;
    // The notes of the row (from its derivation; a note of several rows
    // only on the first of them, naming them); empty without one.
    QList<Note> notesOf(int row) const;
    // The Note cell's text: each note on a line of its own, evidence as its tag.
    QString noteText(int row) const;
    // Replaces every row with these, each with the derivation of its item.
    void setRows(const QList<ResultRow>& rows,
                 const QList<std::shared_ptr<const Derivation>>& derivations = {});

    const QList<ResultRow>& rows() const { return m_rows; }

    // The given rows, top to bottom, one tab-separated line each (item,
    // result, interpretation, notes on one line), joined by line feeds; rows
    // out of range are skipped.
    QString linesOf(QList<int> rowNumbers) const;

private:
    // Reads every row's notes from its derivation again into m_notes.
    void shareNotes();

    QList<ResultRow> m_rows;
    QList<std::shared_ptr<const Derivation>> m_derivations; // one per row
    QList<QList<Note>> m_notes;                             // one per row
};

} // namespace quarvex
