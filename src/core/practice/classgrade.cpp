#include "practice/classgrade.h"

#include "analytes/findings.h"
#include "cases/casefile.h"
#include "csvio/csvinput.h"
#include "csvio/csvwriter.h"
#include "practice/grade.h"
#include "practice/itemkeys.h"
#include "practice/practicejson.h"
#include "practice/slips.h"
#include "practice/worksheet.h"

#include <QHash>
#include <QIODevice>

#include <cmath>

#include <algorithm>
#include <new>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace quarvex {

namespace {

QString at(int line)
{
    return QStringLiteral("line ") + QString::number(line) + QStringLiteral(": ");
}

const QString Joiner = QStringLiteral(", ");
// A header naming more passed-through columns than this names only the first ones.
constexpr qsizetype NamesShown = 5;

// One row of a class file as read: what makes the exercise, the answers by
// step id (blank ones left out), and the passed-through cells in header order.
struct ClassRow {
    int line = 0;
    QString student;
    QString code; // as the sheet prints it; empty without a Code column
    QStringList identity;
    ItemId item{};
    quint64 seed = 0;
    int level = 1;
    QStringList scenarios; // the scenario choice; empty: any
    QHash<QString, QString> answers;
    QStringList passed;
};

// A graded row kept until the output's columns are known, as the CSV it
// becomes: its leading cells (Student to Asked) and passed-through cells,
// each cell after a delimiter, end to end in one text, and each step's three
// cells by the step's column.
struct KeptRow {
    size_t fixedEnd;  // the leading cells, from the end of the row before
    size_t passedEnd; // then the passed-through cells
    size_t firstStep; // in the kept steps
    size_t steps;
};
struct KeptStep {
    int column; // in the table of step ids asked
    size_t end; // its cells run from the end of the step or row part before
};

class ClassRun final : public CsvRows
{
public:
    ClassRun(QIODevice& input, QIODevice& output, const ClassGradeOptions& options)
        : m_input(input)
        , m_output(output)
        , m_options(options)
    {}

    ClassGradeSummary run();

private:
    void report(const QString& problem) const
    {
        if (m_options.report)
            m_options.report(problem);
    }
    bool header(const CsvRecord& record, char delimiter) override;
    bool row(const CsvRecord& record) override;
    void skipped(int line, const QString& why, bool beforeHeader) override;
    bool counted(int line);
    void skip(int line, const QString& why)
    {
        ++m_summary.skipped;
        report(at(line) + why + QStringLiteral("; row skipped"));
    }
    std::optional<ClassRow> readRow(const CsvRecord& record);
    // Item, Seed, Level, Generator and Scenario into the row; false when it was skipped.
    bool readExercise(const CsvRecord& record, ClassRow& row);
    void keep(const ClassRow& row, const Exercise& exercise, const Grade& grade);
    bool write();
    void addToGradebook(const ClassRow& row, const Exercise& exercise, const Grade& grade);
    int itemColumn(ItemId item);

    QIODevice& m_input;
    QIODevice& m_output;
    const ClassGradeOptions& m_options;
    ClassGradeSummary m_summary;
    char m_delimiter = ',';
    bool m_refused = false;
    qint64 m_records = 0; // data rows met, skipped ones included
    int m_student = -1, m_item = -1, m_seed = -1, m_level = -1, m_generator = -1, m_scenario = -1;
    int m_code = -1;
    bool m_scenarioColumn = false;                // the output has a Scenario column
    QList<int> m_identityColumns;                 // field indexes
    QList<std::pair<int, QString>> m_stepColumns; // field index, step id
    QList<int> m_passedColumns;                   // field indexes
    QStringList m_passedNames;

