#include "sheetprinter.h"

#include "bandpainter.h"
#include "overview/disclaimer.h"
#include "overview/resultsheet.h"
#include "practice/worksheetpages.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include <deque>
#include <functional>
#include <vector>

namespace quarvex {

namespace {

// Point sizes of the sheet's text.
constexpr double TitlePt = 16;
constexpr double HeadingPt = 12;
constexpr double BodyPt = 9.5;
constexpr double FooterPt = 7;
constexpr double SmallPt = 8; // the key's answer tables
constexpr double MarginMm = 15;

// Shares of the width: the results table's columns, the values' name column.
constexpr double ItemShare = 0.27;
constexpr double ResultShare = 0.16;
constexpr double InputNameShare = 0.55; // of one of the two value columns
constexpr double LabelShare = 0.2;      // the labels of the worked steps

constexpr int Wrap = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;

struct Fonts {
    QFont title, heading, body, bold, footer, small, smallBold;
};

Fonts makeFonts()
{
    // The same face whatever the desktop's font, so that the window and the
    // command line lay out the same pages; any sans serif where it is missing.
    QFont base(QStringLiteral("DejaVu Sans"));
    base.setStyleHint(QFont::SansSerif);
    // No ligatures: "effects" must stay six letters in the PDF's text, so a
    // search or a copy finds it.
    base.setStyleStrategy(QFont::PreferNoShaping);
    auto sized = [&base](double pt, bool bold) {
        QFont f = base;
        f.setPointSizeF(pt);
        f.setBold(bold);
        return f;
    };
    return {sized(TitlePt, true), sized(HeadingPt, true), sized(BodyPt, false),
            sized(BodyPt, true),  sized(FooterPt, false), sized(SmallPt, false),
            sized(SmallPt, true)};
}

// A piece of the sheet that is never split across pages.
struct Block {
    double height = 0;
    double spaceBefore = 0; // dropped at the top of a page
    bool keepWithNext = false;
    const Block* header = nullptr; // painted first when the block opens a page
    std::function<void(QPainter&, double y)> paint;
    bool newPage = false; // starts a page of its own
    int section = 0;      // of a worksheet: the section it belongs to
};

// Where a page's blocks come from, for its header and footer.
struct PageInfo {
    int section = 0;
    bool sectionStart = false; // the first page of its section
    int number = 1;            // within the section
    int count = 1;             // the section's pages
};

class SheetLayout
{
public:
    SheetLayout(const ResultSheet& sheet, QPagedPaintDevice& device)
        : SheetLayout(device, sheet.footer)
    {
        m_sheet = &sheet;
        m_shortFooter = sheet.footer; // the disclaimer on every page
    }

    SheetLayout(const PrintedWorksheet& worksheet, QPagedPaintDevice& device)
        : SheetLayout(device, worksheet.footer)
    {
        m_worksheet = &worksheet;
        m_shortFooter = worksheet.shortFooter.isEmpty() ? worksheet.footer : worksheet.shortFooter;
    }

    int print()
    {
        build();
        return paint();
    }

private:
    SheetLayout(QPagedPaintDevice& device, const QString& footer)
        : m_device(device)
        , m_fonts(makeFonts())
        , m_footer(footer)
    {
        const int dpi = device.logicalDpiY();
        const QRect page = device.pageLayout().paintRectPixels(dpi);
        m_width = page.width();
        m_pageHeight = page.height();
        m_mm = dpi / 25.4;
        m_line = metrics(m_fonts.body).lineSpacing();
    }

    int paint()
    {
        std::vector<PageInfo> info;
        const auto pages = paginate(info);
        QPainter painter;
        if (!painter.begin(&m_device))
            return 0;
        const int count = int(pages.size());
        for (int i = 0; i < count; ++i) {
            if (i > 0 && !m_device.newPage())
                return 0;
            paintHeader(painter, info[size_t(i)]);
            painter.save();
            painter.translate(0, m_headerHeight);
            for (const auto& [block, y] : pages[size_t(i)])
                block->paint(painter, y);
            painter.restore();
            paintFooter(painter, i + 1, count, fullFooterOn(i, info[size_t(i)]));
        }
        return painter.end() ? count : 0;
    }

    bool fullFooterOn(int page, const PageInfo& info) const
    {
        if (!m_worksheet)
            return true;
        return m_worksheet->footerPerSection ? info.sectionStart : page == 0;
    }

