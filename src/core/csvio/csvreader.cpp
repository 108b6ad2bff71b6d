#include "csvio/csvreader.h"

#include <csv.h>

#include <new>

namespace quarvex {

namespace {

// How much the parser grows a field's buffer by when it is full.
constexpr size_t FieldGrowth = 64 * 1024;

constexpr char Bom[] = "\xEF\xBB\xBF";

// Blanks belong to the field: nothing is trimmed.
int noSpace(unsigned char)
{
    return 0;
}

bool hasContent(QByteArrayView piece)
{
    for (char c : piece) {
        if (c != '\n' && c != '\r')
            return true;
    }
    return false;
}

} // namespace

bool startsWithBom(QByteArrayView bytes)
{
    return bytes.startsWith(QByteArrayView(Bom, 3));
}

char detectDelimiter(QByteArrayView headerLine)
{
    if (startsWithBom(headerLine))
        headerLine = headerLine.sliced(3);
    for (char lineEnd : {'\n', '\r'}) {
        const qsizetype end = headerLine.indexOf(lineEnd);
        if (end >= 0)
            headerLine = headerLine.first(end);
    }
    char best = ',';
    qsizetype bestCount = 0;
    for (char candidate : {',', ';', '\t'}) {
        const qsizetype count = headerLine.count(candidate);
        if (count > bestCount) {
            best = candidate;
            bestCount = count;
        }
    }
    return best;
}

CsvReader::CsvReader(char delimiter, Sink sink, BadQuoteSink badQuote, TooLongSink tooLong,
                     size_t maxRecord)
    : m_parser(std::make_unique<csv_parser>())
    , m_delimiter(delimiter)
    , m_maxRecord(maxRecord)
    , m_sink(std::move(sink))
    , m_badQuote(std::move(badQuote))
    , m_tooLong(std::move(tooLong))
{
    if (csv_init(m_parser.get(), CSV_STRICT | CSV_STRICT_FINI) != 0)
        throw std::bad_alloc();
    csv_set_delim(m_parser.get(), static_cast<unsigned char>(m_delimiter));
    csv_set_space_func(m_parser.get(), noSpace);
    // The parser grows a long field by this much at a time: by its 128 bytes
    // a record of 1 MB took some 8,000 reallocations, each copying it.
    csv_set_blk_size(m_parser.get(), FieldGrowth);
}

CsvReader::~CsvReader()
{
    csv_free(m_parser.get());
}

void CsvReader::restart()
{
    csv_free(m_parser.get());
    if (csv_init(m_parser.get(), CSV_STRICT | CSV_STRICT_FINI) != 0)
        throw std::bad_alloc();
    csv_set_delim(m_parser.get(), static_cast<unsigned char>(m_delimiter));
    csv_set_space_func(m_parser.get(), noSpace);
    // The parser grows a long field by this much at a time: by its 128 bytes
    // a record of 1 MB took some 8,000 reallocations, each copying it.
    csv_set_blk_size(m_parser.get(), FieldGrowth);
    m_data.clear();
    m_ends.clear();
    m_inRecord = false;
    m_discarding = false;
}

void CsvReader::feed(QByteArrayView bytes)
{
    // Fed a line at a time, so that every record knows the line it starts on.
    while (!bytes.isEmpty()) {
        const qsizetype newline = bytes.indexOf('\n');
        const QByteArrayView piece = newline < 0 ? bytes : bytes.first(newline + 1);
        m_lastByte = piece.back();
        if (m_skipLine)
            m_skipLine = newline < 0;
        else
            feedPiece(piece);
        if (newline >= 0)
            ++m_line;
        bytes = bytes.sliced(piece.size());
        // libcsv keeps the field being read in its own buffer (entry_pos
        // bytes of it, a public member of its parser). A record over the
        // limit goes on being parsed, so that its end is found where the
        // quotes say, but what it holds is dropped as it comes.
        if (m_discarding) {
            m_parser->entry_pos = 0;
        } else if (m_data.size() + m_parser->entry_pos > m_maxRecord) {
            m_discarding = true;
            m_parser->entry_pos = 0;
            m_data.clear();
            m_data.shrink_to_fit();
            m_ends.clear();
            if (m_tooLong)
                m_tooLong(m_recordLine);
        }
    }
}

void CsvReader::feedPiece(QByteArrayView piece)
{
    if (!m_inRecord && hasContent(piece)) {
        m_inRecord = true;
        m_recordLine = m_line;
    }
    const size_t size = size_t(piece.size());
    if (csv_parse(m_parser.get(), piece.data(), size, fieldDone, recordDone, this) == size)
        return;
    if (csv_error(m_parser.get()) != CSV_EPARSE)
        throw std::bad_alloc();
    const int line = m_line;
    restart();
    m_skipLine = !piece.endsWith('\n');
    if (m_badQuote)
        m_badQuote(line);
}

std::optional<int> CsvReader::finish()
{
    m_skipLine = false;
    const int openedOn = m_ends.empty() ? m_recordLine : m_fieldLine;
    if (csv_fini(m_parser.get(), fieldDone, recordDone, this) != 0) {
        restart();
        return openedOn;
    }
    return std::nullopt;
}

void CsvReader::fieldDone(void* data, size_t size, void* self)
{
    auto* reader = static_cast<CsvReader*>(self);
    if (!reader->m_inRecord) {
        // A record after a lone CR, on the same line as the one before.
        reader->m_inRecord = true;
        reader->m_recordLine = reader->m_line;
    }
    if (!reader->m_discarding) {
        reader->m_data.append(static_cast<const char*>(data), size);
        reader->m_ends.push_back(reader->m_data.size());
    }
    reader->m_fieldLine = reader->m_line;
}

void CsvReader::recordDone(int terminator, void* self)
{
    auto* reader = static_cast<CsvReader*>(self);
    if (reader->m_discarding || reader->m_data.size() > reader->m_maxRecord) {
        // Too long, found at its end when that came in the piece that made it so.
        if (!reader->m_discarding && reader->m_tooLong)
            reader->m_tooLong(reader->m_recordLine);
        reader->m_discarding = false;
        reader->m_inRecord = false;
        reader->m_data.clear();
        reader->m_ends.clear();
        return;
    }
    reader->m_views.clear();
    size_t start = 0;
    for (size_t end : reader->m_ends) {
        reader->m_views.emplace_back(reader->m_data.data() + start, qsizetype(end - start));
        start = end;
    }
    // libcsv passes -1 for a record ended by the end of the text.
    const bool cut = terminator == -1 && reader->m_lastByte != '"';
    const CsvRecord record{reader->m_views, reader->m_recordLine, cut};
    reader->m_sink(record);
    reader->m_data.clear();
    reader->m_ends.clear();
    reader->m_inRecord = false;
}

} // namespace quarvex