    // What the rows graded so far come to.
    std::string m_cells;
    std::vector<KeptRow> m_rows;
    std::vector<KeptStep> m_steps;
    QStringList m_asked; // step ids asked, in the order first met
    std::unordered_map<QString, int> m_askedIndex;
    std::unordered_map<QString, int> m_studentIndex; // in the gradebook, by student and identity
    std::unordered_map<int, int> m_itemColumns;      // an item's column in the gradebook
    std::unordered_map<QString, std::unordered_set<int>> m_slipStudents;
    QHash<QString, int> m_shareIndex; // "<item column> <step id>" to its place in m_shares
    QList<StepShare> m_shares;
    QList<int> m_shareColumns; // the item column of each share
    double m_total = 0;
};

ClassGradeSummary ClassRun::run()
{
    using Status = BatchSummary::Status;
    const CsvInputEnd end = readCsvInput(m_input, *this);
    m_summary.skipped += end.skipped;
    switch (end.status) {
    case CsvInputEnd::Status::ReadFailed:
        m_summary.status = Status::ReadFailed;
        m_summary.error = end.error;
        return m_summary;
    case CsvInputEnd::Status::BadHeader:
        m_summary.status = Status::BadHeader;
        return m_summary;
    case CsvInputEnd::Status::NoHeader:
        m_summary.status = Status::NoHeader;
        return m_summary;
    case CsvInputEnd::Status::Done:
        break;
    }
    if (m_summary.status != Status::Done)
        return m_summary;
    if (!write())
        return m_summary;

    m_summary.gradebook.delimiter = m_delimiter;
    m_summary.students = qint64(m_summary.gradebook.students.size());
    m_summary.exercises = qint64(m_rows.size());
    m_summary.meanScore = m_rows.empty() ? 0.0 : m_total / double(m_rows.size());
    for (const Slip& slip : slipTable()) {
        const QString id = QString::fromLatin1(slip.id);
        const auto students = m_slipStudents.find(id);
        if (students != m_slipStudents.end())
            m_summary.slips.append({id, int(students->second.size())});
    }
    std::stable_sort(m_summary.slips.begin(), m_summary.slips.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    // The steps item by item, each item's in the order they came.
    std::vector<int> order(size_t(m_shares.size()));
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return m_shareColumns[a] < m_shareColumns[b]; });
    for (int i : order)
        m_summary.steps.append(m_shares[i]);
    if (m_summary.skipped > 0 || end.openQuoteLine)
        m_summary.status = Status::BadRows;
    return m_summary;
}

