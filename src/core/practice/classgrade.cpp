#include "practice/classgrade.h"

#include "analytes/findings.h"
#include "batch/csvreader.h"
#include "batch/csvwriter.h"
#include "practice/grade.h"
#include "practice/itemkeys.h"
#include "practice/practicejson.h"
#include "practice/slips.h"

#include <QHash>
#include <QIODevice>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <new>

namespace quarvex {

namespace {

constexpr qint64 ReadSize = 256 * 1024;

bool isUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

QString at(int line)
{
    return QStringLiteral("line ") + QString::number(line) + QStringLiteral(": ");
}

// One graded row, kept until the output's columns are known.
struct GradedRow {
    QString student;
    Exercise exercise;
    Grade grade;
};

class ClassRun
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
    void record(const CsvRecord& record);
    void header(const CsvRecord& record);
    void skip(int line, const QString& why)
    {
        ++m_summary.skipped;
        report(at(line) + why + QStringLiteral("; row skipped"));
    }
    bool write();

    QIODevice& m_input;
    QIODevice& m_output;
    const ClassGradeOptions& m_options;
    ClassGradeSummary m_summary;
    char m_delimiter = ',';
    bool m_haveHeader = false;
    bool m_stop = false;
    int m_width = 0;
    int m_student = -1, m_item = -1, m_seed = -1, m_level = -1, m_generator = -1, m_scenario = -1;
    QList<std::pair<int, QString>> m_stepColumns; // field index, step id
    QList<GradedRow> m_rows;
};

ClassGradeSummary ClassRun::run()
{
    using Status = BatchSummary::Status;
    QByteArray buffer(ReadSize, Qt::Uninitialized);
    const auto readSome = [&]() -> QByteArrayView {
        const qint64 n = m_input.read(buffer.data(), ReadSize);
        if (n < 0) {
            m_summary.status = Status::ReadFailed;
            m_summary.error = m_input.errorString();
            return {};
        }
        return QByteArrayView(buffer.constData(), n);
    };
    // The delimiter comes from the header line, as in batch mode.
    QByteArray head;
    while (!head.contains('\n') && head.size() < ReadSize) {
        const QByteArrayView chunk = readSome();
        if (chunk.isEmpty())
            break;
        head.append(chunk);
    }
    if (m_summary.status == Status::ReadFailed)
        return m_summary;
    QByteArrayView text = head;
    if (startsWithBom(text))
        text = text.sliced(3);
    m_delimiter = detectDelimiter(text);

    CsvReader reader(
        m_delimiter, [this](const CsvRecord& r) { record(r); },
        [this](int line) {
            if (m_stop)
                return;
            if (!m_haveHeader) {
                report(at(line) + QStringLiteral("a misplaced quote in the header row"));
                m_stop = true;
                m_summary.status = BatchSummary::Status::BadHeader;
                return;
            }
            skip(line, QStringLiteral("a quote inside a field that does not start with one, or "
                                      "text after a closing quote"));
        });
    bool reading = reader.feed(text);
    while (reading && !m_stop) {
        const QByteArrayView chunk = readSome();
        if (chunk.isEmpty())
            break;
        reading = reader.feed(chunk);
    }
    if (m_summary.status == Status::ReadFailed || m_summary.status == Status::BadHeader)
        return m_summary;
    bool cutShort = m_stop; // too many rows
    if (const std::optional<int> line = reader.tooLong()) {
        report(at(*line) + QStringLiteral("a record of over 1 MB (is a quote left open?); the "
                                          "input ends here"));
        cutShort = true;
    } else if (!m_stop) {
        if (const std::optional<int> line = reader.finish()) {
            report(at(*line) + QStringLiteral("a quote opened here is never closed; the input "
                                              "ends inside it"));
            cutShort = true;
        }
    }
    if (!m_haveHeader) {
        m_summary.status = cutShort ? Status::BadHeader : Status::NoHeader;
        return m_summary;
    }
    if (m_summary.status == Status::BadHeader)
        return m_summary;
    if (!write())
        return m_summary;

    // The summary of the rows graded.
    QSet<QString> students;
    QHash<QString, int> slipCounts;
    double total = 0;
    for (const GradedRow& row : m_rows) {
        students.insert(row.student);
        total += row.grade.score();
        for (const StepGrade& g : row.grade.steps) {
            if (!g.slip.isEmpty())
                ++slipCounts[g.slip];
        }
    }
    m_summary.students = students.size();
    m_summary.exercises = m_rows.size();
    m_summary.meanScore = m_rows.isEmpty() ? 0.0 : total / double(m_rows.size());
    for (const Slip& slip : slipTable()) {
        const QString id = QString::fromLatin1(slip.id);
        if (slipCounts.value(id) > 0)
            m_summary.slips.append({id, slipCounts.value(id)});
    }
    std::stable_sort(m_summary.slips.begin(), m_summary.slips.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    if (m_summary.slips.size() > 3)
        m_summary.slips.resize(3);
    if (m_summary.skipped > 0 || cutShort)
        m_summary.status = Status::BadRows;
    return m_summary;
}

void ClassRun::header(const CsvRecord& record)
{
    m_haveHeader = true;
    m_width = int(record.fields.size());
    QStringList seen, repeated;
    for (int i = 0; i < m_width; ++i) {
        const QString name = QString::fromUtf8(record.fields[size_t(i)]).trimmed();
        if (seen.contains(name)) {
            if (!repeated.contains(name))
                repeated << quotedText(name);
            continue;
        }
        seen << name;
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
        else
            m_stepColumns.append({i, name});
    }
    QStringList missing;
    if (m_student < 0)
        missing << QString::fromLatin1(StudentColumn);
    if (m_item < 0)
        missing << QString::fromLatin1(ItemColumn);
    if (m_seed < 0)
        missing << QString::fromLatin1(SeedColumn);
    if (m_level < 0)
        missing << QString::fromLatin1(LevelColumn);
    if (m_generator < 0)
        missing << QString::fromLatin1(GeneratorColumn);
    if (!repeated.isEmpty())
        report(at(record.line) +
               (repeated.size() == 1 ? QStringLiteral("repeated column ")
                                     : QStringLiteral("repeated columns ")) +
               repeated.join(QStringLiteral(", ")));
    if (!missing.isEmpty())
        report(at(record.line) + QStringLiteral("no column ") + missing.join(QStringLiteral(", ")) +
               QStringLiteral(" (the header names Student, Item, Seed, Level, Generator and step "
                              "ids)") +
               (m_generator < 0 ? QStringLiteral("; without Generator the answers are to "
                                                 "exercises made by an earlier version of the "
                                                 "exercise generator, which must be made again")
                                : QString()));
    if (!repeated.isEmpty() || !missing.isEmpty()) {
        m_stop = true;
        m_summary.status = BatchSummary::Status::BadHeader;
    }
}

void ClassRun::record(const CsvRecord& record)
{
    if (m_stop)
        return;
    if (!m_haveHeader) {
        header(record);
        return;
    }
    if (int(record.fields.size()) != m_width) {
        skip(record.line, QString::number(record.fields.size()) +
                              (record.fields.size() == 1 ? QStringLiteral(" field")
                                                         : QStringLiteral(" fields")) +
                              QStringLiteral(" where the header has ") + QString::number(m_width));
        return;
    }
    if (record.cut) {
        skip(record.line, QStringLiteral("the last row has no line end, so the input may have "
                                         "been cut short inside it"));
        return;
    }
    for (QByteArrayView field : record.fields) {
        if (!isUtf8(field)) {
            skip(record.line, QStringLiteral("not UTF-8 text"));
            return;
        }
    }
    if (m_rows.size() >= MaxClassRows) {
        report(at(record.line) +
               QStringLiteral("more than %1 rows; the input ends here").arg(MaxClassRows));
        m_stop = true;
        return;
    }
    const auto cell = [&](int i) { return QString::fromUtf8(record.fields[size_t(i)]).trimmed(); };
    const QString itemText = cell(m_item);
    const std::optional<ItemId> item = findItem(itemText);
    if (!item) {
        skip(record.line, QStringLiteral("no item ") + quotedText(itemText));
        return;
    }
    const QString seedText = cell(m_seed);
    bool ok = false;
    const quint64 seed = seedText.toULongLong(&ok);
    if (!ok || seed > MaxPracticeSeed || seedText.isEmpty() || !seedText.front().isDigit()) {
        skip(record.line,
             QStringLiteral("the seed ") + quotedText(seedText) +
                 QStringLiteral(" is not a whole number from 0 to %1").arg(MaxPracticeSeed));
        return;
    }
    const QString levelText = cell(m_level);
    const int level = levelText.toInt(&ok);
    if (!ok || level < 1 || level > PracticeLevels) {
        skip(record.line, QStringLiteral("the level ") + quotedText(levelText) +
                              QStringLiteral(" is not 1, 2 or 3"));
        return;
    }
    const QString generatorText = cell(m_generator);
    if (generatorText != QString::number(GeneratorVersion)) {
        skip(record.line,
             QStringLiteral("the exercise was made by another version of the exercise generator "
                            "(Generator %1; this program's is %2) and must be made again")
                 .arg(quotedText(generatorText))
                 .arg(GeneratorVersion));
        return;
    }
    QStringList scenarios;
    if (m_scenario >= 0) {
        static const QRegularExpression separators(QStringLiteral("[\\s+]+"));
        scenarios = cell(m_scenario).split(separators, Qt::SkipEmptyParts);
        if (const QString problem = scenarioProblem(*item, scenarios); !problem.isEmpty()) {
            skip(record.line, problem);
            return;
        }
    }
    GradedRow row;
    row.student = cell(m_student);
    row.exercise = makeExercise(*item, seed, level, std::nullopt, m_options.locale, scenarios);
    QHash<QString, QString> answers;
    for (const auto& [index, id] : m_stepColumns) {
        const QString answer = cell(index);
        if (answer.isEmpty())
            continue;
        if (row.exercise.stepIndex(id) < 0) {
            skip(record.line, QStringLiteral("an answer to ") + quotedText(id) +
                                  QStringLiteral(", which is no step of this exercise of ") +
                                  itemKey(*item));
            return;
        }
        answers.insert(id, answer);
    }
    row.grade = grade(row.exercise, answers, m_options.locale);
    m_rows.append(std::move(row));
}

bool ClassRun::write()
{
    // The step columns: those of the header that some row asks, in its
    // order, then any other step asked, in the order first met.
    QStringList asked;
    QSet<QString> askedSet;
    for (const GradedRow& row : m_rows) {
        for (const StepGrade& g : row.grade.steps) {
            if (!askedSet.contains(g.id)) {
                askedSet.insert(g.id);
                asked << g.id;
            }
        }
    }
    QStringList columns;
    for (const auto& [index, id] : m_stepColumns) {
        if (askedSet.contains(id))
            columns << id;
    }
    for (const QString& id : asked) {
        if (!columns.contains(id))
            columns << id;
    }

    const char d = m_delimiter;
    QByteArray out;
    QStringList names{QString::fromLatin1(StudentColumn),
                      QString::fromLatin1(ItemColumn),
                      QString::fromLatin1(SeedColumn),
                      QString::fromLatin1(LevelColumn),
                      QString::fromLatin1(GeneratorColumn),
                      QStringLiteral("Score"),
                      QStringLiteral("Right"),
                      QStringLiteral("Asked")};
    if (m_scenario >= 0)
        names.insert(5, QString::fromLatin1(ScenarioColumn));
    for (const QString& id : columns)
        names << id + QStringLiteral(": mark") << id + QStringLiteral(": slip")
              << id + QStringLiteral(": feedback");
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (i > 0)
            out.append(d);
        appendCsvField(out, names[i], d);
    }
    out.append(CsvLineEnd);
    for (const GradedRow& row : m_rows) {
        QStringList cells{row.student,
                          itemKey(row.exercise.item),
                          QString::number(row.exercise.seed),
                          QString::number(row.exercise.level),
                          QString::number(GeneratorVersion),
                          m_options.locale.toString(row.grade.score(), 'f', 2),
                          QString::number(row.grade.correct),
                          QString::number(row.grade.asked)};
        if (m_scenario >= 0)
            cells.insert(5, row.exercise.scenarioChoice.join(QLatin1Char(' ')));
        for (qsizetype i = 0; i < cells.size(); ++i) {
            if (i > 0)
                out.append(d);
            appendCsvField(out, cells[i], d);
        }
        for (const QString& id : columns) {
            const auto g = std::find_if(row.grade.steps.begin(), row.grade.steps.end(),
                                        [&id](const StepGrade& s) { return s.id == id; });
            QString mark, slip, feedback;
            if (g != row.grade.steps.end()) {
                mark = g->correct    ? QStringLiteral("right")
                       : g->answered ? QStringLiteral("wrong")
                                     : QStringLiteral("blank");
                slip = g->slip;
                feedback = g->feedback;
            }
            for (const QString& text : {mark, slip, feedback}) {
                out.append(d);
                appendCsvField(out, text, d);
            }
        }
        out.append(CsvLineEnd);
    }
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
    return true;
}

} // namespace

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

QString classSummaryText(const ClassGradeSummary& summary, const QLocale& locale)
{
    const auto plural = [](qint64 n, const char* one, const char* many) {
        return QString::number(n) + QLatin1Char(' ') + QString::fromLatin1(n == 1 ? one : many);
    };
    QString text = plural(summary.students, "student", "students") + QStringLiteral(", ") +
                   plural(summary.exercises, "exercise", "exercises") +
                   QStringLiteral(", mean score ") + locale.toString(summary.meanScore, 'f', 2);
    if (summary.slips.isEmpty())
        return text + QStringLiteral("; no slips named");
    QStringList slips;
    for (const auto& [id, count] : summary.slips)
        slips << id + QLatin1Char(' ') + QString::number(count);
    return text + QStringLiteral("; most frequent slips: ") + slips.join(QStringLiteral(", "));
}

} // namespace quarvex
