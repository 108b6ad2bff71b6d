#include "practice/grade.h"

#include "analytes/format.h"
#include "analytes/number.h"
#include "practice/slips.h"
#include "practice/working.h"

#include <QCoreApplication>

#include <algorithm>

#include <cmath>

namespace quarvex {

namespace {

// A text of the feedback, in the language of the clinical prose.
QString prose(const char* text)
{
    return QCoreApplication::translate("quarvex::ClinicalProse", text);
}

// "12 % too high", "about 10 times too small".
QString howFarOff(double answer, double expected, const QLocale& locale)
{
    const QString high = QCoreApplication::translate("quarvex::ClinicalProse", "far too high");
    const QString low = QCoreApplication::translate("quarvex::ClinicalProse", "far too low");
    if (!std::isfinite(answer) || !std::isfinite(expected))
        return answer > expected ? high : low;
    if (expected == 0.0 || answer == 0.0 || (answer < 0.0) != (expected < 0.0)) {
        const double off = std::fabs(answer - expected);
        // A difference too large to write out plainly.
        if (!std::isfinite(off) || off >= 1e6 * std::max(1.0, std::fabs(expected)))
            return answer > expected ? high : low;
        return prose(QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "off by %1"))
            .arg(sixDigits(off, locale));
    }
    const double ratio = answer / expected;
    // A ratio too large or too small to state (an answer of 1e308 or 1e-308).
    if (!std::isfinite(ratio) || ratio >= 1e15)
        return high;
    if (ratio <= 1e-15)
        return low;
    const auto twoDigits = [&](double v) { return locale.toString(v, 'g', 2); };
    // "about 2.8 times", "about 2825 times" (never "2.8E+03").
    const auto times = [&](double v) {
        // (a whole number without group separators: "6696", not "6.696" in German)
        return v < 100.0 ? twoDigits(v) : QString::number(qint64(std::llround(v)));
    };
    if (ratio >= 2.0)
        return prose(QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "about %1 times too high"))
            .arg(times(ratio));
    if (ratio <= 0.5)
        return prose(QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "about %1 times too low"))
            .arg(times(1.0 / ratio));
    const double percent = std::fabs(ratio - 1.0) * 100.0;
    return (ratio > 1.0 ? prose(QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "%1 % too high"))
                        : prose(QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "%1 % too low")))
        .arg(twoDigits(percent));
}

QString labelList(const Exercise& ex, const QList<int>& indices)
{
    QStringList labels;
    for (int i : indices)
        labels << ex.steps[i].sentenceLabel;
    if (labels.size() < 2)
        return labels.join(QString());
    const QString last = labels.takeLast();
    return prose(QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "%1 and %2"))
        .arg(labels.join(QStringLiteral(", ")), last);
}

// " It works from step 1 and step 2."
QString worksFrom(const Exercise& ex, const QList<int>& indices)
{
    return prose(QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "It works from %1."))
        .arg(labelList(ex, indices));
}

