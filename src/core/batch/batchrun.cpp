#include "batch/batchrun.h"

#include "analytes/findings.h"
#include "batch/caseevaluation.h"
#include "cases/casefile.h"
#include "cases/fieldtext.h"
#include "csvio/csvinput.h"
#include "csvio/csvwriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QIODevice>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <new>
#include <string>
#include <system_error>
#include <thread>

namespace quarvex {

namespace {

const QString Joiner = QStringLiteral(" | ");
const QString InterpretationSuffix = QStringLiteral(": interpretation");

// A message of a run (problems, progress) in the language installed; the
// output itself stays English.
QString batchText(const char* text)
{
    return QCoreApplication::translate("quarvex::Batch", text);
}

// A CSV record is about 2 KB, a JSON line of a complete case about as much:
// a batch stays within a megabyte.
constexpr size_t CasesPerBatch = 256;
constexpr size_t BatchesPerThread = 4; // batches in flight per evaluating thread
// However many threads are asked for, no more batches are in flight (and no
// more threads evaluate) than this, so memory does not grow with --threads.
constexpr size_t MaxBatchesInFlight = 16;
// A header naming more bad columns than this names only the first ones.
constexpr qsizetype NamesShown = 5;

} // namespace

bool BatchColumns::hasCase() const
{
    return std::any_of(columns.begin(), columns.end(),
                       [](const Column& c) { return c.target == Target::Case; });
}

BatchColumns mapBatchHeader(const std::vector<QByteArrayView>& names)
{
    BatchColumns out;
    QSet<QString> seen, repeated; // so that a header of many names is read in linear time
    seen.reserve(qsizetype(names.size()));
    for (QByteArrayView bytes : names) {
        const QString name = QString::fromUtf8(bytes).trimmed();
        if (seen.contains(name)) {
            if (!repeated.contains(name)) {
                repeated.insert(name);
                out.repeated << name;
            }
            continue;
        }
        seen.insert(name);
        if (name == QLatin1String(CaseColumn)) {
            out.columns.push_back({BatchColumns::Target::Case, AnalyteId::Age});
            continue;
        }
        const auto& fields = inputFields();
        const auto field = std::find_if(fields.begin(), fields.end(),
                                        [&name](const InputField& f) { return f.name == name; });
        if (field == fields.end()) {
            out.unknown << name;
            continue;
        }
        out.columns.push_back(
            {field->unit ? BatchColumns::Target::Unit : BatchColumns::Target::Value, field->id});
    }
    return out;
}

QStringList batchOutputColumns()
{
    QStringList columns{QString::fromLatin1(CaseColumn)};
    for (const QString& row : gridRowNames())
        columns << row << row + InterpretationSuffix;
    columns << QStringLiteral("findings") << QStringLiteral("hints") << QStringLiteral("notes");
    return columns;
}

void appendBatchRecord(QByteArray& out, QByteArrayView caseId, const CaseEvaluation& evaluation,
                       char delimiter)
{
    appendCsvText(out, caseId, delimiter);
    for (const CaseEvaluation::Cells& cells : evaluation.cells) {
        out.append(delimiter);
        appendCsvField(out, cells.result, delimiter);
        out.append(delimiter);
        appendCsvField(out, cells.interpretation, delimiter);
    }
    out.append(delimiter);
    appendCsvField(out, evaluation.findings, Joiner, delimiter);
    out.append(delimiter);
    appendCsvField(out, evaluation.hints, Joiner, delimiter);
    out.append(delimiter);
    appendCsvField(out, evaluation.notes, Joiner, delimiter);
    out.append(CsvLineEnd);
}

QString progressText(const BatchProgress& progress)
{
    const qint64 rate =
        progress.seconds > 0 ? qint64(double(progress.cases) / progress.seconds) : 0;
    QString text = batchText(QT_TRANSLATE_NOOP("quarvex::Batch", "%1 cases, %2 cases/s"))
                       .arg(progress.cases)
                       .arg(rate);
    if (progress.inputSize > 0 && progress.bytesRead > 0 &&
        progress.bytesRead <= progress.inputSize) {
        const double left = progress.seconds * double(progress.inputSize - progress.bytesRead) /
                            double(progress.bytesRead);
        const qint64 secs = std::llround(left);
        const QString mmss = QString::number(secs % 3600 / 60) + QLatin1Char(':') +
                             QString::number(secs % 60).rightJustified(2, QLatin1Char('0'));
        //: The progress of a batch run and the time left ("1200 cases, 400 cases/s, 0:07 left").
        text = batchText(QT_TRANSLATE_NOOP("quarvex::Batch", "%1, %2 left"))
                   .arg(text, secs >= 3600 ? QString::number(secs / 3600) + QLatin1Char(':') +
                                                 mmss.rightJustified(5, QLatin1Char('0'))
                                           : mmss);
    }
    return text;
}

namespace {

// Cases read but not yet evaluated: their fields end to end.
struct InputBatch {
    std::string data;
    std::vector<size_t> ends;    // field ends, a row of columns per case
    std::vector<qint64> numbers; // each case's data row number

