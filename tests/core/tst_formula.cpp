// Formula steps beyond the four operators: powers, the smaller and the larger
// of two values. Their value and every text style, and two of the equations
// they are for, checked against the values their publications give.

#include "calc/formula.h"
#include "coretestmain.h"
#include "testfields.h"

#include <cmath>

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::Literals::StringLiterals;

class TestFormula : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void styles_data();
    void styles();
    void notANumberIsNotDropped_data();
    void notANumberIsNotDropped();
    void publishedValues_data();
    void publishedValues();
};

namespace {

using A = AnalyteId;
using namespace op;

// clang-format off
// Every step of the 2021 creatinine equation of the CKD Epidemiology
// Collaboration: 142 × min(Scr/κ, 1)^α × max(Scr/κ, 1)^−1.200 × 0.9938^age,
// × 1.012 for women; κ and α by gender.
const QList<FormulaOp> CkdEpi2021 = {
    num(142),
    in(A::SerumCreatinine), gender(0.9, 0.7), op::div, num(1), minOf, gender(-0.302, -0.241), power,
    mul,
    in(A::SerumCreatinine), gender(0.9, 0.7), op::div, num(1), maxOf, num(-1.2), power,
    mul,
    num(0.9938), in(A::Age), power,
    mul,
    gender(1, 1.012),
    mul,
};

// LDL cholesterol by Sampson 2020: TC/0.948 − HDL/0.971 −
// (TG/8.56 + TG × (TC − HDL)/2140 − TG²/16100) − 9.44.
const QList<FormulaOp> Sampson = {
    in(A::Chol), num(0.948), op::div,
    in(A::HDL), num(0.971), op::div,
    sub,
    in(A::Triglycerides), num(8.56), op::div,
    in(A::Triglycerides), in(A::Chol), in(A::HDL), sub, mul, num(2140), op::div,
    add,
    in(A::Triglycerides), num(2), power, num(16100), op::div,
    sub,
    sub,
    num(9.44),
    sub,
};
// clang-format on

Formula formulaOf(const QList<FormulaOp>& ops)
{
    return Formula{"X", ops, Shown::Fixed2, ""};
}

} // namespace

void TestFormula::styles_data()
{
    QTest::addColumn<QList<FormulaOp>>("ops");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<bool>("german");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("symbols");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("substituted");

    const QList<FormulaOp> scrOverK{in(A::SerumCreatinine), num(0.7), op::div};
    QTest::addRow("min of a quotient and one")
        << (scrOverK + QList<FormulaOp>{num(1), minOf}) << u"SerumCreatinine=0.6 mg/dL"_s << false
        << 0.6 / 0.7 << u"min(serum creatinine ÷ 0.7, 1)"_s << u"min(SerumCreatinine ÷ 0.7, 1)"_s
        << u"min(SerumCreatinine / 0.7, 1)"_s << u"min(0.6 ÷ 0.7, 1)"_s;
    QTest::addRow("min where the other value is smaller")
        << (scrOverK + QList<FormulaOp>{num(1), minOf}) << u"SerumCreatinine=1.4 mg/dL"_s << false
        << 1.0 << u"min(serum creatinine ÷ 0.7, 1)"_s << u"min(SerumCreatinine ÷ 0.7, 1)"_s
        << u"min(SerumCreatinine / 0.7, 1)"_s << u"min(1.4 ÷ 0.7, 1)"_s;
    QTest::addRow("max of a converted value and one")
        << QList<FormulaOp>{in(A::SerumCreatinine), num(0.9), op::div, num(1), maxOf}
        << u"SerumCreatinine=106.08 umol/L"_s << false << (106.08 / 88.4) / 0.9
        << u"max(serum creatinine ÷ 0.9, 1)"_s << u"max(SerumCreatinine ÷ 0.9, 1)"_s
        << u"max(SerumCreatinine / 0.9, 1)"_s << u"max(1.2 ÷ 0.9, 1)"_s;
    QTest::addRow("max where one is larger")
        << QList<FormulaOp>{in(A::SerumCreatinine), num(0.9), op::div, num(1), maxOf}
        << u"SerumCreatinine=0.45 mg/dL"_s << false << 1.0 << u"max(serum creatinine ÷ 0.9, 1)"_s
        << u"max(SerumCreatinine ÷ 0.9, 1)"_s << u"max(SerumCreatinine / 0.9, 1)"_s
        << u"max(0.45 ÷ 0.9, 1)"_s;
    QTest::addRow("negative power of a min")
        << (scrOverK + QList<FormulaOp>{num(1), minOf, num(-0.241), power})
        << u"SerumCreatinine=0.6 mg/dL"_s << false << std::pow(0.6 / 0.7, -0.241)
        << u"min(serum creatinine ÷ 0.7, 1)^−0.241"_s << u"min(SerumCreatinine ÷ 0.7, 1)^−0.241"_s
        << u"pow(min(SerumCreatinine / 0.7, 1), -0.241)"_s << u"min(0.6 ÷ 0.7, 1)^−0.241"_s;
    QTest::addRow("a power inside a product is bracketed")
        << QList<FormulaOp>{num(142), num(0.9938), in(A::Age), power, mul} << u"Age=50"_s << false
        << 142 * std::pow(0.9938, 50) << u"142 × (0.9938^age)"_s << u"142 × (0.9938^Age)"_s
        << u"142 * pow(0.9938, Age)"_s << u"142 × (0.9938^50)"_s;
    QTest::addRow("square of a sum, German decimal comma")
        << QList<FormulaOp>{in(A::Chol), in(A::HDL), add, num(2), power}
        << u"Chol=5,2 mmol/L; HDL=50 mg/dL"_s << true << std::pow(5.2 / 0.0259 + 50, 2)
        << u"(total cholesterol + HDL cholesterol)^2"_s << u"(Chol + HDL)^2"_s
        << u"pow(Chol + HDL, 2)"_s << u"(200,772 + 50)^2"_s;
    QTest::addRow("triglycerides from mmol/L, German decimal comma")
        << QList<FormulaOp>{in(A::Triglycerides), num(5), op::div} << u"Triglycerides=1,7 mmol/L"_s
        << true << 1.7 * 88.57 / 5 << u"triglycerides ÷ 5"_s << u"Triglycerides ÷ 5"_s
        << u"Triglycerides / 5"_s << u"150,569 ÷ 5"_s;
    QTest::addRow("min with the female constant")
        << QList<FormulaOp>{in(A::SerumCreatinine), gender(0.9, 0.7), op::div, num(1), minOf}
        << u"SerumCreatinine=1 mg/dL; Gender=Female"_s << false << 1.0
        << u"min(serum creatinine ÷ 0.9, 1)"_s << u"min(SerumCreatinine ÷ K, 1)"_s
        << u"min(SerumCreatinine / 0.7, 1)"_s << u"min(1 ÷ 0.7, 1)"_s;
}

