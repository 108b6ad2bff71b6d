#include "practice/exercisesteps.h"

#include "analytes/format.h"
#include "analytes/plausibility.h"
#include "i18n/language.h"
#include "practice/working.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

namespace quarvex::practice {

namespace {

using A = AnalyteId;

// The practice prompts' words, in the language installed.
QString practiceText(const char* text)
{
    return QCoreApplication::translate("quarvex::Practice", text);
}

// A unit of a step with its words in the language installed: an age in a
// formula is in "years" ("years·kg").
QString shownUnitWords(QString unit)
{
    static const QRegularExpression years(QStringLiteral("\\byears\\b"));
    return unit.replace(years, practiceText(QT_TRANSLATE_NOOP("quarvex::Practice", "years")));
}

QString upperFirst(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// Builds the steps of an exercise whose outcome and derivation are set.
class StepBuilder
{
public:
    explicit StepBuilder(Exercise& exercise)
        : m_ex(exercise)
    {}

    void build()
    {
        addConversions();
        const bool several = m_ex.outcome.working.size() > 1;
        for (int r = 0; r < m_ex.outcome.working.size(); ++r)
            addRow(r, several);
    }

private:
    void addConversions()
    {
        if (m_ex.level >= 3)
            return;
        for (const ConvertedInput& in : m_ex.outcome.inputs) {
            if (in.id == A::Gender || !in.unit ||
                (in.unit->multiply == 1.0 && in.unit->divide == 1.0) || !convertedInFormulas(in.id))
                continue;
            const QString unit = formulaUnit(in.id);
            const QString name = analyte(in.id).shownName();
            // What the formula unit measures, where the name does not say it:
            // urea in mg/dL is urea nitrogen.
            const QString quantity = quantityName(in.id, unit);
            const bool renamed = quantity != quantityName(in.id, QString());
            ExerciseStep s;
            s.id = QStringLiteral("convert-") + analyte(in.id).fieldName();
            s.label = practiceText(QT_TRANSLATE_NOOP("quarvex::Practice", "%1 in %2"))
                          .arg(renamed ? upperFirst(quantity) : name, unit);
            const QString value = caseValue(in.id).text(m_ex.locale);
            s.prompt =
                renamed
                    ? practiceText(QT_TRANSLATE_NOOP("quarvex::Practice", "%1 %2 %3 as %4 in %5"))
                          .arg(name, value, in.unitText, quantity, unit)
                    : practiceText(QT_TRANSLATE_NOOP("quarvex::Practice", "%1 %2 %3 in %4"))
                          .arg(name, value, in.unitText, unit);
            s.unit = unit;
            s.role = StepRole::Conversion;
            s.tolerance = {StepTolerance::Within, IntermediateTolerance};
            s.expected = in.converted;
            s.expectedText = sixDigits(in.converted, m_ex.locale);
            s.given = m_ex.level == 1;
            s.input = in.id;
            m_conversion[in.id] = int(m_ex.steps.size());
            append(s);
        }
    }

    // Whether a formula uses the input in its formula unit: anywhere but as a
    // side of a quotient whose units cancel (two values typed in one unit),
    // which is worked on the numbers as typed.
    bool convertedInFormulas(AnalyteId id) const
    {
        for (int r = 0; r < m_ex.outcome.working.size(); ++r) {
            const Formula* f = m_ex.outcome.working[r].formula;
            // An input a unit variant reads as typed is not converted there.
            if (!f || !readsInFormulaUnit(*f, id))
                continue;
            const QList<Operation> ops = practice::operations(*f);
            if (ops.isEmpty() && f->ops.size() == 1 && f->ops[0].kind == FormulaOp::Input &&
                f->ops[0].input == id)
                return true;
            const QList<FormulaStep>& steps = m_ex.derivation.rows[r].steps;
            for (int k = 0; k < ops.size(); ++k) {
                const bool typed = k < steps.size() && steps[k].typedSides;
                for (const Operand& side : {ops[k].left, ops[k].right}) {
                    if (side.kind == Operand::Input && side.input == id && !typed)
                        return true;
                }
            }
        }
        return false;
    }

    const CaseValue& caseValue(AnalyteId id) const
    {
        for (const CaseValue& v : m_ex.values) {
            if (v.id == id)
                return v;
        }
        static const CaseValue none{A::Age, 0.0, 0, {}};
        return none;
    }

    // One side of an operation's prompt: a number, an input (by name in its
    // formula unit where it is converted, else as typed, named where the
    // units cancel), or an earlier step (with the name of its result).
    QString operandText(const Operand& o, double value, const QList<int>& stepOf,
                        const FormulaStep& step, const QString& name) const
    {
        switch (o.kind) {
        case Operand::Number:
        case Operand::Gender:
            return shortestNumber(value, m_ex.locale);
        case Operand::Input: {
            if (m_conversion.contains(o.input))
                return practiceText(QT_TRANSLATE_NOOP("quarvex::Practice", "%1 in %2"))
                    .arg(quantityName(o.input, formulaUnit(o.input)), formulaUnit(o.input));
            const QString typed = caseValue(o.input).text(m_ex.locale) + QLatin1Char(' ') +
                                  shownUnit(caseValue(o.input));
            if (!step.typedSides)
                return typed;
            return practiceText(QT_TRANSLATE_NOOP("quarvex::Practice", "%1 %2")).arg(name, typed);
        }
        case Operand::Step: {
            const QString& label = m_ex.steps[stepOf[o.step]].sentenceLabel;
            if (name.isEmpty())
                return label;
            return practiceText(QT_TRANSLATE_NOOP("quarvex::Practice", "%1 (%2)")).arg(name, label);
        }
        }
        return {};
    }

    void addDependency(QList<int>& deps, const Operand& o, const QList<int>& stepOf) const
    {
        int index = -1;
        if (o.kind == Operand::Step)
            index = stepOf.value(o.step, -1);
        else if (o.kind == Operand::Input)
            index = m_conversion.value(o.input, -1);
        if (index >= 0 && !deps.contains(index))
            deps << index;
    }

    void addRow(int r, bool several)
    {
        const RowWorking& w = m_ex.outcome.working[r];
        const DerivedRow& row = m_ex.derivation.rows[r];
        if (!w.formula)
            return;
        const QString prefix = several ? QStringLiteral("row%1-").arg(r + 1) : QString();
        // With several rows, a step's label names its row: "CrCl: Step 1".
        const auto rowLabel = [&](const QString& label) {
            //: A step of one result row among several: the row's symbol and the step ("CrCl: Step
            //: 1").
            return several ? practiceText(QT_TRANSLATE_NOOP("quarvex::Practice", "%1: %2"))
                                 .arg(row.symbol, label)
                           : label;
        };
        const QList<Operation> ops = practice::operations(*w.formula);
        const bool numberShown = row.shown != Shown::Text;
        QList<int> stepOf(ops.size(), -1);
        const auto prompt = [&](int k) {
            const FormulaStep& fs = row.steps[k];
            const QString left = operandText(ops[k].left, fs.left, stepOf, fs, fs.leftName);
            const QString right = operandText(ops[k].right, fs.right, stepOf, fs, fs.rightName);
            QString text;
            if (ops[k].kind == FormulaOp::Minimum || ops[k].kind == FormulaOp::Maximum)
                text = operatorSign(ops[k].kind) + QLatin1Char('(') + left + QStringLiteral(", ") +
                       right + QLatin1Char(')');
            else
                text =
                    left + QLatin1Char(' ') + operatorSign(ops[k].kind) + QLatin1Char(' ') + right;
            if (fs.typedSides)
                text = practiceText(QT_TRANSLATE_NOOP("quarvex::Practice",
                                                      "%1 (the units cancel: no conversion)"))
                           .arg(text);
            if (!fs.name.isEmpty() && k + 1 < ops.size())
                text = practiceText(QT_TRANSLATE_NOOP("quarvex::Practice", "%1 = %2"))
                           .arg(fs.name, text);
            return text;
        };
        const bool opsAsked = m_ex.level < 3;
        for (int k = 0; k < ops.size(); ++k) {
            if (!opsAsked || (numberShown && k == ops.size() - 1))
                continue;
            ExerciseStep s;
            s.id = prefix + QStringLiteral("step-%1").arg(k + 1);
            s.label = rowLabel(
                practiceText(QT_TRANSLATE_NOOP("quarvex::Practice", "Step %1")).arg(k + 1));
            s.prompt = prompt(k);
            s.unit = shownUnitWords(row.steps[k].resultUnit);
            s.role = StepRole::Operation;
            s.tolerance = {StepTolerance::Within, IntermediateTolerance};
            s.expected = row.steps[k].result;
            s.expectedText = sixDigits(s.expected, m_ex.locale);
            s.row = r;
            s.operation = k;
            addDependency(s.dependsOn, ops[k].left, stepOf);
            addDependency(s.dependsOn, ops[k].right, stepOf);
            stepOf[k] = int(m_ex.steps.size());
            append(s);
        }
        int valueStep = ops.isEmpty() ? -1 : stepOf.last();
        if (numberShown) {
            ExerciseStep s;
            s.id = prefix + QStringLiteral("result");
            s.label = rowLabel(practiceText(QT_TRANSLATE_NOOP("quarvex::Practice", "Result")));
            const bool fixed = row.shown != Shown::Plain;
            const int decimals = fixed ? shownDecimals(row.shown) : 0;
            // "%1, as the result shows it": the prompt's question with how the
            // result shows its number.
            const char* shownAs =
                !fixed ? QT_TRANSLATE_NOOP("quarvex::Practice", "%1, as the result shows it")
                : decimals == 0 ? QT_TRANSLATE_NOOP("quarvex::Practice",
                                                    "%1, as a whole number as the result shows it")
                : decimals == 1 ? QT_TRANSLATE_NOOP("quarvex::Practice",
                                                    "%1, to 1 decimal as the result shows it")
                                : QT_TRANSLATE_NOOP("quarvex::Practice",
                                                    "%1, to %2 decimals as the result shows it");
            const auto asShown = [&](const QString& question) {
                return fixed && decimals > 1
                           ? practiceText(shownAs).arg(question, QString::number(decimals))
                           : practiceText(shownAs).arg(question);
            };
            if (ops.isEmpty()) {
                const AnalyteId id = w.formula->ops[0].input;
                s.prompt = asShown(practiceText(QT_TRANSLATE_NOOP("quarvex::Practice", "%1 in %2"))
                                       .arg(analyte(id).shownName(), row.valueUnit));
                s.unit = shownUnitWords(row.valueUnit);
                if (m_conversion.contains(id))
                    s.dependsOn << m_conversion[id];
            } else {
                const int k = int(ops.size()) - 1;
                // With the operations asked, the last one; else the formula in
                // symbols and its constant ("K = 72 for Male, 85 for Female").
                const QString question =
                    opsAsked ? practiceText(QT_TRANSLATE_NOOP("quarvex::Practice", "%1 = %2"))
                                   .arg(row.symbol, prompt(k))
                    : row.constant.isEmpty()
                        ? row.symbols
                        : practiceText(QT_TRANSLATE_NOOP("quarvex::Practice", "%1 with %2"))
                              .arg(row.symbols, row.constant);
                s.prompt = asShown(question);
                s.unit = shownUnitWords(row.steps[k].resultUnit);
                s.operation = k;
                if (opsAsked) {
                    addDependency(s.dependsOn, ops[k].left, stepOf);
                    addDependency(s.dependsOn, ops[k].right, stepOf);
                }
            }
            s.role = StepRole::Result;
            s.row = r;
            if (fixed) {
                s.tolerance = {StepTolerance::AsShown, 0.0, decimals};
                s.expected = formatFixed(row.value, decimals, QLocale::c()).toDouble();
                s.expectedText = formatFixed(row.value, decimals, m_ex.locale);
            } else {
                s.tolerance = {StepTolerance::Within, IntermediateTolerance};
                s.expected = row.value;
                s.expectedText = formatPlain(row.value, m_ex.locale);
            }
            valueStep = int(m_ex.steps.size());
            append(s);
        }
        if (!w.bands.empty() && row.band()) {
            ExerciseStep s;
            s.id = prefix + QStringLiteral("band");
            s.label =
                rowLabel(practiceText(QT_TRANSLATE_NOOP("quarvex::Practice", "Interpretation")));
            s.prompt = practiceText(QT_TRANSLATE_NOOP("quarvex::Practice",
                                                      "Which interpretation does %1 give?"))
                           .arg(row.symbol);
            s.kind = StepKind::Choice;
            s.role = StepRole::Band;
            for (const DerivedBand& band : row.bands) {
                if (!s.choices.contains(bandMeaning(band)))
                    s.choices << bandMeaning(band);
            }
            s.expectedText = bandMeaning(*row.band());
            s.row = r;
            if (valueStep < 0 && w.formula->ops.size() == 1 &&
                w.formula->ops[0].kind == FormulaOp::Input)
                valueStep = m_conversion.value(w.formula->ops[0].input, -1);
            if (valueStep >= 0)
                s.dependsOn << valueStep;
            append(s);
        }
    }

    // Adds a step, with its label as a sentence names it.
    void append(ExerciseStep& s)
    {
        s.sentenceLabel = inSentence(s.label);
        m_ex.steps << s;
    }

    Exercise& m_ex;
    QHash<AnalyteId, int> m_conversion;
};

} // namespace

QString personName(AnalyteId id)
{
    QString name = QString::fromLatin1(analyte(id).name);
    if (name.size() > 1 && name[1].isLower())
        name[0] = name[0].toLower();
    return name;
}

QString shownUnit(const CaseValue& value)
{
    if (!value.unit.isEmpty())
        return value.unit;
    if (value.id == A::Age)
        return practiceText(QT_TRANSLATE_NOOP("quarvex::Practice", "years"));
    if (const std::optional<Plausibility> p = plausibility(analyte(value.id).fieldName(), {}))
        return p->shownUnit;
    const char* fixed = analyte(value.id).fixedUnit;
    return fixed ? QString::fromLatin1(fixed) : QString();
}

void buildSteps(Exercise& exercise)
{
    StepBuilder(exercise).build();
}

} // namespace quarvex::practice