    QFontMetricsF metrics(const QFont& font) const { return QFontMetricsF(font, &m_device); }

    double textHeight(const QFont& font, const QString& text, double width) const
    {
        if (text.isEmpty())
            return metrics(font).lineSpacing();
        return metrics(font).boundingRect(QRectF(0, 0, width, 1e9), Wrap, text).height();
    }

    static void drawText(QPainter& p, const QFont& font, const QRectF& rect, const QString& text)
    {
        p.setFont(font);
        p.drawText(rect, Wrap, text);
    }

    void add(Block block)
    {
        block.section = m_section;
        m_blocks.push_back(std::move(block));
    }

    void paragraph(const QFont& font, const QString& text, double space, double indent = 0,
                   bool keepWithNext = false)
    {
        const double width = m_width - indent;
        add({textHeight(font, text, width), space, keepWithNext, nullptr,
             [font, text, indent, width](QPainter& p, double y) {
                 drawText(p, font, QRectF(indent, y, width, 1e9), text);
             }});
    }

    void heading(const QString& text) { paragraph(m_fonts.heading, text, 1.2 * m_line, 0, true); }

    void build()
    {
        m_footerHeight = textHeight(m_fonts.footer, m_footer, m_width) +
                         metrics(m_fonts.footer).lineSpacing() + 3 * m_mm;
        m_shortFooterHeight = textHeight(m_fonts.footer, m_shortFooter, m_width) +
                              metrics(m_fonts.footer).lineSpacing() + 3 * m_mm;
        if (m_worksheet) {
            m_headerHeight = metrics(m_fonts.footer).lineSpacing() + 3 * m_mm;
            buildWorksheet();
            return;
        }
        const ResultSheet& sheet = *m_sheet;
        paragraph(m_fonts.title, sheet.title, 0);
        paragraph(m_fonts.body, sheet.date, 0.3 * m_line);
        if (!sheet.caseName.isEmpty())
            paragraph(m_fonts.body, sheet.caseName, 0);
        inputs();
        results();
        if (!sheet.hints.isEmpty()) {
            heading(QStringLiteral("Hints"));
            for (const QString& hint : sheet.hints)
                paragraph(m_fonts.body, QStringLiteral("\u2022 ") + hint, 0.3 * m_line);
        }
        if (!sheet.steps.isEmpty()) {
            heading(QStringLiteral("Worked steps"));
            m_blocks.back().keepWithNext = true;
            for (const SheetSteps& steps : sheet.steps)
                workedSteps(steps);
        }
    }

    // A label and its text in two columns, as the steps window shows them.
    void labelled(const QString& label, const QString& text, double indent, bool bold = false)
    {
        const double labelWidth = label.isEmpty() ? 0 : LabelShare * m_width;
        const double textWidth = m_width - indent - labelWidth;
        const QFont& font = bold ? m_fonts.bold : m_fonts.body;
        const double height =
            std::max(label.isEmpty() ? 0 : textHeight(m_fonts.body, label, labelWidth),
                     textHeight(font, text, textWidth));
        add({height, 0.1 * m_line, false, nullptr,
             [this, label, text, indent, labelWidth, textWidth, font](QPainter& p, double y) {
                 if (!label.isEmpty())
                     drawText(p, m_fonts.body, QRectF(indent, y, labelWidth, 1e9), label);
                 drawText(p, font, QRectF(indent + labelWidth, y, textWidth, 1e9), text);
             }});
    }

    // The band picture of a row, drawn as on screen at the sheet's type size,
    // in black on white.
    void bandPicture(const DerivedRow& row)
    {
        const BandScale scale = bandScaleOf(row);
        const double height = bandPictureHeight(m_fonts.body, &m_device);
        const double indent = 4 * m_mm;
        add({height, 0.3 * m_line, false, nullptr,
             [this, scale, indent, height](QPainter& p, double y) {
                 paintBandPicture(p, QRectF(indent, y, m_width - 2 * indent, height).toRect(),
                                  scale, m_fonts.body);
             }});
    }

