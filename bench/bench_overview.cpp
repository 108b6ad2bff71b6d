// The Comprehensive Overview's work for one complete set of values: every input
// read once, every one of the 22 items checked and, when computable, calculated.
// Goal: well under 50 microseconds for the whole set.

#include "analytes/inputs.h"
#include "calc/derivation.h"
#include "calc/items.h"
#include "overview/overview.h"

#include <QLocale>

#include <benchmark/benchmark.h>

namespace {

using namespace quarvex;
using A = AnalyteId;

MapFields completeFields()
{
    MapFields f;
    const auto set = [&f](A id, const char* value, const char* unit = "") {
        f.set(id, QString::fromLatin1(value), QString::fromLatin1(unit));
    };
    set(A::Age, "40");
    set(A::Weight, "154", "lbs");
    set(A::Gender, "Male");
    set(A::SerumCreatinine, "88.4", "umol/L");
    set(A::UrineCreatinine, "8.84", "mmol/L");
    set(A::SerumSodium, "140");
    set(A::UrineSodium, "40");
    set(A::SerumPotassium, "4");
    set(A::UrinePotassium, "40");
    set(A::SerumCalcium, "2.5", "mmol/L");
    set(A::UrineCalcium, "10", "mg/dL");
    set(A::SerumPhosphorus, "1.13", "mmol/L");
    set(A::UrinePhosphorus, "60", "mg/dL");
    set(A::SerumUrea, "5", "mmol/L");
    set(A::UrineUrea, "300", "mmol/L");
    set(A::SerumUrate, "297.4", "umol/L");
    set(A::UrineUrate, "2.4", "mmol/L");
    set(A::SerumAmylase, "100");
    set(A::UrineAmylase, "300");
    set(A::UrineProtein, "1");
    set(A::UrineVolume, "1500");
    set(A::Chol, "5.18", "mmol/L");
    set(A::HDL, "50", "mg/dL");
    set(A::LDL, "130", "mg/dL");
    set(A::AST, "80");
    set(A::ALT, "100");
    set(A::BilirubinDirect, "34.2", "umol/L");
    set(A::BilirubinTotal, "2.0", "mg/dL");
    set(A::Albumin, "40", "g/L");
    set(A::Globulin, "2.5", "g/dL");
    set(A::Iron, "17.9", "umol/L");
    set(A::TIBC, "300", "ug/dL");
    set(A::Ferritin, "449.4", "pmol/L");
    set(A::Transferrin, "2.5", "g/L");
    return f;
}

void BM_OverviewAllItems(benchmark::State& state)
{
    const MapFields fields = completeFields();
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    qsizetype rows = 0;
    for (auto _ : state) {
        const QList<ItemEvaluation> evaluations = evaluateItems(Inputs(fields, locale));
        rows += resultRows(evaluations).size();
        benchmark::DoNotOptimize(evaluations);
    }
    // 19 items of one row, three of three rows.
    if (rows != qsizetype(state.iterations()) * 28)
        state.SkipWithError("not every item was computable");
}
BENCHMARK(BM_OverviewAllItems)->Unit(benchmark::kMicrosecond);

// The same work followed by the derivation of every computed item: its inputs,
// the formula in words, symbols and numbers, its band table and sources.
// Goal: under 200 microseconds for the whole set.
void BM_OverviewWithDerivations(benchmark::State& state)
{
    const MapFields fields = completeFields();
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    qsizetype rows = 0;
    for (auto _ : state) {
        const Inputs inputs(fields, locale);
        const QList<ItemEvaluation> evaluations = evaluateItems(inputs);
        const QList<FieldHint> hints = caseHints(inputs);
        for (const ItemEvaluation& evaluation : evaluations) {
            if (!evaluation.computable())
                continue;
            const Derivation derivation =
                derive(*evaluation.item, inputs, *evaluation.outcome, hints);
            rows += derivation.rows.size();
            benchmark::DoNotOptimize(derivation);
        }
    }
    if (rows != qsizetype(state.iterations()) * 28)
        state.SkipWithError("not every item was computable");
}
BENCHMARK(BM_OverviewWithDerivations)->Unit(benchmark::kMicrosecond);

// The worked steps of every computed item as plain text, as --steps writes
// them, from derivations made beforehand.
void BM_StepsText(benchmark::State& state)
{
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    const Inputs inputs(completeFields(), locale);
    QList<Derivation> derivations;
    for (const ItemEvaluation& evaluation : evaluateItems(inputs)) {
        if (evaluation.computable())
            derivations << derive(*evaluation.item, inputs, *evaluation.outcome);
    }
    for (auto _ : state) {
        for (const Derivation& derivation : derivations)
            benchmark::DoNotOptimize(stepsText(derivation, locale));
    }
}
BENCHMARK(BM_StepsText)->Unit(benchmark::kMicrosecond);

// The two halves on their own: reading and checking every input once with the
// findings of every item, and the 22 calculations on a reading made beforehand.
void BM_OverviewChecksOnly(benchmark::State& state)
{
    const MapFields fields = completeFields();
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    for (auto _ : state) {
        const Inputs inputs(fields, locale);
        for (const ItemDescriptor& item : overviewItems())
            benchmark::DoNotOptimize(item.findings(inputs));
    }
}
BENCHMARK(BM_OverviewChecksOnly)->Unit(benchmark::kMicrosecond);

void BM_OverviewCalculationsOnly(benchmark::State& state)
{
    const Inputs inputs(completeFields(), QLocale(QLocale::English, QLocale::UnitedStates));
    for (auto _ : state) {
        for (const ItemDescriptor& item : overviewItems())
            benchmark::DoNotOptimize(item.compute(inputs));
    }
}
BENCHMARK(BM_OverviewCalculationsOnly)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
