#pragma once

// Reads Moodle XML the way an import does, for the tests and the fuzz target
// of the Moodle writer: the questions' elements with QXmlStreamReader, the
// gaps of a cloze text with the patterns of the embedded-answers syntax (a
// gap ends at the first "}" without a backslash before it; an answer ends
// before a "~", "#" or "}" without a backslash, "&" or "&amp;" before it; its
// feedback before a "~" or "}" without a backslash), and escaped text back to
// plain text.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

namespace quarvex::moodletest {

// One question element: its type and the text of each child ("name",
// "questiontext", "generalfeedback", "category", "penalty", …).
struct ReadQuestion {
    QString type;
    QHash<QString, QString> texts;
};

struct ReadQuiz {
    bool ok = false;
    QString error;
    QList<ReadQuestion> questions;
};

inline ReadQuiz readQuiz(const QByteArray& bytes)
{
    ReadQuiz quiz;
    QXmlStreamReader xml(bytes);
    QStringList path;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            path << xml.name().toString();
            if (path.size() == 1 && path[0] != QLatin1String("quiz")) {
                quiz.error = QStringLiteral("the root is not <quiz>");
                return quiz;
            }
            if (path.size() == 2) {
                if (path[1] != QLatin1String("question")) {
                    quiz.error = QStringLiteral("<quiz> holds something else than <question>");
                    return quiz;
                }
                quiz.questions << ReadQuestion{
                    xml.attributes().value(QLatin1String("type")).toString(), {}};
            }
            break;
        case QXmlStreamReader::EndElement:
            path.removeLast();
            break;
        case QXmlStreamReader::Characters:
            // <question><x>text</x></question> or <question><x><text>…</text></x></question>
            if ((path.size() == 3 && !xml.isWhitespace()) ||
                (path.size() == 4 && path[3] == QLatin1String("text")))
                quiz.questions.last().texts[path[2]] += xml.text().toString();
            break;
        default:
            break;
        }
    }
    if (xml.hasError()) {
        quiz.error = xml.errorString();
        return quiz;
    }
    quiz.ok = true;
    return quiz;
}

struct ReadAnswer {
    QString fraction; // "=" for full credit, else the percentage between the "%" signs
    QString answer;   // as written, still escaped
    QString feedback; // as written, still escaped; empty when there is none
};

struct ReadGap {
    qsizetype start = 0;
    qsizetype length = 0;
    QString weight;
    QString type;
    QList<ReadAnswer> answers;
    bool ok = false; // every answer read to the end of the gap
};

inline QList<ReadGap> readGaps(const QString& text)
{
    static const QRegularExpression gapPattern(
        QStringLiteral("\\{([0-9]*):(MULTICHOICE|MC|MCV|MCH|NUMERICAL|NM|SHORTANSWER|SA|MW):"
                       "(.*?)(?<!\\\\)\\}"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression answerPattern(QStringLiteral("(=|%(-?[0-9]+(?:[.,][0-9]*)?)%)?"
                                                                 "(.+?(?<!\\\\|&|&amp;)(?=[~#}]|$))"
                                                                 "(#(.*?(?<!\\\\)(?=[~}]|$)))?"),
                                                  QRegularExpression::DotMatchesEverythingOption);
    QList<ReadGap> gaps;
    for (auto it = gapPattern.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        ReadGap gap;
        gap.start = m.capturedStart();
        gap.length = m.capturedLength();
        gap.weight = m.captured(1);
        gap.type = m.captured(2);
        const QString alternatives = m.captured(3);
        qsizetype at = 0;
        gap.ok = !alternatives.isEmpty();
        while (gap.ok && at < alternatives.size()) {
            const QRegularExpressionMatch a =
                answerPattern.match(alternatives, at, QRegularExpression::NormalMatch,
                                    QRegularExpression::AnchorAtOffsetMatchOption);
            if (!a.hasMatch() || a.capturedLength() == 0) {
                gap.ok = false;
                break;
            }
            const QString fraction = a.captured(1);
            gap.answers << ReadAnswer{fraction == QLatin1String("=") ? fraction : a.captured(2),
                                      a.captured(3), a.captured(5)};
            at = a.capturedEnd();
            if (at < alternatives.size()) {
                if (alternatives[at] != QLatin1Char('~')) {
                    gap.ok = false;
                    break;
                }
                ++at;
                gap.ok = at < alternatives.size(); // a "~" at the end leaves an empty answer
            }
        }
        gaps << gap;
    }
    return gaps;
}

// HTML text back to plain text: the character references the writer uses.
inline QString htmlUnescaped(const QString& text)
{
    static const QRegularExpression reference(QStringLiteral("&(#[0-9]+|lt|gt|amp|quot);"));
    QString out;
    qsizetype last = 0;
    for (auto it = reference.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += text.mid(last, m.capturedStart() - last);
        const QString name = m.captured(1);
        if (name.startsWith(QLatin1Char('#')))
            out += QChar(char16_t(name.mid(1).toInt()));
        else
            out += name == QLatin1String("lt")    ? QStringLiteral("<")
                   : name == QLatin1String("gt")  ? QStringLiteral(">")
                   : name == QLatin1String("amp") ? QStringLiteral("&")
                                                  : QStringLiteral("\"");
        last = m.capturedEnd();
    }
    return out + text.mid(last);
}

// An answer or feedback of a gap back to plain text: the backslash escapes
// of } # ~ / " \ undone, then the HTML.
inline QString clozeUnescaped(const QString& text)
{
    static const QString special = QStringLiteral("}#~/\"\\");
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size() && special.contains(text[i + 1]))
            ++i;
        out += text[i];
    }
    return htmlUnescaped(out);
}

} // namespace quarvex::moodletest