    // One item's worked steps: its name once as the heading, kept with the
    // lines after it; an item that fits on a page is never split across two.
    void workedSteps(const SheetSteps& steps)
    {
        const Derivation& d = steps.derivation;
        const QLocale locale;
        const size_t first = m_blocks.size();
        paragraph(m_fonts.bold, steps.item, 0.8 * m_line, 0, true);
        const double indent = 4 * m_mm;
        paragraph(m_fonts.bold, QStringLiteral("Inputs"), 0.3 * m_line, indent, true);
        for (const DerivedInput& in : d.inputs) {
            labelled(in.name + QLatin1Char(':'), inputLine(in, locale), indent);
            for (const QString& hint : in.hints)
                labelled(QString(), QStringLiteral("Check: ") + hint,
                         indent + LabelShare * m_width);
        }
        for (const DerivedRow& row : d.rows) {
            paragraph(m_fonts.bold, row.name, 0.5 * m_line, indent, true);
            for (const WorkLine& line : workLines(row, locale)) {
                labelled(line.label, line.text,
                         line.label.isEmpty() ? indent + LabelShare * m_width : indent,
                         line.label == QLatin1String("Result:"));
            }
            if (row.bands.isEmpty())
                continue;
            bandPicture(row);
            for (qsizetype i = 0; i < row.bands.size(); ++i) {
                const DerivedBand& band = row.bands[i];
                labelled(QString(),
                         (band.chosen ? QStringLiteral("\u25b6 ") : QString()) +
                             QString(QChar(u'A' + char16_t(i % 26))) + QStringLiteral(" (") +
                             bandRangeText(row, band, locale) + QStringLiteral("): ") +
                             bandMeaning(band),
                         indent, band.chosen);
            }
        }
        if (d.sources) {
            paragraph(m_fonts.bold, QStringLiteral("Sources"), 0.4 * m_line, indent, true);
            for (const Source& source : d.sources->sources) {
                QString line = source.citation();
                if (!source.verified())
                    line += QStringLiteral(" (not verified)");
                paragraph(m_fonts.body, QStringLiteral("\u2022 ") + line, 0.1 * m_line, indent);
            }
        }
        for (const QString& change : d.changes)
            paragraph(m_fonts.body, change, 0.3 * m_line, indent);
        // Kept together when the whole item fits on a page; otherwise the
        // heading goes with its first lines only.
        double height = 0;
        for (size_t i = first; i < m_blocks.size(); ++i)
            height += m_blocks[i].height + m_blocks[i].spaceBefore;
        const size_t keep = height <= smallestBody() ? m_blocks.size() - 1
                                                     : std::min(m_blocks.size() - 1, first + 3);
        for (size_t i = first; i < keep; ++i)
            m_blocks[i].keepWithNext = true;
    }

    // The height for blocks on a page with the full footer or the short one.
    double bodyHeight(bool fullFooter = true) const
    {
        return m_pageHeight - m_headerHeight - (fullFooter ? m_footerHeight : m_shortFooterHeight);
    }
    double smallestBody() const { return std::min(bodyHeight(true), bodyHeight(false)); }

    // Marks the blocks from `first` to the last one to keep together when
    // they fit on any page.
    void keepTogether(size_t first)
    {
        double height = 0;
        for (size_t i = first; i < m_blocks.size(); ++i)
            height += m_blocks[i].height + (i > first ? m_blocks[i].spaceBefore : 0);
        if (height > smallestBody())
            return;
        for (size_t i = first; i + 1 < m_blocks.size(); ++i)
            m_blocks[i].keepWithNext = true;
    }

    // A worksheet: each section from a new page, its exercises one after
    // another, each with its code, its case and its table of steps, never
    // split over two pages when it fits on one; in the key the answer
    // tables first, then the complete worked steps after each exercise.
    void buildWorksheet()
    {
        for (const PrintedSection& section : m_worksheet->sections) {
            paragraph(m_fonts.title, section.title, 0, 0, true);
            m_blocks.back().newPage = true;
            paragraph(m_fonts.heading, section.subtitle, 0.3 * m_line, 0, true);
            if (section.nameLine)
                nameLine();
            paragraph(m_fonts.body, section.note, 0.3 * m_line);
            for (const AnswerTable& table : section.answerTables)
                answerTable(table);
            for (const PrintedExercise& ex : section.exercises) {
                const size_t first = m_blocks.size();
                exerciseHeading(ex.heading, ex.code);
                paragraph(m_fonts.body, ex.caseText, 0.3 * m_line, 0, true);
                stepTable(ex.steps, !ex.working.isEmpty());
                keepTogether(first);
                for (const SheetSteps& steps : ex.working) {
                    paragraph(m_fonts.bold, QStringLiteral("Worked steps"), 0.8 * m_line, 0, true);
                    workedSteps(steps);
                }
            }
            ++m_section;
        }
    }

