#include "practice/moodlexml.h"

#include "analytes/format.h"
#include "calc/derivation.h"
#include "i18n/language.h"
#include "practice/grade.h"
#include "practice/slips.h"
#include "practice/worksheetpages.h"

#include <QCoreApplication>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>

namespace quarvex {

namespace {

// The feedback is teaching prose beside the slips' and the worked steps':
// translated with the clinical prose.
const char* const RightText = QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "Right.");
const char* const OtherBandText =
    QT_TRANSLATE_NOOP("quarvex::ClinicalProse",
                      "Not this interpretation: compare the value with the band edges again.");
const char* const CreditText = QT_TRANSLATE_NOOP(
    "quarvex::ClinicalProse",
    "Each answer is marked on its own: an answer worked right from a wrong earlier "
    "answer gets no mark here. Compare your working with the steps below.");
const char* const GivenText = QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "%1 (given)");

QString tr(const char* text)
{
    return QCoreApplication::translate(ClinicalProseContext, text);
}

// Moodle keeps names of at most 255 characters.
constexpr qsizetype MostNameLength = 255;

QString firstCharacters(const QString& text, qsizetype most)
{
    if (text.size() <= most)
        return text;
    // A pair of surrogates stays whole.
    const qsizetype cut = text[most - 1].isHighSurrogate() ? most - 1 : most;
    return text.left(cut);
}

// The text with every character XML 1.0 does not allow (most control
// characters, a lone surrogate, U+FFFE and U+FFFF) replaced by U+FFFD.
QString xmlSafe(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += c;
            out += text[++i];
        } else if ((u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || c.isSurrogate() ||
                   u == 0xfffe || u == 0xffff) {
            out += QChar(QChar::ReplacementCharacter);
        } else {
            out += c;
        }
    }
    return out;
}

// A text on one line (a name, a gap's answer or feedback): each line end or
// tab a space.
QString oneLine(const QString& text)
{
    QString out = xmlSafe(text);
    out.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (const char16_t c : {u'\r', u'\n', u'\t'})
        out.replace(QChar(c), QLatin1Char(' '));
    return out;
}

// Text in the question's HTML outside a gap: LF line ends, HTML escaped, and
// the braces as character references, so that no text can open a gap or name
// one ("{#1}").
QString htmlText(const QString& text)
{
    QString out = xmlSafe(text);
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    out = out.toHtmlEscaped();
    out.replace(QLatin1Char('{'), QLatin1String("&#123;"));
    out.replace(QLatin1Char('}'), QLatin1String("&#125;"));
    return out;
}

// Text inside a gap (an answer or its feedback): on one line, HTML escaped
// (<, > and &), and each of } # ~ / " \ after a backslash. A text never ends
// in a backslash or an entity's ";" (nor "&"), which Moodle would read as
// escaping the separator after it; an empty text is a dash.
QString gapText(const QString& text)
{
    QString out;
    for (const QChar c : oneLine(text)) {
        switch (c.unicode()) {
        case u'&':
            out += QLatin1String("&amp;");
            break;
        case u'<':
            out += QLatin1String("&lt;");
            break;
        case u'>':
            out += QLatin1String("&gt;");
            break;
        case u'}':
        case u'#':
        case u'~':
        case u'/':
        case u'"':
        case u'\\':
            out += QLatin1Char('\\');
            out += c;
            break;
        default:
            out += c;
        }
    }
    if (out.trimmed().isEmpty())
        return QStringLiteral("-");
    if (out.endsWith(QLatin1Char('\\')) || out.endsWith(QLatin1Char(';')))
        out += QLatin1Char(' ');
    return out;
}

// A gap: {1:NUMERICAL:=60.85:0.005#Right.~%0%6085:0.5#…} or
// {1:MULTICHOICE:Normal#…~=Mildly impaired#Right.~…}.
QString gap(const MoodleStep& step)
{
    QStringList answers;
    for (const MoodleAnswer& a : step.answers) {
        QString text = a.right ? QStringLiteral("=") : QStringLiteral("%0%");
        if (step.choice) {
            text += gapText(a.text);
        } else {
            text += gapText(a.text) + QLatin1Char(':') + gapText(a.tolerance);
        }
        if (!a.feedback.isEmpty())
            text += QLatin1Char('#') + gapText(a.feedback);
        answers << text;
    }
    return QStringLiteral("{1:") +
           (step.choice ? QStringLiteral("MULTICHOICE:") : QStringLiteral("NUMERICAL:")) +
           answers.join(QLatin1Char('~')) + QLatin1Char('}');
}

