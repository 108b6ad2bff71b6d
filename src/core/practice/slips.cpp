#include "practice/slips.h"

#include "analytes/format.h"
#include "calc/derivation.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>
#include <utility>

namespace quarvex {

namespace {

using practice::Change;
using practice::Operand;
using practice::Operation;

// clang-format off
constexpr Slip Slips[] = {
    {"conversion-not-done", SlipKind::ConversionNotDone, "a conversion not done"},
    {"conversion-wrong-way", SlipKind::ConversionWrongWay, "a conversion the wrong way round"},
    {"wrong-factor", SlipKind::WrongFactor, "a conversion factor ten times off"},
    {"female-factor-left-out", SlipKind::FemaleFactorLeftOut, "the female factor left out"},
    {"constants-swapped", SlipKind::ConstantsSwapped, "the men's and women's constants swapped"},
    {"factor-left-out", SlipKind::FactorLeftOut, "a constant factor left out"},
    {"numerator-denominator-swapped", SlipKind::NumeratorDenominator, "numerator and denominator swapped"},
    {"not-taken-from-constant", SlipKind::NotTakenFrom, "a value not taken from its constant"},
    {"rounded-too-early", SlipKind::RoundedTooEarly, "numbers rounded too early"},
    {"band-edge-wrong-way", SlipKind::BandEdgeWrongWay, "a band edge read the wrong way"},
    {"plasma-urine-swapped", SlipKind::PlasmaUrineSwapped, QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "the serum and urine values swapped")},
    {"rounded-last-step", SlipKind::RoundedLastStep, QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "the result cut off or rounded to fewer places")},
    {"decimal-point", SlipKind::DecimalPoint, QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "the decimal point in the wrong place")},
    {"transposed-digits", SlipKind::TransposedDigits, QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "two digits transposed")},
};

// The serum and urine values of one analyte, which a slip may swap.
constexpr std::pair<AnalyteId, AnalyteId> SerumUrinePairs[] = {
    {AnalyteId::SerumCreatinine, AnalyteId::UrineCreatinine},
    {AnalyteId::SerumSodium, AnalyteId::UrineSodium},
    {AnalyteId::SerumPotassium, AnalyteId::UrinePotassium},
    {AnalyteId::SerumCalcium, AnalyteId::UrineCalcium},
    {AnalyteId::SerumPhosphorus, AnalyteId::UrinePhosphorus},
    {AnalyteId::SerumUrea, AnalyteId::UrineUrea},
    {AnalyteId::SerumUrate, AnalyteId::UrineUrate},
    {AnalyteId::SerumAmylase, AnalyteId::UrineAmylase},
};
// clang-format on

const Slip& slipOf(SlipKind kind)
{
    for (const Slip& s : Slips) {
        if (s.kind == kind)
            return s;
    }
    return Slips[0];
}

QString personName(AnalyteId id)
{
    QString name = QString::fromLatin1(analyte(id).name);
    if (name.size() > 1 && name[1].isLower())
        name[0] = name[0].toLower();
    return name;
}

// A text of the feedback, in the language of the clinical prose.
QString prose(const char* text)
{
    return QCoreApplication::translate("quarvex::ClinicalProse", text);
}

// "divide 124 by 88.4", "multiply 5.2 by 1000 and divide by 88.4"; without a
// value: "divide by 88.4".
QString conversionWords(double multiply, double divide, const QString& value, const QLocale& l)
{
    const QString v = value.isEmpty() ? QString() : value + QLatin1Char(' ');
    const QString m = shortestNumber(multiply, l);
    const QString d = shortestNumber(divide, l);
    if (multiply != 1.0 && divide != 1.0)
        return QStringLiteral("multiply %1by %2 and divide by %3").arg(v, m, d);
    if (divide != 1.0)
        return QStringLiteral("divide %1by %2").arg(v, d);
    return QStringLiteral("multiply %1by %2").arg(v, m);
}