    // "Name: ____   Date: ____" to fill in.
    void nameLine()
    {
        const QString name = QCoreApplication::translate("quarvex::Worksheet", "Name:");
        const QString date = QCoreApplication::translate("quarvex::Worksheet", "Date:");
        const QFontMetricsF fm = metrics(m_fonts.body);
        add({2 * m_line, 0.6 * m_line, true, nullptr,
             [this, name, date, fm](QPainter& p, double y) {
                 const double base = y + 1.5 * m_line;
                 const double split = 0.65 * m_width;
                 drawText(p, m_fonts.body, QRectF(0, y + 0.5 * m_line, m_width, 1e9), name);
                 drawText(p, m_fonts.body, QRectF(split + 4 * m_mm, y + 0.5 * m_line, m_width, 1e9),
                          date);
                 p.setPen(QPen(Qt::black, 0.2 * m_mm));
                 p.drawLine(QPointF(fm.horizontalAdvance(name) + 2 * m_mm, base),
                            QPointF(split, base));
                 p.drawLine(QPointF(split + 6 * m_mm + fm.horizontalAdvance(date), base),
                            QPointF(m_width, base));
                 p.setPen(Qt::black);
             }});
    }

    // An exercise's heading with its code at the right.
    void exerciseHeading(const QString& heading, const QString& code)
    {
        const QFont font = m_fonts.heading;
        const double codeWidth =
            code.isEmpty() ? 0 : metrics(font).horizontalAdvance(code) + 4 * m_mm;
        const double width = m_width - codeWidth;
        add({textHeight(font, heading, width), 1.4 * m_line, true, nullptr,
             [this, font, heading, code, width](QPainter& p, double y) {
                 drawText(p, font, QRectF(0, y, width, 1e9), heading);
                 p.setFont(font);
                 p.drawText(QRectF(0, y, m_width, metrics(font).lineSpacing()),
                            Qt::AlignRight | Qt::AlignTop, code);
             }});
    }

    // A row of cells in columns of the given shares of the width, a rule under it.
    Block cellRow(const QFont& font, const QStringList& cells, const QList<double>& shares,
                  double space)
    {
        const double pad = m_mm;
        double height = 0;
        for (qsizetype c = 0; c < cells.size(); ++c)
            height = std::max(height, textHeight(font, cells.at(c), shares[c] * m_width - pad));
        height += pad;
        return {height, space, false, nullptr,
                [this, font, cells, shares, pad, height](QPainter& p, double y) {
                    double x = 0;
                    for (qsizetype c = 0; c < cells.size(); ++c) {
                        drawText(p, font, QRectF(x, y, shares[c] * m_width - pad, 1e9),
                                 cells.at(c));
                        x += shares[c] * m_width;
                    }
                    p.setPen(QPen(Qt::gray, 0.2 * m_mm));
                    p.drawLine(QPointF(0, y + height - pad / 2),
                               QPointF(m_width, y + height - pad / 2));
                    p.setPen(Qt::black);
                }};
    }

    // A version's answers: its heading, then a row per exercise; kept on
    // one page when it fits.
    void answerTable(const AnswerTable& table)
    {
        const QList<double> shares{0.13, 0.19, 0.68};
        const size_t first = m_blocks.size();
        m_headers.push_back(
            cellRow(m_fonts.smallBold,
                    {table.heading, QStringLiteral("Item"), QStringLiteral("Expected answers")},
                    shares, 0.6 * m_line));
        const Block* header = &m_headers.back();
        add(*header);
        m_blocks.back().keepWithNext = true;
        for (const AnswerRow& row : table.rows) {
            Block block = cellRow(m_fonts.small, {row.code, row.item, row.answers}, shares, 0);
            block.header = header;
            add(std::move(block));
        }
        keepTogether(first);
    }