bool ClassRun::header(const CsvRecord& record, char delimiter)
{
    m_delimiter = delimiter;
    const int width = int(record.fields.size());
    QStringList repeated;
    std::unordered_set<QString> seen; // a header of many names is read in linear time
    for (int i = 0; i < width; ++i) {
        const QString name = QString::fromUtf8(record.fields[size_t(i)]).trimmed();
        if (!seen.insert(name).second) {
            if (!repeated.contains(quotedText(name)) && repeated.size() <= NamesShown)
                repeated << quotedText(name);
            continue;
        }
        if (name == QLatin1String(StudentColumn))
            m_student = i;
        else if (name == QLatin1String(ItemColumn))
            m_item = i;
        else if (name == QLatin1String(SeedColumn))
            m_seed = i;
        else if (name == QLatin1String(LevelColumn))
            m_level = i;
        else if (name == QLatin1String(GeneratorColumn))
            m_generator = i;
        else if (name == QLatin1String(ScenarioColumn))
            m_scenario = i;
        else if (name == QLatin1String(CodeColumn))
            m_code = i;
        else if (isStepIdForm(name))
            m_stepColumns.append({i, name});
        else {
            m_passedColumns.append(i);
            m_passedNames.append(name);
            if (isIdentityColumn(name)) {
                m_identityColumns.append(i);
                m_summary.gradebook.identityColumns.append(name);
            }
        }
    }
    if (m_code >= 0 && !m_options.sheet) {
        report(at(record.line) +
               QStringLiteral("the Code column names each exercise by the code printed beside it, "
                              "which only its sheet can read: give the sheet file with --sheet "
                              "(the file saved with the worksheet)"));
        m_summary.status = BatchSummary::Status::BadHeader;
        return false;
    }
    if (m_options.sheet)
        m_summary.gradebook.items = m_options.sheet->items;
    // With codes the sheet says what the exercise is; its Item, Seed, Level,
    // Generator and Scenario columns, if any, are not read.
    m_scenarioColumn = m_code >= 0 ? !m_options.sheet->scenarios.isEmpty() : m_scenario >= 0;
    QStringList missing;
    if (m_student < 0)
        missing << QString::fromLatin1(StudentColumn);
    if (m_code < 0) {
        if (m_item < 0)
            missing << QString::fromLatin1(ItemColumn);
        if (m_seed < 0)
            missing << QString::fromLatin1(SeedColumn);
        if (m_level < 0)
            missing << QString::fromLatin1(LevelColumn);
        if (m_generator < 0)
            missing << QString::fromLatin1(GeneratorColumn);
    }
    if (!repeated.isEmpty())
        report(at(record.line) +
               (repeated.size() == 1 ? QStringLiteral("repeated column ")
                                     : QStringLiteral("repeated columns ")) +
               repeated.first(std::min(repeated.size(), NamesShown)).join(Joiner));
    if (!missing.isEmpty())
        report(at(record.line) + QStringLiteral("no column ") + missing.join(Joiner) +
               (m_options.sheet ? QStringLiteral(" (the header names Student, Code and step ids, "
                                                 "or Student, Item, Seed, Level, Generator and "
                                                 "step ids)")
                                : QStringLiteral(" (the header names Student, Item, Seed, Level, "
                                                 "Generator and step ids)")) +
               (m_code < 0 && m_generator < 0
                    ? QStringLiteral("; without Generator the answers are to "
                                     "exercises made by an earlier version of the "
                                     "exercise generator, which must be made again")
                    : QString()));
    if (!repeated.isEmpty() || !missing.isEmpty()) {
        m_summary.status = BatchSummary::Status::BadHeader;
        return false;
    }
    if (!m_passedNames.isEmpty()) {
        QStringList shown;
        for (const QString& name : m_passedNames.first(std::min(m_passedNames.size(), NamesShown)))
            shown << quotedText(name);
        if (m_passedNames.size() > NamesShown)
            shown << QStringLiteral("and %1 more").arg(m_passedNames.size() - NamesShown);
        report(
            at(record.line) + QStringLiteral("warning: ") +
            (m_passedNames.size() == 1 ? QStringLiteral("column ") : QStringLiteral("columns ")) +
            shown.join(Joiner) +
            QStringLiteral(" named no step of any item; passed through to the output as "
                           "they are"));
    }
    return true;
}

// A class over its size is refused whole, before anything is written.
bool ClassRun::counted(int line)
{
    if (++m_records <= MaxClassRows)
        return true;
    report(at(line) + QStringLiteral("more than %1 rows; a run grades %1 at most, so nothing was "
                                     "graded (split the class into several files)")
                          .arg(MaxClassRows));
    m_refused = true;
    m_summary.status = BatchSummary::Status::Refused;
    return false;
}

void ClassRun::skipped(int line, const QString& why, bool beforeHeader)
{
    if (m_refused)
        return;
    if (!beforeHeader && !counted(line))
        return;
    report(why);
}

std::optional<ClassRow> ClassRun::readRow(const CsvRecord& record)
{
    const auto cell = [&](int i) { return QString::fromUtf8(record.fields[size_t(i)]).trimmed(); };
    ClassRow row;
    row.line = record.line;
    row.student = cell(m_student);
    row.answers.reserve(m_stepColumns.size());
    for (const auto& [index, id] : m_stepColumns) {
        const QString answer = cell(index);
        if (!answer.isEmpty())
            row.answers.insert(id, answer);
    }
    // A row of the class file nobody filled in: a version no student got.
    if (row.student.isEmpty() && row.answers.isEmpty()) {
        ++m_summary.unused;
        return std::nullopt;
    }
    if (row.student.isEmpty()) {
        skip(record.line, QStringLiteral("answers without a student (the Student cell is empty)"));
        return std::nullopt;
    }
    if (m_code >= 0) {
        const WorksheetSettings& sheet = *m_options.sheet;
        const CodedExercise found = findCodedExercise(sheet, cell(m_code));
        if (found.version == 0) {
            skip(record.line, found.problem);
            return std::nullopt;
        }
        const SheetExercise exercise = worksheetExercise(sheet, found.version, found.index);
        row.code = worksheetExerciseCode(sheet, found.version, found.index);
        row.item = exercise.item;
        row.seed = exercise.seed;
        row.level = exercise.level;
        row.scenarios = sheet.scenarios;
    } else if (!readExercise(record, row)) {
        return std::nullopt;
    }
    row.passed.reserve(m_passedColumns.size());
    for (int index : m_passedColumns)
        row.passed << QString::fromUtf8(record.fields[size_t(index)]);
    for (int index : m_identityColumns)
        row.identity << cell(index);
    return row;
}