// The constant a Gender op gives the case, and the other gender's.
struct GenderConstants {
    bool present = false;
    double chosen = 0.0;
    double other = 0.0;
    const Formula* formula = nullptr;
    int count = 0; // gender constants in that formula (the eGFR has three)
};

GenderConstants genderConstants(const Exercise& ex)
{
    GenderConstants out;
    const bool male = ex.gender == QLatin1String(GenderMale);
    for (const RowWorking& w : ex.outcome.working) {
        for (const FormulaOp& op : w.formula ? w.formula->ops : std::span<const FormulaOp>()) {
            if (op.kind != FormulaOp::Gender)
                continue;
            if (!out.present)
                out = {true, male ? op.number : op.female, male ? op.female : op.number, w.formula};
            ++out.count;
        }
        if (out.present)
            return out;
    }
    return out;
}

Change baseChange(const Exercise& ex, const Inputs& inputs)
{
    Change change;
    for (int i = 0; i < AnalyteCount; ++i)
        change.values[size_t(i)] = inputs[AnalyteId(i)].converted;
    change.male = ex.gender == QLatin1String(GenderMale);
    return change;
}

// The label of the step that asks for an operation, or the row's formula.
QString operationLabel(const Exercise& ex, int row, int operation)
{
    for (const ExerciseStep& s : ex.steps) {
        if (s.row == row && s.operation == operation)
            return s.sentenceLabel;
    }
    return QStringLiteral("the formula of ") + ex.derivation.rows[row].symbol;
}

bool usedInFormulas(const Exercise& ex, AnalyteId id)
{
    for (const RowWorking& w : ex.outcome.working) {
        for (const FormulaOp& op : w.formula ? w.formula->ops : std::span<const FormulaOp>()) {
            if (op.kind == FormulaOp::Input && op.input == id)
                return true;
        }
    }
    return false;
}

// Whether the exercise converts the input: typed in another unit than the
// formula unit, and not read only as typed.
bool hasConversion(const Exercise& ex, const ConvertedInput& in)
{
    return in.unit && (in.unit->multiply != 1.0 || in.unit->divide != 1.0) &&
           readsConverted(ex.outcome.working, in.id);
}

} // namespace

bool isAnswerSlip(SlipKind kind)
{
    return kind == SlipKind::RoundedLastStep || kind == SlipKind::DecimalPoint ||
           kind == SlipKind::TransposedDigits;
}

std::span<const Slip> slipTable()
{
    return Slips;
}

const Slip* findSlip(QStringView id)
{
    for (const Slip& s : Slips) {
        if (id == QLatin1String(s.id))
            return &s;
    }
    return nullptr;
}

