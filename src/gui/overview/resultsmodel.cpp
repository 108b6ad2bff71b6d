#include "overview/resultsmodel.h"

#include "calc/items.h"

#include <algorithm>

namespace quarvex {

namespace {

const char* const Headings[ResultsModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("quarvex::ResultsModel", "Test Item"),
    QT_TRANSLATE_NOOP("quarvex::ResultsModel", "Result"),
    QT_TRANSLATE_NOOP("quarvex::ResultsModel", "Interpretation"),
    QT_TRANSLATE_NOOP("quarvex::ResultsModel", "Note")};

bool isCell(const QModelIndex& index, qsizetype rows)
{
    return index.isValid() && !index.parent().isValid() && index.row() < rows &&
           index.column() < ResultsModel::ColumnCount;
}

} // namespace

ResultsModel::ResultsModel(QObject* parent)
    : QAbstractTableModel(parent)
{}

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    if (!isCell(index, m_rows.size()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: {
        const ResultRow& row = m_rows.at(index.row());
        switch (index.column()) {
        case ItemColumn:
            return shownItemText(row.name);
        case ResultColumn:
            return row.result;
        case InterpretationColumn:
            return row.interpretation;
        case NoteColumn:
            return noteText(index.row());
        }
        return {};
    }
    case Qt::ToolTipRole: {
        // The evidence behind a tag, and every note in full.
        if (index.column() != NoteColumn)
            return {};
        QStringList tips;
        for (const Note& note : notesOf(index.row())) {
            const QString tag = shownNoteTag(note.kind);
            tips << (tag.isEmpty() ? note.text : tag + QStringLiteral(": ") + note.text);
        }
        return tips.isEmpty() ? QVariant() : QVariant(tips.join(QLatin1Char('\n')));
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignTop));
    default:
        return {};
    }
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return {};
    return tr(Headings[section]);
}

Qt::ItemFlags ResultsModel::flags(const QModelIndex& index) const
{
    if (!isCell(index, m_rows.size()))
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

void ResultsModel::append(const QList<ResultRow>& rows,
                          const QList<std::shared_ptr<const Derivation>>& derivations)
{
    if (rows.isEmpty())
        return;
    const int first = int(m_rows.size());
    beginInsertRows(QModelIndex(), first, first + int(rows.size()) - 1);
    m_rows.append(rows);
    for (qsizetype i = 0; i < rows.size(); ++i)
        m_derivations << (i < derivations.size() ? derivations[i] : nullptr);
    shareNotes();
    endInsertRows();
    // A note the new rows share with earlier ones now names them there.
    if (first > 0)
        Q_EMIT dataChanged(index(0, NoteColumn), index(first - 1, NoteColumn));
}

void ResultsModel::setRows(const QList<ResultRow>& rows,
                           const QList<std::shared_ptr<const Derivation>>& derivations)
{
    beginResetModel();
    m_rows = rows;
    m_derivations.clear();
    for (qsizetype i = 0; i < rows.size(); ++i)
        m_derivations << (i < derivations.size() ? derivations[i] : nullptr);
    shareNotes();
    endResetModel();
}

const Derivation* ResultsModel::derivationOf(int row) const
{
    return row >= 0 && row < m_derivations.size() ? m_derivations.at(row).get() : nullptr;
}

void ResultsModel::shareNotes()
{
    m_notes.clear();
    QStringList names;
    for (qsizetype row = 0; row < m_rows.size(); ++row) {
        QList<Note> notes;
        if (const Derivation* derivation = derivationOf(int(row))) {
            for (const DerivedRow& derived : derivation->rows) {
                if (derived.name == m_rows.at(row).name) {
                    notes = derived.notes;
                    break;
                }
            }
        }
        m_notes << notes;
        names << m_rows.at(row).name;
    }
    showSharedOnce(m_notes, names);
}

QList<Note> ResultsModel::notesOf(int row) const
{
    return m_notes.value(row);
}

QString ResultsModel::noteText(int row) const
{
    QStringList lines;
    for (const Note& note : notesOf(row)) {
        const QString tag = shownNoteTag(note.kind);
        const QString line = tag.isEmpty() ? note.text : QLatin1Char('[') + tag + QLatin1Char(']');
        if (!lines.contains(line))
            lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

QString ResultsModel::linesOf(QList<int> rowNumbers) const
{
    std::sort(rowNumbers.begin(), rowNumbers.end());
    rowNumbers.erase(std::unique(rowNumbers.begin(), rowNumbers.end()), rowNumbers.end());
    QStringList lines;
    for (int r : rowNumbers) {
        if (r >= 0 && r < m_rows.size())
            lines << m_rows.at(r).line() + QLatin1Char('\t') +
                         noteText(r).replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace quarvex
