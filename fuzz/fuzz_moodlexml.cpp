// The Moodle XML writer on arbitrary texts in every place a text goes: the
// sheet's title, a question's name, its case, a step's label, prompt, unit
// and given value, the choices and the feedback. The file must read back as
// XML, with the title as one category, the same number of gaps, each gap's
// answers in their order, and every text back as it was (on one line where a
// gap or a name needs one; what XML cannot hold as U+FFFD).
//
// Input: a first byte (bit 0: the rest is UTF-16, so lone surrogates and
// NULs come through; else UTF-8), then the texts separated by U+001E.
#include "fuzzsupport.h"
#include "moodlereader.h"
#include "practice/moodlexml.h"

#include <QBuffer>

#include <cstdint>

namespace {

using namespace quarvex;
using namespace quarvex::moodletest;
using quarvex::fuzz::require;

// What XML can hold of a text: the characters XML 1.0 does not allow replaced.
QString xmlChars(const QString& text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += text.mid(i, 2);
            ++i;
            continue;
        }
        const bool allowed = u == 0x9 || u == 0xa || u == 0xd || (u >= 0x20 && u < 0xd800) ||
                             (u >= 0xe000 && u <= 0xfffd);
        out += allowed ? QChar(u) : QChar(QChar::ReplacementCharacter);
    }
    return out;
}

QString oneLineOf(const QString& text)
{
    QString out = xmlChars(text);
    out.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    out.replace(QLatin1Char('\r'), QLatin1Char(' '));
    out.replace(QLatin1Char('\n'), QLatin1Char(' '));
    out.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return out;
}

QString leftWhole(const QString& text, qsizetype most)
{
    if (text.size() <= most)
        return text;
    return text.left(text[most - 1].isHighSurrogate() ? most - 1 : most);
}

// A gap's text as read back: trimmed, a dash for one left blank.
QString inGap(const QString& text)
{
    const QString line = oneLineOf(text).trimmed();
    return line.isEmpty() ? QStringLiteral("-") : line;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const char* rest = reinterpret_cast<const char*>(data + 1);
    const qsizetype restSize = qsizetype(size - 1);
    const QString input =
        data[0] & 1 ? QString::fromUtf16(reinterpret_cast<const char16_t*>(rest), restSize / 2)
                    : QString::fromUtf8(rest, restSize);
    QStringList texts = input.split(QChar(0x1e));
    while (texts.size() < 10)
        texts << QString();
    const QString& title = texts[0];
    const QString& name = texts[1];
    const QString& feedback = texts[6];

    MoodleQuestion q;
    q.name = name;
    q.caseText = texts[2];
    q.workedSteps = texts[3];
    q.steps << MoodleStep{texts[3], texts[4], texts[5], false, texts[6], {}};
    q.steps << MoodleStep{texts[3],
                          texts[4],
                          texts[5],
                          false,
                          {},
                          {{QStringLiteral("60.85"), QStringLiteral("0.005"), true, feedback},
                           {QStringLiteral("-6085"), QStringLiteral("0.5"), false, texts[7]}}};
    q.steps << MoodleStep{texts[3],
                          texts[4],
                          {},
                          true,
                          {},
                          {{texts[7], {}, false, feedback},
                           {texts[8], {}, true, texts[9]},
                           {texts[9], {}, false, {}}}};

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    require(writeMoodleXml(buffer, title, {q}));
    const ReadQuiz quiz = readQuiz(buffer.data());
    require(quiz.ok);
    require(quiz.questions.size() == 2);

    // The title is one category, as Moodle splits and trims a path.
    static const QRegularExpression separator(QStringLiteral("(?<!/)/(?!/)"));
    const QStringList path =
        quiz.questions[0].texts.value(QStringLiteral("category")).split(separator);
    require(path.size() == 3);
    QString category = path[2].trimmed().replace(QStringLiteral("//"), QStringLiteral("/"));
    const QString wanted = leftWhole(oneLineOf(title).trimmed(), 255).trimmed();
    require(category == (wanted.isEmpty() ? QStringLiteral("Worksheet") : wanted));

    const QHash<QString, QString>& read = quiz.questions[1].texts;
    require(read.value(QStringLiteral("name")) == oneLineOf(leftWhole(name, 255)));

    const QString html = read.value(QStringLiteral("questiontext"));
    const QList<ReadGap> gaps = readGaps(html);
    require(gaps.size() == 2);
    QString outside = html;
    for (qsizetype g = gaps.size() - 1; g >= 0; --g)
        outside.remove(gaps[g].start, gaps[g].length);
    require(!outside.contains(QLatin1Char('{')) && !outside.contains(QLatin1Char('}')));
    QString caseHtml = xmlChars(q.caseText);
    caseHtml.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    caseHtml.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    require(htmlUnescaped(outside).startsWith(QStringLiteral("<p>") + caseHtml +
                                              QStringLiteral("</p>")));

    for (int g = 0; g < 2; ++g) {
        const MoodleStep& step = q.steps[g + 1];
        const ReadGap& gap = gaps[g];
        require(gap.ok && gap.weight == QLatin1String("1"));
        require(gap.type ==
                (step.choice ? QLatin1String("MULTICHOICE") : QLatin1String("NUMERICAL")));
        require(gap.answers.size() == step.answers.size());
        for (qsizetype a = 0; a < gap.answers.size(); ++a) {
            const MoodleAnswer& written = step.answers[a];
            const ReadAnswer& back = gap.answers[a];
            require(back.fraction == (written.right ? QLatin1String("=") : QLatin1String("0")));
            require(step.choice
                        ? clozeUnescaped(back.answer).trimmed() == inGap(written.text)
                        : back.answer == written.text + QLatin1Char(':') + written.tolerance);
            require(written.feedback.isEmpty()
                        ? back.feedback.isEmpty()
                        : clozeUnescaped(back.feedback).trimmed() == inGap(written.feedback));
        }
    }
    return 0;
}