QList<SlipCase> slipCases(const Exercise& ex)
{
    QList<SlipCase> out;
    if (ex.outcome.working.isEmpty())
        return out;
    const Inputs inputs = ex.inputs();
    const Change base = baseChange(ex, inputs);
    const QLocale& l = ex.locale;
    const auto add = [&](SlipKind kind, const QString& words, const Change& change, int row = -1,
                         bool edges = false) {
        out << SlipCase{&slipOf(kind), words, change, row, edges};
    };

    // Conversions.
    QList<const ConvertedInput*> converted;
    for (const ConvertedInput& in : ex.outcome.inputs) {
        if (in.id != AnalyteId::Gender && hasConversion(ex, in))
            converted << &in;
    }
    for (const ConvertedInput* in : converted) {
        const QString name = personName(in->id);
        const QString fu = formulaUnit(in->id);
        const double m = in->unit->multiply;
        const double d = in->unit->divide;
        const QString from = QStringLiteral(" from ") + in->unitText + QStringLiteral(" to ") + fu;
        QString typed = in->valueText;
        for (const CaseValue& v : ex.values) {
            if (v.id == in->id)
                typed = v.text(l);
        }
        Change c = base;
        c.values[size_t(in->id)] = in->typed;
        add(SlipKind::ConversionNotDone,
            QStringLiteral("This is what you get when the %1 is not converted from %2: %3 first.")
                .arg(name, in->unitText, conversionWords(m, d, typed, l)),
            c);
        c.values[size_t(in->id)] = in->typed * d / m;
        add(SlipKind::ConversionWrongWay,
            QStringLiteral("This is what you get when the %1 is converted the wrong way round:%2 "
                           "you %3.")
                .arg(name, from, conversionWords(m, d, {}, l)),
            c);
        for (const double off : {10.0, 0.1}) {
            // The value comes out `off` times too large: the divisor is `off` times too small
            // (8.84 for 88.4), or the multiplier `off` times too large.
            const double wrongM = d != 1.0 ? m : m * off;
            const double wrongD = d != 1.0 ? d / off : d;
            c.values[size_t(in->id)] = in->converted * off;
            add(SlipKind::WrongFactor,
                QStringLiteral("This is what you get with a factor ten times off for the %1:%2 "
                               "you %3, not %4.")
                    .arg(name, from, conversionWords(m, d, {}, l),
                         conversionWords(wrongM, wrongD, {}, l).section(QLatin1Char(' '), 1)),
                c);
        }
    }

    // The gender constants. A woman's own factor (the men's value 1) left
    // out, and the other gender's constants throughout.
    const GenderConstants k = genderConstants(ex);
    const bool female = ex.gender == QLatin1String(GenderFemale);
    if (k.present && female && k.count > 1) {
        for (int r = 0; r < ex.outcome.working.size(); ++r) {
            const Formula* f = ex.outcome.working[r].formula;
            for (int i = 0; f && i < int(f->ops.size()); ++i) {
                const FormulaOp& op = f->ops[size_t(i)];
                if (op.kind != FormulaOp::Gender || op.number != 1.0 || op.female == 1.0)
                    continue;
                Change c = base;
                c.genderAsMale = i;
                add(SlipKind::FemaleFactorLeftOut,
                    prose(
                        QT_TRANSLATE_NOOP(
                            "quarvex::ClinicalProse",
                            "This is what you get when the factor %1 for women is left out: for a "
                            "woman the formula multiplies by it."))
                        .arg(shortestNumber(op.female, l)),
                    c, r);
            }
        }
    }
    if (k.present) {
        Change c = base;
        c.otherGender = true;
        if (k.count > 1)
            add(SlipKind::ConstantsSwapped,
                QStringLiteral("This is what you get with the constants for %1: for a %2 the "
                               "formula takes its own (%3).")
                    .arg(female ? QStringLiteral("men") : QStringLiteral("women"),
                         female ? QStringLiteral("woman") : QStringLiteral("man"),
                         genderConstantNote(*k.formula, l)),
                c);
        else if (female)
            add(SlipKind::FemaleFactorLeftOut,
                QStringLiteral("This is what you get with %1, the constant for men: for a woman "
                               "the formula takes %2.")
                    .arg(shortestNumber(k.other, l), shortestNumber(k.chosen, l)),
                c);
        else
            add(SlipKind::ConstantsSwapped,
                QStringLiteral("This is what you get with %1, the constant for women: for a man "
                               "the formula takes %2.")
                    .arg(shortestNumber(k.other, l), shortestNumber(k.chosen, l)),
                c);
    }

    // A serum and a urine value swapped.
    for (const auto& [serum, urine] : SerumUrinePairs) {
        if (!usedInFormulas(ex, serum) || !usedInFormulas(ex, urine))
            continue;
        Change c = base;
        std::swap(c.values[size_t(serum)], c.values[size_t(urine)]);
        // Tried with the rows' own operations: in a ratio of the two it is
        // the same number as that ratio turned over, and the more telling name.
        add(SlipKind::PlasmaUrineSwapped,
            prose(QT_TRANSLATE_NOOP("quarvex::ClinicalProse",
                                    "This is what you get when the %1 and the %2 change places."))
                .arg(personName(serum), personName(urine)),
            c, 0);
    }

    // The operations of each row.
    for (int r = 0; r < ex.outcome.working.size(); ++r) {
        const Formula* f = ex.outcome.working[r].formula;
        if (!f)
            continue;
        const QList<Operation> ops = practice::operations(*f);
        for (int k = 0; k < ops.size(); ++k) {
            const Operation& op = ops[k];
            const QString label = operationLabel(ex, r, k);
            const auto factorLeftOut = [&](const Operand& side) {
                if (side.kind != Operand::Number || side.number == 1.0)
                    return;
                Change c = base;
                c.numberLeftOut = side.op;
                add(SlipKind::FactorLeftOut,
                    QStringLiteral("This is what you get when the factor %1 is left out of %2.")
                        .arg(shortestNumber(side.number, l), label),
                    c, r);
            };
            if (op.kind == FormulaOp::Multiply)
                factorLeftOut(op.left);
            if (op.kind == FormulaOp::Multiply || op.kind == FormulaOp::Divide)
                factorLeftOut(op.right);
            if (op.kind == FormulaOp::Divide) {
                Change c = base;
                c.swapped = op.op;
                add(SlipKind::NumeratorDenominator,
                    QStringLiteral("This is what you get when numerator and denominator are "
                                   "swapped in %1: the first number goes on top.")
                        .arg(label),
                    c, r);
            }
            if (op.kind == FormulaOp::Subtract && op.left.kind == Operand::Number) {
                const QString what = op.right.kind == Operand::Input
                                         ? QStringLiteral("the ") + personName(op.right.input)
                                         : QStringLiteral("the value");
                Change c = base;
                c.sideOnly = op.op;
                add(SlipKind::NotTakenFrom,
                    QStringLiteral("This is what you get when %1 is not taken from %2: %3 is %2 "
                                   "%4 %1.")
                        .arg(what, shortestNumber(op.left.number, l), label,
                             operatorSign(FormulaOp::Subtract)),
                    c, r);
            }
        }
    }

    // Rounding before the end.
    const struct {
        Change::Rounding rounding;
        const char* how;
    } roundings[] = {{Change::Decimals1, "to one decimal"},
                     {Change::Decimals2, "to two decimals"},
                     {Change::Significant2, "to two significant digits"}};
    for (const auto& r : roundings) {
        Change c = base;
        c.rounding = r.rounding;
        for (const ConvertedInput* in : converted)
            c.values[size_t(in->id)] = practice::rounded(in->converted, r.rounding);
        add(SlipKind::RoundedTooEarly,
            QStringLiteral("This is what you get when numbers are rounded %1 before the end: keep "
                           "every digit until the result.")
                .arg(QLatin1String(r.how)),
            c);
    }

    // Band edges.
    for (int r = 0; r < ex.derivation.rows.size(); ++r) {
        const DerivedRow& row = ex.derivation.rows[r];
        if (const DerivedBand* band = row.band())
            add(SlipKind::BandEdgeWrongWay,
                QStringLiteral("This is the band on the other side of an edge: %1.")
                    .arg(bandSentence(row.value, *band, l)),
                base, r, true);
    }
    return out;
}