    // Four columns: the step, what to work out, the answer (a box to write
    // in where there is none) and the unit; the heading row repeated on
    // every page the table runs onto.
    Block stepRow(const QFont& font, const PrintedStep& step, double space, bool box)
    {
        const double pad = 1.5 * m_mm;
        const double widths[] = {m_width * 0.22, m_width * 0.4, m_width * 0.22, m_width * 0.16};
        const QStringList cells{step.label, step.prompt, step.answer, step.unit};
        double height = 0;
        for (int c = 0; c < 4; ++c)
            height = std::max(height, textHeight(font, cells.at(c), widths[c] - pad));
        const double boxHeight = 1.8 * m_line;
        if (box)
            height = std::max(height, boxHeight);
        height += pad;
        return {height, space, false, nullptr,
                [this, font, cells, widths, pad, height, box, boxHeight](QPainter& p, double y) {
                    double x = 0;
                    for (int c = 0; c < 4; ++c) {
                        if (c == 2 && box) {
                            p.setPen(QPen(Qt::black, 0.25 * m_mm));
                            p.drawRect(QRectF(x, y, widths[c] - 2 * pad, boxHeight));
                            p.setPen(Qt::black);
                        } else {
                            drawText(p, font, QRectF(x, y, widths[c] - pad, 1e9), cells.at(c));
                        }
                        x += widths[c];
                    }
                    p.setPen(QPen(Qt::gray, 0.2 * m_mm));
                    p.drawLine(QPointF(0, y + height - pad / 2),
                               QPointF(m_width, y + height - pad / 2));
                    p.setPen(Qt::black);
                }};
    }

    void stepTable(const QList<PrintedStep>& steps, bool key)
    {
        m_headers.push_back(stepRow(m_fonts.bold,
                                    {QStringLiteral("Step"), QStringLiteral("Work out"),
                                     key ? QStringLiteral("Answer") : QStringLiteral("Your answer"),
                                     QStringLiteral("Unit")},
                                    0.5 * m_line, false));
        const Block* header = &m_headers.back();
        add(*header);
        m_blocks.back().keepWithNext = true;
        for (const PrintedStep& step : steps) {
            Block row = stepRow(m_fonts.body, step, 0.2 * m_line, step.answer.isEmpty());
            row.header = header;
            add(std::move(row));
        }
    }

    // The values in two columns, row by row.
    void inputs()
    {
        if (m_sheet->inputs.isEmpty())
            return;
        heading(QStringLiteral("Values entered"));
        const double column = (m_width - 6 * m_mm) / 2;
        const double nameWidth = column * InputNameShare;
        const double valueWidth = column - nameWidth;
        for (qsizetype i = 0; i < m_sheet->inputs.size(); i += 2) {
            QList<SheetInput> pair{m_sheet->inputs.at(i)};
            if (i + 1 < m_sheet->inputs.size())
                pair << m_sheet->inputs.at(i + 1);
            double height = 0;
            for (const SheetInput& in : pair) {
                height = std::max({height, textHeight(m_fonts.bold, in.name, nameWidth),
                                   textHeight(m_fonts.body, valueText(in), valueWidth)});
            }
            add({height, 0.15 * m_line, false, nullptr,
                 [this, pair, column, nameWidth, valueWidth](QPainter& p, double y) {
                     double x = 0;
                     for (const SheetInput& in : pair) {
                         drawText(p, m_fonts.bold, QRectF(x, y, nameWidth, 1e9), in.name);
                         drawText(p, m_fonts.body, QRectF(x + nameWidth, y, valueWidth, 1e9),
                                  valueText(in));
                         x += column + 6 * m_mm;
                     }
                 }});
        }
    }

    static QString valueText(const SheetInput& in)
    {
        return in.unit.isEmpty() ? in.value : in.value + QLatin1Char(' ') + in.unit;
    }

    // Three columns; a rule under the heading row and between rows.
    Block tableRow(const QFont& font, const QStringList& cells, double space)
    {
        const double pad = 1.5 * m_mm;
        const double widths[] = {m_width * ItemShare, m_width * ResultShare,
                                 m_width * (1 - ItemShare - ResultShare)};
        double height = 0;
        for (int c = 0; c < 3; ++c)
            height = std::max(height, textHeight(font, cells.at(c), widths[c] - pad));
        height += pad;
        return {height, space, false, nullptr,
                [this, font, cells, widths, pad, height](QPainter& p, double y) {
                    double x = 0;
                    for (int c = 0; c < 3; ++c) {
                        drawText(p, font, QRectF(x, y, widths[c] - pad, 1e9), cells.at(c));
                        x += widths[c];
                    }
                    p.setPen(QPen(Qt::gray, 0.2 * m_mm));
                    p.drawLine(QPointF(0, y + height - pad / 2),
                               QPointF(m_width, y + height - pad / 2));
                    p.setPen(Qt::black);
                }};
    }