QString questionHtml(const MoodleQuestion& q)
{
    QString html = QStringLiteral("<p>") + htmlText(q.caseText) + QStringLiteral("</p>\n");
    for (const MoodleStep& s : q.steps) {
        html += QStringLiteral("<p><b>") + htmlText(s.label) + QStringLiteral("</b>: ") +
                htmlText(s.prompt) + QStringLiteral("<br>");
        if (s.answers.isEmpty()) {
            const QString value = s.unit.isEmpty() ? s.given : s.given + QLatin1Char(' ') + s.unit;
            html += htmlText(tr(GivenText).arg(value));
        } else {
            html += gap(s);
            if (!s.unit.isEmpty())
                html += QLatin1Char(' ') + htmlText(s.unit);
        }
        html += QStringLiteral("</p>\n");
    }
    return html;
}

// A positive number rounded down to six significant digits.
double roundedDown(double value)
{
    if (!(value > 0.0))
        return 0.0;
    const double scale = std::pow(10.0, 5 - int(std::floor(std::log10(value))));
    return std::floor(value * scale) / scale;
}

// A number step's answer for a value: as grading reads it, within its tolerance.
MoodleAnswer numberAnswer(const ExerciseStep& s, double value)
{
    if (s.tolerance.kind == StepTolerance::AsShown) {
        // Equal when rounded: within half the last decimal shown.
        return {formatFixed(value, s.tolerance.decimals, QLocale::c()),
                moodleNumber(0.5 * std::pow(10.0, -s.tolerance.decimals)),
                false,
                {}};
    }
    // Within the margin around the value: the interval around the value as
    // written (six digits) is kept inside it, so that Moodle never accepts what
    // grading would not.
    const QString written = moodleNumber(value);
    const double margin = s.tolerance.margin(value) - std::fabs(written.toDouble() - value);
    return {written, moodleNumber(roundedDown(margin)), false, {}};
}

MoodleStep numberStep(const Exercise& ex, int i, const QList<SlipCase>& cases,
                      const QList<SlipAnswers>& slipped)
{
    const ExerciseStep& s = ex.steps[i];
    MoodleStep out{s.label, s.prompt, s.unit, false, {}, {}};
    MoodleAnswer right = numberAnswer(s, s.expected);
    right.right = true;
    right.feedback = tr(RightText);
    out.answers << right;
    for (qsizetype c = 0; c < cases.size(); ++c) {
        const double v = slipped[c].numbers[i];
        if (!std::isfinite(v) || s.tolerance.accepts(s.expected, v))
            continue;
        MoodleAnswer slip = numberAnswer(s, v);
        const bool seen = std::any_of(out.answers.begin(), out.answers.end(),
                                      [&](const MoodleAnswer& a) { return a.text == slip.text; });
        if (seen)
            continue;
        // A gap sees no other answer: the feedback is what grading says of
        // this answer given alone, and only where it names a slip.
        const Grade alone = grade(ex, {{s.id, slip.text}}, ex.locale);
        const auto g = std::find_if(alone.steps.begin(), alone.steps.end(),
                                    [&](const StepGrade& sg) { return sg.id == s.id; });
        if (g == alone.steps.end() || g->slip.isEmpty() || g->correct)
            continue;
        slip.feedback = g->feedback;
        out.answers << slip;
    }
    return out;
}

MoodleStep choiceStep(const Exercise& ex, int i, const QList<SlipCase>& cases,
                      const QList<SlipAnswers>& slipped)
{
    const ExerciseStep& s = ex.steps[i];
    MoodleStep out{s.label, s.prompt, s.unit, true, {}, {}};
    // The row's result step, if one is asked: with it right, only a slip that
    // leaves it right explains a wrong band (a band edge read the wrong way).
    int result = -1;
    for (int k = 0; k < ex.steps.size(); ++k) {
        if (ex.steps[k].role == StepRole::Result && ex.steps[k].row == s.row)
            result = k;
    }
    const auto keepsResult = [&](qsizetype c) {
        return result >= 0 && ex.steps[result].tolerance.accepts(ex.steps[result].expected,
                                                                 slipped[c].numbers[result]);
    };
    for (const QString& choice : s.choices) {
        MoodleAnswer a{choice, {}, choice == s.expectedText, {}};
        if (a.right) {
            a.feedback = tr(RightText);
        } else {
            qsizetype named = -1;
            for (const bool first : {true, false}) {
                for (qsizetype c = 0; c < cases.size() && named < 0; ++c) {
                    if (slipped[c].choices[i] == choice && (!first || keepsResult(c)))
                        named = c;
                }
            }
            a.feedback = named >= 0 ? cases[named].words : tr(OtherBandText);
        }
        out.answers << a;
    }
    return out;
}

} // namespace