// The band a value of a row falls in, as its choice reads; empty for none.
QString bandFor(const Exercise& ex, int row, double value)
{
    const RowWorking& w = ex.outcome.working[row];
    const int index = bandIndex(value, w.bands);
    const QList<DerivedBand>& bands = ex.derivation.rows[row].bands;
    return index >= 0 && index < bands.size() ? bandMeaning(bands[index]) : QString();
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

namespace {

// The relative room a value worked from answers written to six significant
// digits leaves (a few times half the last digit).
constexpr double OwnDigits = 2e-5;

// The working of an exercise's rows again, from the learner's answers or
// under a slip.
class Regrader
{
public:
    Regrader(const Exercise& ex, const QHash<int, double>& typed)
        : m_ex(ex)
        , m_typed(typed)
    {
        const Inputs inputs = ex.inputs();
        for (int i = 0; i < AnalyteCount; ++i)
            m_base.values[size_t(i)] = inputs[AnalyteId(i)].converted;
        m_base.male = ex.gender == QLatin1String(GenderMale);
        for (int r = 0; r < ex.outcome.working.size(); ++r) {
            const Formula* f = ex.outcome.working[r].formula;
            m_ops << (f ? practice::operations(*f) : QList<practice::Operation>());
        }
        for (int i = 0; i < ex.steps.size(); ++i) {
            const ExerciseStep& s = ex.steps[i];
            if (s.role == StepRole::Conversion)
                m_conversion[s.input] = i;
            else if (s.role == StepRole::Operation)
                m_opStep[{s.row, s.operation}] = i;
        }
    }

    const practice::Change& base() const { return m_base; }

    // Whether the learner's answer to a step stands: given, or answered with a number.
    bool pinned(int step) const { return m_ex.steps[step].given || m_typed.contains(step); }

    // The learner's number for a step: typed, or the expected one for a given step.
    double learner(int step) const
    {
        return m_typed.contains(step) ? m_typed[step] : m_ex.steps[step].expected;
    }

    // Whether a number step answered is wrong from the case.
    bool answeredWrong(int step) const
    {
        const ExerciseStep& s = m_ex.steps[step];
        return m_typed.contains(step) && !s.tolerance.accepts(s.expected, m_typed[step]);
    }

    // What a number step comes to from the learner's own earlier answers; NaN
    // where it does not work from any (a conversion, a result worked whole).
    double fromAnswers(int i) const
    {
        const ExerciseStep& s = m_ex.steps[i];
        const double none = std::nan("");
        if (s.role == StepRole::Conversion || s.dependsOn.isEmpty())
            return none;
        practice::Change change = m_base;
        for (auto it = m_conversion.begin(); it != m_conversion.end(); ++it) {
            if (m_typed.contains(it.value()))
                change.values[size_t(it.key())] = m_typed[it.value()];
        }
        if (s.operation < 0) // a value taken as it is, from its conversion
            return s.dependsOn.size() == 1 ? learner(s.dependsOn.first()) : none;
        return valueOf(
            s, change, [&](int step) { return pinned(step); },
            [&](int step) { return learner(step); }, {});
    }

    // What a number step comes to under a slip, worked from the learner's own
    // answers to the earlier steps: the slip's own change at this step (or in
    // earlier steps not answered, or given and not followed).
    double underSlip(int i, const practice::Change& slipChange, int slipRow) const
    {
        const ExerciseStep& s = m_ex.steps[i];
        practice::Change change = slipChange;
        if (slipRow >= 0 && slipRow != s.row)
            change.numberLeftOut = change.swapped = change.sideOnly = change.genderAsMale = -1;
        for (auto it = m_conversion.begin(); it != m_conversion.end(); ++it) {
            if (m_typed.contains(it.value()))
                change.values[size_t(it.key())] = m_typed[it.value()];
        }
        if (s.role == StepRole::Conversion)
            return slipChange.values[size_t(s.input)];
        if (s.operation < 0) {
            const Formula* f = m_ex.outcome.working[s.row].formula;
            return f ? practice::rework(*f, change).value : std::nan("");
        }
        const Formula* f = m_ex.outcome.working[s.row].formula;
        const QList<double> slipped = f ? practice::rework(*f, change).steps : QList<double>();
        return valueOf(
            s, change, [&](int step) { return m_typed.contains(step); },
            [&](int step) { return m_typed[step]; }, slipped);
    }

private:
    // Operation `s.operation` of its row, each earlier operation's result
    // from `stands` steps by `value`, from `otherwise` (or the case) else.
    template <typename Stands, typename Value>
    double valueOf(const ExerciseStep& s, const practice::Change& change, Stands stands,
                   Value value, const QList<double>& otherwise) const
    {
        const Formula* f = m_ex.outcome.working[s.row].formula;
        const QList<practice::Operation>& ops = m_ops[s.row];
        if (!f || s.operation >= ops.size())
            return std::nan("");
        const QList<FormulaStep>& worked = m_ex.derivation.rows[s.row].steps;
        QList<double> results;
        for (int k = 0; k < s.operation; ++k) {
            const int step = m_opStep.value({s.row, k}, -1);
            results << (step >= 0 && stands(step) ? value(step)
                        : k < otherwise.size()    ? otherwise[k]
                                                  : worked.value(k).result);
        }
        return practice::operationResult(*f, ops[s.operation], change, results,
                                         s.operation + 1 < ops.size());
    }

    const Exercise& m_ex;
    const QHash<int, double>& m_typed;
    practice::Change m_base;
    QList<QList<practice::Operation>> m_ops;
    QHash<AnalyteId, int> m_conversion;
    QHash<std::pair<int, int>, int> m_opStep;
};

} // namespace

Grade grade(const Exercise& ex, const QHash<QString, QString>& answers, const QLocale& locale,
            const GradeOptions& options)
{
    Grade out;
    const QList<SlipCase> cases = slipCases(ex);
    QList<SlipAnswers> slipped;
    for (const SlipCase& c : cases)
        slipped << slipAnswers(ex, c);
    QHash<int, double> typed; // every asked number step answered with a number
    for (int i = 0; i < ex.steps.size(); ++i) {
        const ExerciseStep& s = ex.steps[i];
        if (s.given || s.kind != StepKind::Number)
            continue;
        if (const std::optional<double> v = readAnswerNumber(answers.value(s.id).trimmed(), locale))
            typed[i] = *v;
    }
    const Regrader again(ex, typed);

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
        const QString unit = s.unit.isEmpty() ? QString() : QLatin1Char(' ') + s.unit;
        const QString text = answers.value(s.id).trimmed();
        g.answered = !text.isEmpty();
        bool right = false;
        int named = -1;
        // A value worked from the learner's earlier answers has only the
        // digits they wrote (six significant ones from a step): it matches
        // within what those digits leave open too.
        const auto fromOwn = [&](double target, double answer) {
            const double shown = s.tolerance.kind == StepTolerance::AsShown
                                     ? 0.5 * std::pow(10.0, -s.tolerance.decimals)
                                     : 0.0;
            return s.tolerance.accepts(target, answer) ||
                   (std::isfinite(target) && std::isfinite(answer) &&
                    std::fabs(answer - target) <= OwnDigits * std::fabs(target) + shown);
        };
        // A slip changes nothing here when it gives what the learner's own
        // answers give.
        const auto sameAsOwn = [&](double own, double v) {
            return (s.tolerance.kind == StepTolerance::AsShown && s.tolerance.accepts(own, v)) ||
                   std::fabs(v - own) <= OwnDigits * std::fabs(own);
        };
        if (!g.answered) {
            g.feedback = prose(QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "Not answered."));
        } else if (s.kind == StepKind::Number) {
            if (!typed.contains(i)) {
                g.feedback =
                    prose(QT_TRANSLATE_NOOP("quarvex::ClinicalProse",
                                            "Not a number: write it with digits, such as %1."))
                        .arg(locale.toString(12.5));
            } else if (const double value = typed[i]; s.tolerance.accepts(s.expected, value)) {
                right = true;
                g.feedback = prose(QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "Right: %1%2."))
                                 .arg(g.expected, unit);
            } else if (const double own = again.fromAnswers(i);
                       !s.tolerance.accepts(s.expected, own) && fromOwn(own, value)) {
                // Wrong from the case, but what the learner's own earlier
                // answers give (wrong ones, or near enough ones that together
                // move this one off).
                g.carried = true;
                g.feedback =
                    prose(QT_TRANSLATE_NOOP(
                              "quarvex::ClinicalProse",
                              "Right from your earlier answer: it gives %1%2; from the case, "
                              "%3%2."))
                        .arg(s.tolerance.kind == StepTolerance::AsShown
                                 ? formatFixed(own, s.tolerance.decimals, locale)
                                 : sixDigits(own, locale),
                             unit, g.expected);
            } else {
                // A slip names the step only where its own change makes the
                // difference to what the learner's earlier answers give.
                const auto slipGives = [&](int c) {
                    const double v = again.underSlip(i, cases[c].change, cases[c].row);
                    return std::isfinite(v) && !s.tolerance.accepts(s.expected, v) &&
                           !(std::isfinite(own) && sameAsOwn(own, v)) &&
                           (s.role == StepRole::Conversion ? s.tolerance.accepts(v, value)
                                                           : fromOwn(v, value));
                };
                // A slip in a row's own operations first; then, for a result,
                // a slip of the answer itself (a decimal point, digits); then
                // a slip further back (a conversion, a rounding).
                for (int c = 0; c < cases.size() && named < 0; ++c) {
                    if (cases[c].row >= 0 && slipGives(c))
                        named = c;
                }
                const double rowValue = s.row >= 0 ? ex.derivation.rows[s.row].value : std::nan("");
                const AnswerSlip ownSlip =
                    named < 0 ? answerSlip(s, value, rowValue, locale) : AnswerSlip{};
                for (int c = 0;
                     c < cases.size() && named < 0 && (!ownSlip.slip || s.role != StepRole::Result);
                     ++c) {
                    if (cases[c].row < 0 && slipGives(c))
                        named = c;
                }
                if (named < 0 && ownSlip.slip) {
                    g.slip = QString::fromLatin1(ownSlip.slip->id);
                    g.feedback = ownSlip.words;
                } else if (named < 0) {
                    g.feedback =
                        prose(QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "Not right: %1."))
                            .arg(howFarOff(value, s.expected, locale));
                    if (!s.dependsOn.isEmpty())
                        g.feedback += QLatin1Char(' ') + worksFrom(ex, s.dependsOn);
                }
            }
        } else {
            const int choice = choiceIndex(s, text);
            // The row's value as the learner gave it, where they did.
            const int valueStep = s.dependsOn.isEmpty() ? -1 : s.dependsOn.first();
            const bool valueRight =
                valueStep >= 0 && typed.contains(valueStep) && !again.answeredWrong(valueStep);
            if (choice < 0) {
                g.feedback = prose(QT_TRANSLATE_NOOP("quarvex::ClinicalProse",
                                                     "Choose one of the interpretations offered."));
            } else if (s.choices[choice] == s.expectedText) {
                right = true;
                g.feedback = prose(QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "Right."));
            } else if (const QString fromValue = valueStep >= 0 && typed.contains(valueStep)
                                                     ? bandFor(ex, s.row, typed[valueStep])
                                                     : QString();
                       !fromValue.isEmpty() && fromValue == s.choices[choice]) {
                g.carried = true;
                g.feedback =
                    prose(QT_TRANSLATE_NOOP(
                              "quarvex::ClinicalProse",
                              "Right from your earlier answer: %1 gives this interpretation. "
                              "From the case: %2"))
                        .arg(locale.toString(typed[valueStep]), s.expectedText);
            } else {
                // With the row's value right, only a band edge read the other
                // way explains the band; with it not given, a slip that gives
                // that band; with it wrong, none.
                const bool valueTyped = valueStep >= 0 && typed.contains(valueStep);
                for (int c = 0; c < cases.size() && named < 0 && (!valueTyped || valueRight); ++c) {
                    const QString& band = slipped[c].choices[i];
                    if ((!valueRight || cases[c].edgesReversed) && !band.isEmpty() &&
                        band != s.expectedText && band == s.choices[choice])
                        named = c;
                }
                if (named < 0) {
                    g.feedback = prose(QT_TRANSLATE_NOOP(
                        "quarvex::ClinicalProse",
                        "Not this interpretation: compare the value with the band edges again."));
                    if (!s.dependsOn.isEmpty())
                        g.feedback += QLatin1Char(' ') + worksFrom(ex, s.dependsOn);
                }
            }
        }
        if (named >= 0) {
            g.slip = QString::fromLatin1(cases[named].slip->id);
            g.feedback = cases[named].words;
        }
        g.correct = right || (g.carried && options.countCarried);
        out.right += right ? 1 : 0;
        out.carried += g.carried ? 1 : 0;
        out.correct += g.correct ? 1 : 0;
        out.steps << g;
    }
    return out;
}

} // namespace quarvex
