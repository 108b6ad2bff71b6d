#include "csvio/csvinput.h"

#include <QStringDecoder>

namespace quarvex {

namespace {

constexpr qint64 ReadSize = 256 * 1024;

bool isUtf8(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString text = decoder(bytes);
            return !decoder.hasError();
        }
    }
    return true;
}

QString at(int line)
{
    return QStringLiteral("line ") + QString::number(line) + QStringLiteral(": ");
}

class Reading
{
public:
    Reading(QIODevice& input, CsvRows& rows)
        : m_input(input)
        , m_rows(rows)
    {}

    CsvInputEnd run();

private:
    // libcsv calls the reader's callbacks: nothing may be thrown through
    // it, so a failure is kept and thrown once it returns.
    template <class Step>
    void guarded(Step step)
    {
        if (m_stop)
            return;
        try {
            step();
        } catch (...) {
            m_failure = std::current_exception();
            m_stop = true;
        }
    }
    void rethrow() const
    {
        if (m_failure)
            std::rethrow_exception(m_failure);
    }
    QByteArrayView readSome();
    void record(const CsvRecord& record);
    void skip(int line, const QString& why);

    QIODevice& m_input;
    CsvRows& m_rows;
    QByteArray m_buffer;
    CsvInputEnd m_end;
    char m_delimiter = ',';
    bool m_haveHeader = false;
    size_t m_width = 0;
    bool m_stop = false;
    qint64 m_bytes = 0;
    std::exception_ptr m_failure;
};

QByteArrayView Reading::readSome()
{
    const qint64 n = m_input.read(m_buffer.data(), ReadSize);
    if (n < 0) {
        m_end.status = CsvInputEnd::Status::ReadFailed;
        m_end.error = m_input.errorString();
        m_stop = true;
        return {};
    }
    m_bytes += n;
    m_rows.bytesRead(m_bytes);
    return QByteArrayView(m_buffer.constData(), n);
}

CsvInputEnd Reading::run()
{
    using Status = CsvInputEnd::Status;
    m_buffer.resize(ReadSize);
    // The delimiter comes from the header line, so that much is read first
    // (of a first line without an end, the first block or two).
    QByteArray head;
    while (!head.contains('\n') && head.size() < ReadSize && !m_stop) {
        const QByteArrayView chunk = readSome();
        if (chunk.isEmpty())
            break;
        head.append(chunk);
    }
    if (m_end.status == Status::ReadFailed)
        return m_end;
    QByteArrayView text = head;
    if (startsWithBom(text))
        text = text.sliced(3);
    m_delimiter = detectDelimiter(text);

    CsvReader reader(
        m_delimiter, [this](const CsvRecord& r) { guarded([&] { record(r); }); },
        [this](int line) {
            guarded([&] {
                skip(line, QStringLiteral("a quote inside a field that does not start with one, "
                                          "or text after a closing quote"));
            });
        },
        [this](int line) {
            guarded([&] {
                skip(line, QStringLiteral("a record of over 1 MB (is a quote left open?)"));
            });
        });
    reader.feed(text);
    rethrow();
    while (!m_stop) {
        const QByteArrayView chunk = readSome();
        if (chunk.isEmpty())
            break;
        reader.feed(chunk);
        rethrow();
    }
    if (!m_stop) {
        const std::optional<int> openQuote = reader.finish();
        rethrow();
        if (openQuote && !m_stop) {
            m_end.openQuoteLine = openQuote;
            m_rows.skipped(*openQuote,
                           at(*openQuote) + QStringLiteral("a quote opened here is never closed; "
                                                           "the input ends inside it"),
                           !m_haveHeader);
            if (!m_haveHeader)
                m_end.status = Status::BadHeader;
        }
    }
    if (!m_haveHeader && m_end.status == Status::Done)
        m_end.status = Status::NoHeader;
    return m_end;
}

void Reading::skip(int line, const QString& why)
{
    m_rows.skipped(line,
                   at(line) + (m_haveHeader ? why + QStringLiteral("; row skipped")
                                            : QStringLiteral("the header row: ") + why),
                   !m_haveHeader);
    if (!m_haveHeader) {
        m_end.status = CsvInputEnd::Status::BadHeader;
        m_stop = true;
        return;
    }
    ++m_end.rows;
    ++m_end.skipped;
}

void Reading::record(const CsvRecord& record)
{
    if (!m_haveHeader) {
        m_haveHeader = true;
        m_width = record.fields.size();
        if (!m_rows.header(record, m_delimiter))
            m_stop = true;
        return;
    }
    if (record.fields.size() != m_width) {
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
    ++m_end.rows;
    if (!m_rows.row(record))
        m_stop = true;
}

} // namespace

CsvInputEnd readCsvInput(QIODevice& input, CsvRows& rows)
{
    Reading reading(input, rows);
    return reading.run();
}

} // namespace quarvex