    void clear()
    {
        data.clear();
        ends.clear();
        numbers.clear();
    }
    size_t size() const { return numbers.size(); }
};

struct Job {
    InputBatch input;
    QByteArray output;
    bool ready = false;
    std::exception_ptr failure; // what the evaluation threw, for the reading thread
};

// Evaluates the cases of a job into its output records.
class Evaluator
{
public:
    Evaluator(const BatchColumns& columns, const QLocale& locale, char delimiter,
              BatchFormat format)
        : m_columns(columns)
        , m_locale(locale)
        , m_delimiter(delimiter)
        , m_format(format)
    {
        // Numbers are read without group separators; saying so once here
        // spares every reading a copy of the locale.
        m_locale.setNumberOptions(m_locale.numberOptions() | QLocale::RejectGroupSeparator);
    }

    void run(Job& job)
    {
        const InputBatch& in = job.input;
        const size_t width = m_columns.columns.size();
        job.output.resize(0); // keeps its storage for the next batch
        for (size_t c = 0; c < in.size(); ++c) {
            QByteArrayView caseId;
            QByteArray number;
            for (size_t i = 0; i < width; ++i) {
                const size_t index = c * width + i;
                const size_t start = index == 0 ? 0 : in.ends[index - 1];
                const QByteArrayView text(in.data.data() + start,
                                          qsizetype(in.ends[index] - start));
                const BatchColumns::Column& column = m_columns.columns[i];
                switch (column.target) {
                case BatchColumns::Target::Case:
                    caseId = text;
                    break;
                case BatchColumns::Target::Value:
                    m_fields.setValue(column.analyte, typedText(column.analyte, false, text));
                    break;
                case BatchColumns::Target::Unit:
                    m_fields.setUnit(column.analyte, typedText(column.analyte, true, text));
                    break;
                }
            }
            if (!m_hasCase) {
                number = QByteArray::number(in.numbers[c]);
                caseId = number;
            }
            if (m_format != BatchFormat::Csv) {
                appendCaseJsonLine(job.output, QString::fromUtf8(caseId), m_fields, m_locale,
                                   m_format == BatchFormat::FullJsonLines);
                continue;
            }
            evaluateCase(m_fields, m_locale, m_evaluation);
            appendBatchRecord(job.output, caseId, m_evaluation, m_delimiter);
        }
    }

private:
    const BatchColumns& m_columns;
    const bool m_hasCase = m_columns.hasCase();
    QLocale m_locale;
    const char m_delimiter;
    const BatchFormat m_format;
    ArrayFields m_fields;
    CaseEvaluation m_evaluation;
};

QString describe(const QIODevice& device)
{
    const QString text = device.errorString();
    return text.isEmpty() || text == QLatin1String("Unknown error")
               ? batchText(QT_TRANSLATE_NOOP("quarvex::Batch", "The device refused a write."))
               : text;
}

QString namesList(const QStringList& names)
{
    QStringList parts;
    for (const QString& name : names.first(std::min(names.size(), NamesShown)))
        parts << quotedText(name);
    if (names.size() > NamesShown)
        parts << batchText(QT_TRANSLATE_NOOP("quarvex::Batch", "and %1 more"))
                     .arg(names.size() - NamesShown);
    return parts.join(QStringLiteral(", "));
}

class BatchRun final : public CsvRows
{
public:
    BatchRun(QIODevice& input, QIODevice& output, const BatchOptions& options)
        : m_input(input)
        , m_output(output)
        , m_options(options)
    {
        m_progress.inputSize = input.isSequential() ? -1 : input.size();
    }

    ~BatchRun() override { stopWorkers(); }

    BatchSummary run();

private:
    void report(const QString& problem) const
    {
        if (m_options.report)
            m_options.report(problem);
    }

    bool header(const CsvRecord& record, char delimiter) override;
    bool row(const CsvRecord& record) override;
    void skipped(int line, const QString& why, bool beforeHeader) override;
    void bytesRead(qint64 bytes) override { m_progress.bytesRead = bytes; }
    void dispatch();
    void writeNext();
    void writeReady();
    void writeOut(QByteArrayView bytes, size_t cases);
    void startWorkers(int count);
    void stopWorkers();
    void work();
    void notifyProgress(bool finished);
    QIODevice& m_input;
    QIODevice& m_output;
    const BatchOptions& m_options;
    const size_t m_casesPerBatch = CasesPerBatch;
    BatchSummary m_summary;
    BatchProgress m_progress;
    QElapsedTimer m_clock;
    double m_lastProgress = 0.0;