void TestFormula::styles()
{
    QFETCH(QList<FormulaOp>, ops);
    QFETCH(QString, fields);
    QFETCH(bool, german);
    QFETCH(double, value);

    const Inputs inputs(F(fields), german ? German : English);
    const Formula formula = formulaOf(ops);
    QVERIFY2(std::abs(evaluate(formula, inputs) - value) <= 1e-12 * std::abs(value),
             qPrintable(QString::number(evaluate(formula, inputs), 'g', 17)));
    QTEST(formulaText(formula, FormulaStyle::Words, inputs), "words");
    QTEST(formulaText(formula, FormulaStyle::Symbols, inputs), "symbols");
    QTEST(formulaText(formula, FormulaStyle::Expression, inputs), "expression");
    QTEST(formulaText(formula, FormulaStyle::Substituted, inputs), "substituted");
}

// A value that is not a number on either side gives none, so that a result
// is never made from a value that was not read.
void TestFormula::notANumberIsNotDropped_data()
{
    QTest::addColumn<QList<FormulaOp>>("ops");

    QTest::addRow("min, left") << QList<FormulaOp>{in(A::ALT), num(1), minOf};
    QTest::addRow("min, right") << QList<FormulaOp>{num(1), in(A::ALT), minOf};
    QTest::addRow("max, left") << QList<FormulaOp>{in(A::ALT), num(1), maxOf};
    QTest::addRow("max, right") << QList<FormulaOp>{num(1), in(A::ALT), maxOf};
    QTest::addRow("power") << QList<FormulaOp>{num(2), in(A::ALT), power};
}

void TestFormula::notANumberIsNotDropped()
{
    QFETCH(QList<FormulaOp>, ops);
    const Inputs inputs(F(u"ALT=abc"_s), English);
    QVERIFY(std::isnan(inputs[A::ALT].converted));
    QVERIFY(std::isnan(evaluate(formulaOf(ops), inputs)));
}

void TestFormula::publishedValues_data()
{
    QTest::addColumn<QList<FormulaOp>>("ops");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<bool>("german");
    QTest::addColumn<double>("published"); // to two decimals, or one for Sampson
    QTest::addColumn<double>("within");

    QTest::addRow("CKD-EPI 2021: 1.0 mg/dL, 50 years, female")
        << CkdEpi2021 << u"SerumCreatinine=1.0 mg/dL; Age=50; Gender=Female"_s << false << 68.63
        << 0.005;
    QTest::addRow("CKD-EPI 2021: 0.6 mg/dL, 50 years, female")
        << CkdEpi2021 << u"SerumCreatinine=0.6 mg/dL; Age=50; Gender=Female"_s << false << 109.28
        << 0.005;
    QTest::addRow("CKD-EPI 2021: 1.2 mg/dL, 65 years, male")
        << CkdEpi2021 << u"SerumCreatinine=1.2 mg/dL; Age=65; Gender=Male"_s << false << 67.11
        << 0.005;
    QTest::addRow("CKD-EPI 2021: 1.2 mg/dL in umol/L, German decimal comma")
        << CkdEpi2021 << u"SerumCreatinine=106,08 umol/L; Age=65; Gender=Male"_s << true << 67.11
        << 0.005;
    QTest::addRow("Sampson: TC 200, HDL 50, TG 150")
        << Sampson << u"Chol=200 mg/dL; HDL=50 mg/dL; Triglycerides=150 mg/dL"_s << false << 123.4
        << 0.05;
}

void TestFormula::publishedValues()
{
    QFETCH(QList<FormulaOp>, ops);
    QFETCH(QString, fields);
    QFETCH(bool, german);
    QFETCH(double, published);
    QFETCH(double, within);

    const Inputs inputs(F(fields), german ? German : English);
    const double value = evaluate(formulaOf(ops), inputs);
    QVERIFY2(std::abs(value - published) < within, qPrintable(QString::number(value, 'g', 17)));
}

QUARVEX_CORE_TEST_MAIN(TestFormula)
#include "tst_formula.moc"
