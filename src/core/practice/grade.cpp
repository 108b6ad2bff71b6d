#include "practice/grade.h"

#include "analytes/format.h"
#include "analytes/number.h"
#include "practice/slips.h"

#include <cmath>

namespace quarvex {

namespace {

QString lowerFirst(QString text)
{
    if (text.size() > 1 && text[1].isLower())
        text[0] = text[0].toLower();
    return text;
}

// "12 % too high", "about 10 times too small".
QString howFarOff(double answer, double expected, const QLocale& locale)
{
    if (expected == 0.0 || answer == 0.0 || (answer < 0.0) != (expected < 0.0)) {
        return QStringLiteral("off by ") + sixDigits(std::fabs(answer - expected), locale);
    }
    const double ratio = answer / expected;
    const auto twoDigits = [&](double v) { return locale.toString(v, 'g', 2); };
    if (ratio >= 2.0)
        return QStringLiteral("about %1 times too high").arg(twoDigits(ratio));
    if (ratio <= 0.5)
        return QStringLiteral("about %1 times too low").arg(twoDigits(1.0 / ratio));
    const double percent = std::fabs(ratio - 1.0) * 100.0;
    return QStringLiteral("%1 % too %2")
        .arg(twoDigits(percent), ratio > 1.0 ? QStringLiteral("high") : QStringLiteral("low"));
}

QString labelList(const Exercise& ex, const QList<int>& indices)
{
    QStringList labels;
    for (int i : indices)
        labels << lowerFirst(ex.steps[i].label);
    if (labels.size() < 2)
        return labels.join(QString());
    const QString last = labels.takeLast();
    return labels.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

QString simplified(const QString& text)
{
    return text.simplified().toCaseFolded();
}

} // namespace

std::optional<double> readAnswerNumber(const QString& text, const QLocale& locale)
{
    if (const std::optional<double> v = readNumber(text, locale))
        return v;
    return readNumber(text, QLocale::c());
}

int choiceIndex(const ExerciseStep& step, const QString& answer)
{
    const QString wanted = simplified(answer);
    for (int i = 0; i < step.choices.size(); ++i) {
        if (simplified(step.choices[i]) == wanted)
            return i;
    }
    bool ok = false;
    const int number = answer.trimmed().toInt(&ok);
    return ok && number >= 1 && number <= step.choices.size() ? number - 1 : -1;
}

Grade grade(const Exercise& ex, const QHash<QString, QString>& answers, const QLocale& locale)
{
    Grade out;
    const QList<SlipCase> cases = slipCases(ex);
    QList<SlipAnswers> slipped;
    for (const SlipCase& c : cases)
        slipped << slipAnswers(ex, c);
    QHash<int, int> rowSlip;   // a row's result step named this slip case
    QHash<int, int> rowResult; // a row's asked result step
    QHash<int, int> rowGrade;  // and its index in out.steps

    for (int i = 0; i < ex.steps.size(); ++i) {
        const ExerciseStep& s = ex.steps[i];
        if (s.given)
            continue;
        ++out.asked;
        StepGrade g;
        g.id = s.id;
        g.expected = s.kind == StepKind::Number && s.role != StepRole::Result
                         ? sixDigits(s.expected, locale)
                     : s.kind == StepKind::Number && s.tolerance.kind == StepTolerance::AsShown
                         ? formatFixed(s.expected, s.tolerance.decimals, locale)
                     : s.kind == StepKind::Number ? formatPlain(s.expected, locale)
                                                  : s.expectedText;
        const QString text = answers.value(s.id).trimmed();
        g.answered = !text.isEmpty();
        int named = -1;
        if (!g.answered) {
            g.feedback = QStringLiteral("Not answered.");
        } else if (s.kind == StepKind::Number) {
            const std::optional<double> value = readAnswerNumber(text, locale);
            if (!value) {
                g.feedback = QStringLiteral("Not a number: write it with digits, such as %1.")
                                 .arg(locale.toString(12.5));
            } else if (s.tolerance.accepts(s.expected, *value)) {
                g.correct = true;
                g.feedback = QStringLiteral("Right: ") + g.expected +
                             (s.unit.isEmpty() ? QString() : QLatin1Char(' ') + s.unit) +
                             QLatin1Char('.');
            } else {
                for (int c = 0; c < cases.size() && named < 0; ++c) {
                    const double v = slipped[c].numbers[i];
                    if (std::isfinite(v) && !s.tolerance.accepts(s.expected, v) &&
                        s.tolerance.accepts(v, *value))
                        named = c;
                }
                if (named < 0) {
                    g.feedback = QStringLiteral("Not right: ") +
                                 howFarOff(*value, s.expected, locale) + QLatin1Char('.');
                    if (!s.dependsOn.isEmpty()) {
                        g.feedback += QStringLiteral(" It works from ") +
                                      labelList(ex, s.dependsOn) + QLatin1Char('.');
                    }
                }
            }
        } else {
            const int choice = choiceIndex(s, text);
            if (choice < 0) {
                g.feedback = QStringLiteral("Choose one of the interpretations offered.");
            } else if (s.choices[choice] == s.expectedText) {
                g.correct = true;
                g.feedback = QStringLiteral("Right.");
            } else {
                // With the row's result right, only a slip that gives that result
                // explains the band (a band edge read the wrong way).
                const int result = rowResult.value(s.row, -1);
                const auto matches = [&](int c) {
                    const QString& band = slipped[c].choices[i];
                    if (result >= 0 && out.steps[rowGrade[s.row]].correct &&
                        !ex.steps[result].tolerance.accepts(ex.steps[result].expected,
                                                            slipped[c].numbers[result]))
                        return false;
                    return !band.isEmpty() && band != s.expectedText && band == s.choices[choice];
                };
                if (rowSlip.contains(s.row) && matches(rowSlip[s.row]))
                    named = rowSlip[s.row];
                for (int c = 0; c < cases.size() && named < 0; ++c) {
                    if (matches(c))
                        named = c;
                }
                if (named < 0) {
                    g.feedback = QStringLiteral("Not this interpretation: compare the value with "
                                                "the band edges again.");
                    if (!s.dependsOn.isEmpty()) {
                        g.feedback += QStringLiteral(" It works from ") +
                                      labelList(ex, s.dependsOn) + QLatin1Char('.');
                    }
                }
            }
        }
        if (named >= 0) {
            g.slip = QString::fromLatin1(cases[named].slip->id);
            g.feedback = cases[named].words;
            if (s.role == StepRole::Result)
                rowSlip[s.row] = named;
        }
        if (s.role == StepRole::Result) {
            rowResult[s.row] = i;
            rowGrade[s.row] = int(out.steps.size());
        }
        if (g.correct)
            ++out.correct;
        out.steps << g;
    }
    return out;
}

} // namespace quarvex