bool ClassRun::readExercise(const CsvRecord& record, ClassRow& row)
{
    const auto cell = [&](int i) { return QString::fromUtf8(record.fields[size_t(i)]).trimmed(); };
    const QString itemText = cell(m_item);
    const std::optional<ItemId> item = findItem(itemText);
    if (!item) {
        skip(record.line, QStringLiteral("no item ") + quotedText(itemText));
        return false;
    }
    row.item = *item;
    const QString seedText = cell(m_seed);
    bool ok = false;
    row.seed = seedText.toULongLong(&ok);
    if (!ok || row.seed > MaxPracticeSeed || seedText.isEmpty() || !seedText.front().isDigit()) {
        skip(record.line,
             QStringLiteral("the seed ") + quotedText(seedText) +
                 QStringLiteral(" is not a whole number from 0 to %1").arg(MaxPracticeSeed));
        return false;
    }
    const QString levelText = cell(m_level);
    row.level = levelText.toInt(&ok);
    if (!ok || row.level < 1 || row.level > PracticeLevels) {
        skip(record.line, QStringLiteral("the level ") + quotedText(levelText) +
                              QStringLiteral(" is not 1, 2 or 3"));
        return false;
    }
    const QString generatorText = cell(m_generator);
    if (generatorText != QString::number(GeneratorVersion)) {
        skip(record.line,
             QStringLiteral("the exercise was made by another version of the exercise generator "
                            "(Generator %1; this program's is %2) and must be made again")
                 .arg(quotedText(generatorText))
                 .arg(GeneratorVersion));
        return false;
    }
    if (m_scenario >= 0) {
        // Scenario ids apart by blanks or "+".
        row.scenarios = cell(m_scenario)
                            .replace(QLatin1Char('+'), QLatin1Char(' '))
                            .split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (const QString problem = scenarioProblem(row.item, row.scenarios); !problem.isEmpty()) {
            skip(record.line, problem);
            return false;
        }
    }
    return true;
}

bool ClassRun::row(const CsvRecord& record)
{
    if (!counted(record.line))
        return false;
    const std::optional<ClassRow> row = readRow(record);
    if (!row)
        return true;
    const Exercise exercise = makeExercise(row->item, row->seed, row->level, std::nullopt,
                                           m_options.locale, row->scenarios);
    for (auto it = row->answers.cbegin(); it != row->answers.cend(); ++it) {
        if (exercise.stepIndex(it.key()) < 0) {
            skip(record.line, QStringLiteral("an answer to ") + quotedText(it.key()) +
                                  QStringLiteral(", which is no step of this exercise of ") +
                                  itemKey(row->item));
            return true;
        }
    }
    keep(*row, exercise, grade(exercise, row->answers, m_options.locale, {m_options.countCarried}));
    return true;
}