    char m_delimiter = ',';
    bool m_stop = false; // a bad header or a failed write: no more records
    BatchColumns m_columns;
    qint64 m_rows = 0; // data rows read, skipped ones included
    InputBatch m_batch;

    // One evaluating thread: the cases are evaluated on the reading thread.
    std::optional<Evaluator> m_inline;
    Job m_inlineJob;

    // Several: a ring of batches in flight, by sequence number; the reading
    // thread hands them to the workers and writes them out in order.
    std::vector<Job> m_jobs;
    qint64 m_nextSeq = 0;
    qint64 m_nextWrite = 0;
    std::deque<qint64> m_queue;
    std::mutex m_mutex;
    std::condition_variable m_work;
    std::condition_variable m_done;
    bool m_quit = false;
    std::vector<std::thread> m_workers;
};

BatchSummary BatchRun::run()
{
    using Status = BatchSummary::Status;
    m_clock.start();
    const CsvInputEnd end = readCsvInput(m_input, *this);
    m_summary.skipped += end.skipped;
    m_summary.openQuoteLine = end.openQuoteLine;
    switch (end.status) {
    case CsvInputEnd::Status::ReadFailed:
        m_summary.status = Status::ReadFailed;
        m_summary.error = end.error;
        return m_summary;
    case CsvInputEnd::Status::BadHeader:
        m_summary.status = Status::BadHeader;
        return m_summary;
    case CsvInputEnd::Status::NoHeader:
        // Not even a header row: nothing to name the columns by.
        m_summary.status = Status::NoHeader;
        return m_summary;
    case CsvInputEnd::Status::Done:
        break;
    }
    if (m_summary.status == Status::BadHeader)
        return m_summary;

    dispatch();
    while (m_nextWrite < m_nextSeq)
        writeNext();
    stopWorkers();
    notifyProgress(true);

    if (m_summary.status == Status::Done && (m_summary.skipped > 0 || m_summary.openQuoteLine))
        m_summary.status = Status::BadRows;
    return m_summary;
}

bool BatchRun::header(const CsvRecord& record, char delimiter)
{
    m_delimiter = delimiter;
    m_columns = mapBatchHeader(record.fields);
    if (!m_columns.valid()) {
        // The bad columns of one kind, named in one line.
        const auto reportNames = [&](const QStringList& names, const char* one,
                                     const char* several) {
            if (!names.isEmpty())
                report(batchText(names.size() == 1 ? one : several)
                           .arg(record.line)
                           .arg(namesList(names)));
        };
        reportNames(m_columns.unknown,
                    QT_TRANSLATE_NOOP("quarvex::Batch", "line %1: unknown column %2"),
                    QT_TRANSLATE_NOOP("quarvex::Batch", "line %1: unknown columns %2"));
        reportNames(m_columns.repeated,
                    QT_TRANSLATE_NOOP("quarvex::Batch", "line %1: repeated column %2"),
                    QT_TRANSLATE_NOOP("quarvex::Batch", "line %1: repeated columns %2"));
        m_stop = true;
        m_summary.status = BatchSummary::Status::BadHeader;
        return false;
    }
    if (m_options.format == BatchFormat::Csv) {
        QByteArray line;
        const QStringList names = batchOutputColumns();
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (i > 0)
                line.append(m_delimiter);
            appendCsvField(line, names.at(i), m_delimiter);
        }
        line.append(CsvLineEnd);
        writeOut(line, 0);
    }