    void results()
    {
        heading(QStringLiteral("Results"));
        if (m_sheet->rows.isEmpty()) {
            paragraph(m_fonts.body, m_sheet->noRows, 0.3 * m_line);
            return;
        }
        m_tableHeader = tableRow(m_fonts.bold,
                                 {QStringLiteral("Test Item"), QStringLiteral("Result"),
                                  QStringLiteral("Interpretation")},
                                 0.3 * m_line);
        add(m_tableHeader);
        m_blocks.back().keepWithNext = true;
        for (qsizetype r = 0; r < m_sheet->rows.size(); ++r) {
            const ResultRow& row = m_sheet->rows.at(r);
            Block block =
                tableRow(m_fonts.body, {row.name, row.result, row.interpretation}, 0.3 * m_line);
            block.header = &m_tableHeader;
            add(std::move(block));
            // The notes under their row, in full: paper has no tooltips.
            const QList<Note> notes = m_sheet->notes.value(r);
            if (!notes.isEmpty())
                m_blocks.back().keepWithNext = true;
            for (qsizetype n = 0; n < notes.size(); ++n) {
                paragraph(m_fonts.body, noteLabel(notes[n]) + QLatin1Char(' ') + notes[n].text,
                          0.1 * m_line, m_width * ItemShare);
                m_blocks.back().header = &m_tableHeader;
                m_blocks.back().keepWithNext = n + 1 < notes.size();
            }
        }
    }

    // Places every block on a page: a block that does not fit goes to the
    // next page, and takes with it the blocks before it that keep with it.
    // `info` gets each page's section and its place in it.
    std::vector<std::vector<std::pair<const Block*, double>>>
    paginate(std::vector<PageInfo>& info) const
    {
        // The first page of a section carries the full footer when the
        // worksheet prints it per section, else only the document's first.
        const auto bodyOf = [this](size_t page, bool sectionStart) {
            if (!m_worksheet)
                return bodyHeight(true);
            return bodyHeight(m_worksheet->footerPerSection ? sectionStart : page == 0);
        };
        std::vector<std::vector<std::pair<const Block*, double>>> pages(1);
        info.assign(1, PageInfo{m_blocks.empty() ? 0 : m_blocks.front().section, true, 1, 1});
        double body = bodyOf(0, true);
        double y = 0;
        auto place = [&](const Block* block) {
            if (y > 0)
                y += block->spaceBefore;
            if (y == 0 && block->header) {
                pages.back().emplace_back(block->header, 0);
                y = block->header->height;
            }
            pages.back().emplace_back(block, y);
            y += block->height;
        };
        for (size_t i = 0; i < m_blocks.size(); ++i) {
            // The height this block needs with the ones it keeps with.
            double need = m_blocks[i].spaceBefore;
            size_t last = i;
            while (last + 1 < m_blocks.size() && m_blocks[last].keepWithNext)
                ++last;
            for (size_t k = i; k <= last; ++k)
                need += m_blocks[k].height + (k > i ? m_blocks[k].spaceBefore : 0);
            // A chain longer than a page cannot be kept whole: the block goes alone.
            if (need > smallestBody())
                need = m_blocks[i].spaceBefore + m_blocks[i].height;
            if (y > 0 && (m_blocks[i].newPage || y + need > body)) {
                const bool start = m_blocks[i].newPage;
                pages.emplace_back();
                info.push_back(PageInfo{m_blocks[i].section, start, 1, 1});
                body = bodyOf(pages.size() - 1, start);
                y = 0;
            }
            place(&m_blocks[i]);
        }
        // Each page's number within its section.
        for (size_t p = 0; p < info.size(); ++p) {
            if (!info[p].sectionStart && p > 0 && info[p - 1].section == info[p].section)
                info[p].number = info[p - 1].number + 1;
        }
        for (size_t p = info.size(); p-- > 0;) {
            const bool lastOfSection = p + 1 == info.size() || info[p + 1].number == 1;
            info[p].count = lastOfSection ? info[p].number : info[p + 1].count;
        }
        return pages;
    }