void ClassRun::keep(const ClassRow& row, const Exercise& exercise, const Grade& grade)
{
    const char d = m_delimiter;
    const auto text = [&](const QString& cell) {
        QByteArray bytes;
        bytes.append(d);
        appendCsvText(bytes, cell, d);
        m_cells.append(bytes.constData(), size_t(bytes.size()));
    };
    const auto number = [&](const QString& cell) {
        QByteArray bytes;
        bytes.append(d);
        appendCsvField(bytes, cell, d);
        m_cells.append(bytes.constData(), size_t(bytes.size()));
    };
    KeptRow kept{};
    text(row.student);
    if (m_code >= 0)
        number(row.code);
    number(itemKey(exercise.item));
    number(QString::number(exercise.seed));
    number(QString::number(exercise.level));
    number(QString::number(GeneratorVersion));
    if (m_scenarioColumn)
        text(exercise.scenarioChoice.join(QLatin1Char(' ')));
    number(m_options.locale.toString(grade.score(), 'f', 2));
    number(QString::number(grade.correct));
    number(QString::number(grade.right));
    number(QString::number(grade.asked));
    kept.fixedEnd = m_cells.size();
    for (const QString& cell : row.passed)
        text(cell);
    kept.passedEnd = m_cells.size();
    kept.firstStep = m_steps.size();
    for (const StepGrade& g : grade.steps) {
        auto [index, added] = m_askedIndex.try_emplace(g.id, int(m_asked.size()));
        if (added)
            m_asked << g.id;
        number(g.carried    ? QStringLiteral("carried")
               : g.correct  ? QStringLiteral("right")
               : g.answered ? QStringLiteral("wrong")
                            : QStringLiteral("blank"));
        number(g.slip);
        text(g.feedback);
        m_steps.push_back({index->second, m_cells.size()});
    }
    kept.steps = m_steps.size() - kept.firstStep;
    m_rows.push_back(kept);
    m_total += grade.score();
    addToGradebook(row, exercise, grade);
}

int ClassRun::itemColumn(ItemId item)
{
    auto [column, added] =
        m_itemColumns.try_emplace(int(item), int(m_summary.gradebook.items.indexOf(item)));
    if (column->second < 0) {
        column->second = int(m_summary.gradebook.items.size());
        m_summary.gradebook.items.append(item);
    }
    return column->second;
}

void ClassRun::addToGradebook(const ClassRow& row, const Exercise& exercise, const Grade& grade)
{
    ClassGradebook& book = m_summary.gradebook;
    QString key = row.student;
    for (const QString& cell : row.identity)
        key += QChar(0x1f) + cell;
    const auto [found, added] = m_studentIndex.try_emplace(key, int(book.students.size()));
    if (added)
        book.students.append(GradebookRow{row.student, row.identity, 0, 0, {}, {}});
    const int student = found->second;
    GradebookRow& line = book.students[student];
    const int column = itemColumn(exercise.item);
    if (line.itemScoreSums.size() <= column) {
        line.itemScoreSums.resize(column + 1, 0.0);
        line.itemExercises.resize(column + 1, 0);
    }
    ++line.exercises;
    line.scoreSum += grade.score();
    line.itemScoreSums[column] += grade.score();
    ++line.itemExercises[column];
    for (const StepGrade& g : grade.steps) {
        if (!g.slip.isEmpty())
            m_slipStudents[g.slip].insert(student);
        const QString shareKey = QString::number(column) + QLatin1Char(' ') + g.id;
        auto share = m_shareIndex.constFind(shareKey);
        if (share == m_shareIndex.constEnd()) {
            share = m_shareIndex.insert(shareKey, int(m_shares.size()));
            m_shares.append(StepShare{exercise.item, g.id, 0, 0});
            m_shareColumns.append(column);
        }
        StepShare& counted = m_shares[*share];
        ++counted.asked;
        counted.right += g.correct ? 1 : 0;
    }
}