QString moodleNumber(double value, int digits)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    const double rounded = QString::number(value, 'g', digits).toDouble();
    if (rounded == 0.0)
        return QStringLiteral("0");
    const int exponent = int(std::floor(std::log10(std::fabs(rounded))));
    const int decimals = std::clamp(digits - 1 - exponent, 0, 30);
    QString text = QString::number(rounded, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

QString moodleCategoryName(const QString& title)
{
    QString name = firstCharacters(oneLine(title).trimmed(), MostNameLength);
    if (name.isEmpty())
        name = QString::fromLatin1(DefaultWorksheetTitle);
    name.replace(QLatin1Char('/'), QLatin1String("//"));
    // A name that starts or ends with "/" would touch the separator; Moodle
    // trims the space again.
    if (name.startsWith(QLatin1Char('/')))
        name.prepend(QLatin1Char(' '));
    if (name.endsWith(QLatin1Char('/')))
        name.append(QLatin1Char(' '));
    return name;
}

MoodleQuestion moodleQuestion(const Exercise& ex, const QString& code)
{
    MoodleQuestion q;
    q.name = code;
    q.caseText = ex.caseText();
    const QList<SlipCase> cases = slipCases(ex);
    QList<SlipAnswers> slipped;
    for (const SlipCase& c : cases)
        slipped << slipAnswers(ex, c);
    for (int i = 0; i < ex.steps.size(); ++i) {
        const ExerciseStep& s = ex.steps[i];
        if (s.given)
            q.steps << MoodleStep{s.label, s.prompt, s.unit, false, s.expectedText, {}};
        else if (s.kind == StepKind::Choice)
            q.steps << choiceStep(ex, i, cases, slipped);
        else
            q.steps << numberStep(ex, i, cases, slipped);
    }
    q.workedSteps = stepsHtml(ex.derivation, ex.locale);
    return q;
}

QList<MoodleQuestion> worksheetMoodleQuestions(const Worksheet& sheet,
                                               const std::function<QString(int, int)>& code)
{
    QList<MoodleQuestion> questions;
    for (const WorksheetVersion& v : sheet.versions) {
        for (int e = 0; e < v.exercises.size(); ++e)
            questions << moodleQuestion(v.exercises[e], code(v.number, e));
    }
    return questions;
}

bool writeMoodleXml(QIODevice& device, const QString& title, const QList<MoodleQuestion>& questions)
{
    QXmlStreamWriter xml(&device);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("quiz"));

    xml.writeStartElement(QStringLiteral("question"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("category"));
    xml.writeStartElement(QStringLiteral("category"));
    xml.writeTextElement(QStringLiteral("text"),
                         QStringLiteral("$course$/Quarvex/") + moodleCategoryName(title));
    xml.writeEndElement();
    xml.writeEndElement();

    for (const MoodleQuestion& q : questions) {
        int gaps = 0;
        for (const MoodleStep& s : q.steps)
            gaps += s.answers.isEmpty() ? 0 : 1;
        xml.writeStartElement(QStringLiteral("question"));
        xml.writeAttribute(QStringLiteral("type"), QStringLiteral("cloze"));
        xml.writeStartElement(QStringLiteral("name"));
        xml.writeTextElement(QStringLiteral("text"),
                             oneLine(firstCharacters(q.name, MostNameLength)));
        xml.writeEndElement();
        xml.writeStartElement(QStringLiteral("questiontext"));
        xml.writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
        xml.writeStartElement(QStringLiteral("text"));
        xml.writeCDATA(questionHtml(q));
        xml.writeEndElement();
        xml.writeEndElement();
        xml.writeStartElement(QStringLiteral("generalfeedback"));
        xml.writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
        xml.writeStartElement(QStringLiteral("text"));
        xml.writeCDATA(QStringLiteral("<p>") + htmlText(tr(CreditText)) + QStringLiteral("</p>\n") +
                       xmlSafe(q.workedSteps));
        xml.writeEndElement();
        xml.writeEndElement();
        xml.writeTextElement(QStringLiteral("defaultgrade"), QString::number(gaps));
        xml.writeTextElement(QStringLiteral("penalty"), QStringLiteral("0.3333333"));
        xml.writeTextElement(QStringLiteral("hidden"), QStringLiteral("0"));
        xml.writeEndElement();
    }

    xml.writeEndElement();
    xml.writeEndDocument();
    return !xml.hasError();
}

} // namespace quarvex