    // A worksheet's page header: the section's header and "page 2 of 4".
    void paintHeader(QPainter& p, const PageInfo& info) const
    {
        if (!m_worksheet || info.section >= m_worksheet->sections.size())
            return;
        const double line = metrics(m_fonts.footer).lineSpacing();
        p.setFont(m_fonts.footer);
        p.drawText(QRectF(0, 0, m_width, line), Qt::AlignLeft | Qt::AlignTop,
                   m_worksheet->sections[info.section].header);
        p.drawText(QRectF(0, 0, m_width, line), Qt::AlignRight | Qt::AlignTop,
                   QStringLiteral("page %1 of %2").arg(info.number).arg(info.count));
        p.setPen(QPen(Qt::gray, 0.2 * m_mm));
        p.drawLine(QPointF(0, line + m_mm), QPointF(m_width, line + m_mm));
        p.setPen(Qt::black);
    }

    void paintFooter(QPainter& p, int page, int count, bool full) const
    {
        const double footerLine = metrics(m_fonts.footer).lineSpacing();
        const double top = m_pageHeight - (full ? m_footerHeight : m_shortFooterHeight) + 2 * m_mm;
        p.setPen(QPen(Qt::gray, 0.2 * m_mm));
        p.drawLine(QPointF(0, top - m_mm), QPointF(m_width, top - m_mm));
        p.setPen(Qt::black);
        drawText(p, m_fonts.footer, QRectF(0, top, m_width, 1e9), full ? m_footer : m_shortFooter);
        p.setFont(m_fonts.footer);
        p.drawText(QRectF(0, m_pageHeight - footerLine, m_width, footerLine),
                   Qt::AlignRight | Qt::AlignBottom,
                   QStringLiteral("Page %1 of %2").arg(page).arg(count));
    }

    const ResultSheet* m_sheet = nullptr;
    const PrintedWorksheet* m_worksheet = nullptr;
    QPagedPaintDevice& m_device;
    Fonts m_fonts;
    QString m_footer;
    QString m_shortFooter;
    double m_width = 0;
    double m_pageHeight = 0;
    double m_mm = 1;
    double m_line = 1;
    double m_footerHeight = 0;
    double m_shortFooterHeight = 0;
    double m_headerHeight = 0; // a worksheet's page header
    int m_section = 0;         // the worksheet section being built
    Block m_tableHeader;
    std::deque<Block> m_headers; // the step tables' heading rows, at fixed addresses
    // Blocks refer to m_tableHeader and each other by address: built once, never moved.
    std::vector<Block> m_blocks;
};

} // namespace

QPageLayout sheetPageLayout(const QLocale& locale)
{
    const QPageSize size(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                 : QPageSize::A4);
    return QPageLayout(size, QPageLayout::Portrait,
                       QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter);
}

int printSheet(const ResultSheet& sheet, QPagedPaintDevice& device)
{
    SheetLayout layout(sheet, device);
    return layout.print();
}

int printWorksheet(const PrintedWorksheet& worksheet, QPagedPaintDevice& device)
{
    SheetLayout layout(worksheet, device);
    return layout.print();
}

QString printedDisclaimer()
{
    QStringList lines = disclaimerText().split(QRegularExpression(QStringLiteral("\\r\\n?|\\n")));
    for (QString& line : lines)
        line = line.trimmed();
    return lines.join(QLatin1Char('\n'));
}

WorksheetDocuments worksheetDocuments(const Worksheet& worksheet, bool keyApart, bool workedSteps)
{
    const QString footer = printedDisclaimer();
    const QString shortFooter =
        QStringLiteral("For teaching only, not for decisions about patients; see the notice "
                       "on the first page.");
    WorksheetDocuments documents{worksheetSheets(worksheet, footer, shortFooter),
                                 worksheetKey(worksheet, footer, shortFooter, workedSteps)};
    if (!keyApart) {
        documents.sheets.sections += documents.key.sections;
        documents.key = {};
    }
    return documents;
}

int writeWorksheetPdf(const PrintedWorksheet& document, QIODevice& device)
{
    QPdfWriter writer(&device);
    writer.setPageLayout(sheetPageLayout(QLocale()));
    writer.setTitle(document.documentTitle);
    writer.setCreator(QStringLiteral("Quarvex"));
    return printWorksheet(document, writer);
}

} // namespace quarvex