bool ClassRun::write()
{
    // The step columns: those of the header that some row asks, in its
    // order, then any other step asked, in the order first met.
    std::vector<int> columns; // indexes into m_asked
    std::vector<char> placed(size_t(m_asked.size()), 0);
    for (const auto& [index, id] : m_stepColumns) {
        const auto asked = m_askedIndex.find(id);
        if (asked != m_askedIndex.end()) {
            columns.push_back(asked->second);
            placed[size_t(asked->second)] = 1;
        }
    }
    for (int i = 0; i < int(m_asked.size()); ++i) {
        if (!placed[size_t(i)])
            columns.push_back(i);
    }
    std::vector<int> position(size_t(m_asked.size()), 0); // of each asked step among the columns
    for (size_t c = 0; c < columns.size(); ++c)
        position[size_t(columns[c])] = int(c);

    const char d = m_delimiter;
    QByteArray out;
    QStringList names{QString::fromLatin1(StudentColumn),
                      QString::fromLatin1(ItemColumn),
                      QString::fromLatin1(SeedColumn),
                      QString::fromLatin1(LevelColumn),
                      QString::fromLatin1(GeneratorColumn),
                      QStringLiteral("Score"),
                      QStringLiteral("Right"),
                      QStringLiteral("Fully right"),
                      QStringLiteral("Asked")};
    if (m_scenarioColumn)
        names.insert(5, QString::fromLatin1(ScenarioColumn));
    if (m_code >= 0)
        names.insert(1, QString::fromLatin1(CodeColumn));
    for (int c : columns) {
        const QString& id = m_asked[c];
        names << id + QStringLiteral(": mark") << id + QStringLiteral(": slip")
              << id + QStringLiteral(": feedback");
    }
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (i > 0)
            out.append(d);
        appendCsvField(out, names[i], d);
    }
    for (const QString& name : m_passedNames) {
        out.append(d);
        appendCsvText(out, name, d);
    }
    out.append(CsvLineEnd);

    // Each row as it is put together, in blocks of about 256 KB.
    std::vector<std::pair<size_t, size_t>> cells(columns.size()); // where each step's cells are
    size_t rowStart = 0;
    const auto flush = [&] {
        QByteArrayView bytes = out;
        while (!bytes.isEmpty()) {
            const qint64 written = m_output.write(bytes.data(), bytes.size());
            if (written <= 0) {
                m_summary.status = BatchSummary::Status::WriteFailed;
                m_summary.error = m_output.errorString();
                return false;
            }
            bytes = bytes.sliced(qsizetype(written));
        }
        out.resize(0);
        return true;
    };
    for (const KeptRow& row : m_rows) {
        // The leading cells without the delimiter before the first.
        out.append(m_cells.data() + rowStart + 1, qsizetype(row.fixedEnd - rowStart - 1));
        std::fill(cells.begin(), cells.end(), std::pair<size_t, size_t>{0, 0});
        size_t from = row.passedEnd;
        for (size_t s = row.firstStep; s < row.firstStep + row.steps; ++s) {
            cells[size_t(position[size_t(m_steps[s].column)])] = {from, m_steps[s].end};
            from = m_steps[s].end;
        }
        for (const auto& [begin, end] : cells) {
            if (begin == end)
                out.append(QByteArray(3, d));
            else
                out.append(m_cells.data() + begin, qsizetype(end - begin));
        }
        out.append(m_cells.data() + row.fixedEnd, qsizetype(row.passedEnd - row.fixedEnd));
        out.append(CsvLineEnd);
        rowStart = from;
        if (out.size() >= 256 * 1024 && !flush())
            return false;
    }
    return flush();
}

} // namespace