SlipAnswers slipAnswers(const Exercise& ex, const SlipCase& sc)
{
    const double none = std::numeric_limits<double>::quiet_NaN();
    SlipAnswers out;
    QList<practice::Reworked> rows;
    for (int r = 0; r < ex.outcome.working.size(); ++r) {
        const Formula* f = ex.outcome.working[r].formula;
        Change change = sc.change;
        if (sc.row >= 0 && sc.row != r) {
            change.numberLeftOut = change.swapped = change.sideOnly = change.genderAsMale = -1;
        }
        rows << (f ? practice::rework(*f, change) : practice::Reworked{});
    }
    for (const ExerciseStep& s : ex.steps) {
        double number = none;
        QString choice;
        switch (s.role) {
        case StepRole::Conversion:
            number = sc.change.values[size_t(s.input)];
            break;
        case StepRole::Operation:
            number = rows[s.row].steps.value(s.operation, none);
            break;
        case StepRole::Result:
            number = rows[s.row].value;
            break;
        case StepRole::Band: {
            const RowWorking& w = ex.outcome.working[s.row];
            int index = -1;
            if (sc.edgesReversed && sc.row == s.row) {
                QList<Band> reversed(w.bands.begin(), w.bands.end());
                for (Band& b : reversed)
                    b.inclusive = !b.inclusive;
                index = bandIndex(rows[s.row].value, reversed);
            } else if (!sc.edgesReversed) {
                index = bandIndex(rows[s.row].value, w.bands);
            }
            const QList<DerivedBand>& bands = ex.derivation.rows[s.row].bands;
            if (index >= 0 && index < bands.size())
                choice = bandMeaning(bands[index]);
            break;
        }
        }
        out.numbers << number;
        out.choices << choice;
    }
    return out;
}