    const int threads =
        m_options.threads > 0 ? m_options.threads : int(std::thread::hardware_concurrency());
    if (threads > 1)
        startWorkers(threads);
    if (m_workers.empty())
        m_inline.emplace(m_columns, m_options.locale, m_delimiter, m_options.format);
    return !m_stop;
}

bool BatchRun::row(const CsvRecord& record)
{
    ++m_rows;
    for (QByteArrayView field : record.fields) {
        m_batch.data.append(field.data(), size_t(field.size()));
        m_batch.ends.push_back(m_batch.data.size());
    }
    m_batch.numbers.push_back(m_rows);
    if (m_batch.size() >= m_casesPerBatch)
        dispatch();
    return !m_stop;
}

void BatchRun::skipped(int, const QString& why, bool beforeHeader)
{
    if (!beforeHeader)
        ++m_rows;
    report(why);
}

void BatchRun::dispatch()
{
    if (m_batch.size() == 0 || m_stop)
        return;
    if (m_inline) {
        std::swap(m_inlineJob.input, m_batch);
        m_batch.clear();
        m_inline->run(m_inlineJob);
        writeOut(m_inlineJob.output, m_inlineJob.input.size());
        return;
    }
    while (m_nextSeq - m_nextWrite >= qint64(m_jobs.size()))
        writeNext();
    if (m_stop)
        return;
    Job& job = m_jobs[size_t(m_nextSeq % qint64(m_jobs.size()))];
    std::swap(job.input, m_batch);
    m_batch.clear();
    job.ready = false;
    job.failure = nullptr;
    {
        const std::lock_guard lock(m_mutex);
        m_queue.push_back(m_nextSeq++);
    }
    m_work.notify_one();
    writeReady();
}

void BatchRun::writeNext()
{
    Job& job = m_jobs[size_t(m_nextWrite % qint64(m_jobs.size()))];
    {
        std::unique_lock lock(m_mutex);
        m_done.wait(lock, [&job] { return job.ready; });
    }
    if (job.failure)
        std::rethrow_exception(job.failure);
    writeOut(job.output, job.input.size());
    ++m_nextWrite;
}

void BatchRun::writeReady()
{
    while (m_nextWrite < m_nextSeq) {
        {
            const std::lock_guard lock(m_mutex);
            if (!m_jobs[size_t(m_nextWrite % qint64(m_jobs.size()))].ready)
                return;
        }
        writeNext();
    }
}

void BatchRun::writeOut(QByteArrayView bytes, size_t cases)
{
    if (m_summary.status == BatchSummary::Status::WriteFailed)
        return;
    while (!bytes.isEmpty()) {
        const qint64 written = m_output.write(bytes.data(), bytes.size());
        if (written <= 0) {
            m_summary.status = BatchSummary::Status::WriteFailed;
            m_summary.error = describe(m_output);
            m_stop = true;
            return;
        }
        bytes = bytes.sliced(qsizetype(written));
    }
    m_summary.cases += qint64(cases);
    notifyProgress(false);
}

void BatchRun::notifyProgress(bool finished)
{
    if (!m_options.progress)
        return;
    const double now = double(m_clock.nsecsElapsed()) / 1e9;
    if (!finished && now - m_lastProgress < m_options.progressInterval)
        return;
    m_lastProgress = now;
    m_progress.cases = m_summary.cases;
    m_progress.seconds = now;
    m_progress.finished = finished;
    m_options.progress(m_progress);
}

void BatchRun::startWorkers(int count)
{
    const size_t batches = std::min(size_t(count) * BatchesPerThread, MaxBatchesInFlight);
    const size_t workers = std::min(size_t(count), batches);
    try {
        for (size_t i = 0; i < workers; ++i)
            m_workers.emplace_back([this] { work(); });
    } catch (const std::system_error&) {
        // No more threads to be had (a process or memory limit): the run
        // goes on with those that started, or on this thread alone.
    }
    if (!m_workers.empty())
        m_jobs.resize(std::min(m_workers.size() * BatchesPerThread, MaxBatchesInFlight));
}

void BatchRun::stopWorkers()
{
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_work.notify_all();
    for (std::thread& worker : m_workers)
        worker.join();
    m_workers.clear();
}

void BatchRun::work()
{
    std::optional<Evaluator> evaluator;
    for (;;) {
        qint64 seq = 0;
        {
            std::unique_lock lock(m_mutex);
            m_work.wait(lock, [this] { return m_quit || !m_queue.empty(); });
            if (m_quit)
                return;
            seq = m_queue.front();
            m_queue.pop_front();
        }
        Job& job = m_jobs[size_t(seq % qint64(m_jobs.size()))];
        try {
            if (!evaluator)
                evaluator.emplace(m_columns, m_options.locale, m_delimiter, m_options.format);
            evaluator->run(job);
        } catch (...) {
            job.failure = std::current_exception();
        }
        {
            const std::lock_guard lock(m_mutex);
            job.ready = true;
        }
        m_done.notify_one();
    }
}

} // namespace

BatchSummary runBatch(QIODevice& input, QIODevice& output, const BatchOptions& options)
{
    try {
        BatchRun run(input, output, options);
        return run.run();
    } catch (const std::bad_alloc&) {
        BatchSummary summary;
        summary.status = BatchSummary::Status::OutOfMemory;
        return summary;
    }
}

int exitStatus(BatchSummary::Status status)
{
    using S = BatchSummary::Status;
    switch (status) {
    case S::Done:
        return 0;
    case S::WriteFailed:
    case S::OutOfMemory:
        return 1;
    case S::BadHeader:
    case S::NoHeader:
    case S::Refused:
    case S::ReadFailed:
        return 2;
    case S::BadRows:
        return 3;
    }
    return 1;
}

} // namespace quarvex