bool isStepIdForm(const QString& name)
{
    // Read by hand: a regular expression may fail to match where memory is short.
    const auto counting = [](QStringView text) { // "1", "12", not "0" or "01"
        return !text.isEmpty() && text.front() >= u'1' && text.front() <= u'9' &&
               std::all_of(text.begin(), text.end(),
                           [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    QStringView rest(name);
    if (rest.startsWith(u"row")) {
        const qsizetype dash = rest.indexOf(u'-');
        if (dash < 0 || !counting(rest.sliced(3, dash - 3)))
            return false;
        rest = rest.sliced(dash + 1);
        if (rest.startsWith(u"convert-"))
            return false;
    }
    if (rest == u"result" || rest == u"band")
        return true;
    if (rest.startsWith(u"step-"))
        return counting(rest.sliced(5));
    if (!name.startsWith(QLatin1String("convert-")))
        return false;
    const QString field = name.mid(8);
    const auto& fields = inputFields();
    return std::any_of(fields.begin(), fields.end(),
                       [&field](const InputField& f) { return !f.unit && f.name == field; });
}

ClassGradeSummary gradeClass(QIODevice& input, QIODevice& output, const ClassGradeOptions& options)
{
    try {
        ClassRun run(input, output, options);
        return run.run();
    } catch (const std::bad_alloc&) {
        ClassGradeSummary summary;
        summary.status = BatchSummary::Status::OutOfMemory;
        return summary;
    }
}

double GradebookRow::totalPercent() const
{
    return exercises > 0 ? 100.0 * scoreSum / exercises : 0.0;
}

std::optional<double> GradebookRow::itemPercent(int column) const
{
    if (column < 0 || column >= itemExercises.size() || itemExercises[column] == 0)
        return std::nullopt;
    return 100.0 * itemScoreSums[column] / itemExercises[column];
}

bool isIdentityColumn(const QString& name)
{
    static const char* const names[] = {"email", "email address", "id number",    "username",
                                        "id",    "sis user id",   "sis login id", "section"};
    const QString folded = name.trimmed().toLower();
    return std::any_of(std::begin(names), std::end(names),
                       [&](const char* known) { return folded == QLatin1String(known); });
}

bool writeGradebook(const ClassGradebook& book, const QLocale& locale, QIODevice& device)
{
    const char d = book.delimiter;
    QLocale numbers = locale;
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    const auto percent = [&](double value) {
        return numbers.toString(std::max(0.0, value), 'f', 2);
    };
    QByteArray out;
    appendCsvField(out, QString::fromLatin1(StudentColumn), d);
    for (const QString& name : book.identityColumns) {
        out.append(d);
        appendCsvText(out, name, d);
    }
    out.append(d);
    appendCsvField(out, QStringLiteral("Total"), d);
    for (ItemId item : book.items) {
        out.append(d);
        appendCsvField(out, itemKey(item), d);
    }
    out.append(CsvLineEnd);
    for (const GradebookRow& row : book.students) {
        appendCsvText(out, row.student, d);
        for (qsizetype i = 0; i < book.identityColumns.size(); ++i) {
            out.append(d);
            appendCsvText(out, row.identity.value(i), d);
        }
        out.append(d);
        appendCsvField(out, percent(row.totalPercent()), d);
        for (qsizetype c = 0; c < book.items.size(); ++c) {
            out.append(d);
            if (const std::optional<double> value = row.itemPercent(int(c)))
                appendCsvField(out, percent(*value), d);
        }
        out.append(CsvLineEnd);
    }
    QByteArrayView bytes = out;
    while (!bytes.isEmpty()) {
        const qint64 written = device.write(bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

QString classSummaryText(const ClassGradeSummary& summary, const QLocale& locale)
{
    const auto plural = [](qint64 n, const char* one, const char* many) {
        return QString::number(n) + QLatin1Char(' ') + QString::fromLatin1(n == 1 ? one : many);
    };
    QStringList lines;
    lines << plural(summary.students, "student", "students") + QStringLiteral(", ") +
                 plural(summary.exercises, "exercise", "exercises") +
                 QStringLiteral(", mean score ") + locale.toString(summary.meanScore, 'f', 2);
    if (summary.unused > 0)
        lines.last() += QStringLiteral("; ") + plural(summary.unused, "row", "rows") +
                        QStringLiteral(" with neither a student nor an answer left out");
    if (summary.slips.isEmpty()) {
        lines << QStringLiteral("no slips named");
    } else {
        QStringList slips;
        for (const auto& [id, count] : summary.slips)
            slips << id + QLatin1Char(' ') + QString::number(count);
        lines << QStringLiteral("slips (students who made them): ") +
                     slips.join(QStringLiteral(", "));
    }
    QString line;
    for (qsizetype i = 0; i < summary.steps.size(); ++i) {
        const StepShare& share = summary.steps[i];
        if (i == 0 || share.item != summary.steps[i - 1].item) {
            if (!line.isEmpty())
                lines << line;
            line = QStringLiteral("right, ") + itemKey(share.item) + QStringLiteral(": ");
        } else {
            line += QStringLiteral(", ");
        }
        line += QStringLiteral("%1 %2 of %3 (%4 %)")
                    .arg(share.step)
                    .arg(share.right)
                    .arg(share.asked)
                    .arg(std::lround(100.0 * share.right / share.asked));
    }
    if (!line.isEmpty())
        lines << line;
    return lines.join(QLatin1Char('\n'));
}

} // namespace quarvex