AnswerSlip answerSlip(const ExerciseStep& s, double answer, double value, const QLocale& l)
{
    if (s.kind != StepKind::Number || !std::isfinite(answer) || !std::isfinite(s.expected) ||
        s.expected == 0.0)
        return {};
    const auto wrong = [&](double v) {
        return std::isfinite(v) && !s.tolerance.accepts(s.expected, v) &&
               s.tolerance.accepts(v, answer);
    };
    const QString shown = s.tolerance.kind == StepTolerance::AsShown
                              ? formatFixed(s.expected, s.tolerance.decimals, l)
                              : sixDigits(s.expected, l);

    // The result cut off at its last decimal, or rounded to fewer decimals.
    if (s.role == StepRole::Result && s.tolerance.kind == StepTolerance::AsShown &&
        std::isfinite(value)) {
        const int d = s.tolerance.decimals;
        const double power = std::pow(10.0, d);
        const double cut = std::trunc(value * power) / power;
        if (wrong(cut))
            return {&slipOf(SlipKind::RoundedLastStep),
                    prose(QT_TRANSLATE_NOOP(
                              "quarvex::ClinicalProse",
                              "This is the result cut off rather than rounded: %1 rounds to %2."))
                        .arg(sixDigits(value, l), shown)};
        for (int fewer = d - 1; fewer >= 0; --fewer) {
            const double p = std::pow(10.0, fewer);
            if (wrong(std::round(value * p) / p))
                return {
                    &slipOf(SlipKind::RoundedLastStep),
                    prose(QT_TRANSLATE_NOOP(
                              "quarvex::ClinicalProse",
                              "This is the result rounded to fewer places than it shows: keep %1 "
                              "decimals, %2."))
                        .arg(d)
                        .arg(shown)};
        }
    }

    // The decimal point one or two places off.
    for (const double factor : {10.0, 100.0, 0.1, 0.01}) {
        if (wrong(s.expected * factor))
            return {&slipOf(SlipKind::DecimalPoint),
                    (factor == 10.0 || factor == 0.1
                         ? prose(QT_TRANSLATE_NOOP("quarvex::ClinicalProse",
                                                   "The digits are right but the decimal point is "
                                                   "1 place off: %1."))
                         : prose(QT_TRANSLATE_NOOP("quarvex::ClinicalProse",
                                                   "The digits are right but the decimal point is "
                                                   "2 places off: %1.")))
                        .arg(shown)};
    }

    // Two neighbouring digits swapped in the answer as the steps show it.
    const QString plain = s.tolerance.kind == StepTolerance::AsShown
                              ? formatFixed(s.expected, s.tolerance.decimals, QLocale::c())
                              : sixDigits(s.expected, QLocale::c());
    for (int i = 0; i + 1 < plain.size(); ++i) {
        if (!plain[i].isDigit() || !plain[i + 1].isDigit() || plain[i] == plain[i + 1])
            continue;
        QString swapped = plain;
        std::swap(swapped[i], swapped[i + 1]);
        bool ok = false;
        const double v = swapped.toDouble(&ok);
        if (ok && wrong(v))
            return {&slipOf(SlipKind::TransposedDigits),
                    prose(QT_TRANSLATE_NOOP("quarvex::ClinicalProse",
                                            "Two digits have changed places: the answer is %1."))
                        .arg(shown)};
    }
    return {};
}

} // namespace quarvex
