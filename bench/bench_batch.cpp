// quarvex-cli --batch without the process: runBatch over complete cases held
// in memory, as CSV and as JSON Lines, on one and two threads.
// Goals: on random complete cases (every field, random units), at most 40 us
// of processor time per case on one thread for CSV and 50 us for JSON Lines
// (cpu_us_per_case); JSON Lines at most 2 KB per case.

#include "batch/batchrun.h"

#include <QBuffer>

#include <algorithm>
#include <ctime>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

using namespace quarvex;

// Complete cases (every item computable), the values varied from case to
// case, half of them female, some fields in SI units.
QByteArray completeCases(int count)
{
    QByteArray csv = "Case,Age,Weight,UnitWeight,Gender,SerumCreatinine,UnitSerumCreatinine,"
                     "UrineCreatinine,UnitUrineCreatinine,SerumSodium,UrineSodium,"
                     "SerumPotassium,UrinePotassium,SerumCalcium,UnitSerumCalcium,UrineCalcium,"
                     "UnitUrineCalcium,SerumPhosphorus,UnitSerumPhosphorus,UrinePhosphorus,"
                     "UnitUrinePhosphorus,SerumUrea,UnitSerumUrea,UrineUrea,UnitUrineUrea,"
                     "SerumUrate,UnitSerumUrate,UrineUrate,UnitUrineUrate,SerumAmylase,"
                     "UrineAmylase,UrineProtein,UrineVolume,Chol,UnitChol,HDL,UnitHDL,LDL,"
                     "UnitLDL,AST,ALT,BilirubinDirect,UnitBilirubinDirect,BilirubinTotal,"
                     "UnitBilirubinTotal,Albumin,UnitAlbumin,Globulin,UnitGlobulin,Iron,"
                     "UnitIron,TIBC,UnitTIBC,Ferritin,UnitFerritin,Transferrin,UnitTransferrin\n";
    for (int i = 0; i < count; ++i) {
        const auto n = [](auto value) { return QByteArray::number(value); };
        csv += "c" + n(i) + ',' + n(18 + i % 70) + ',' + n(45 + i % 75) +
               (i % 5 ? ",kg," : ",lbs,") + (i % 2 ? "Male" : "Female") + ',' +
               n(0.5 + (i % 25) / 10.0) +
               ",mg/dL,110,mg/dL,139,80,4.2,45,9.4,mg/dL,12,mg/dL,3.5,mg/dL,55,mg/dL,32,mg/dL,"
               "900,mg/dL,6.8,mg/dL,40,mg/dL,85,320,0.15,1500," +
               n(150 + i % 150) + ",mg/dL," + n(25 + i % 65) + ",mg/dL," + n(60 + i % 160) +
               ",mg/dL,42,35,0.3,mg/dL,1.0,mg/dL,4.2,g/dL,2.8,g/dL,65,ug/dL,310,ug/dL,120,ng/ml,"
               "250,mg/dL\n";
    }
    return csv;
}

// Complete cases as bench/batch/generate_cases.py writes them: every input
// field filled with a value in the range seen in adult patients, drawn at
// random, four in five units the first of the field's list and the rest
// another one, a whole never below its parts.
QByteArray randomCompleteCases(int count)
{
    struct Unit {
        const char* text;
        double factor;
        int decimals;
    };
    struct Field {
        const char* name;
        double low, high;
        int decimals;
        std::vector<Unit> units;
    };
    const std::vector<Field> fields = {
        {"Age", 18, 90, 0, {}},
        {"Weight", 45, 120, 0, {{"kg", 1, 0}, {"lbs", 2.2, 0}}},
        {"SerumCreatinine", 0.5, 3.0, 1, {{"mg/dL", 1, 1}, {"umol/L", 88.4, 0}}},
        {"UrineCreatinine", 40, 250, 0, {{"mg/dL", 1, 0}, {"mmol/L", 88.4 / 1000, 1}}},
        {"SerumSodium", 130, 150, 0, {}},
        {"UrineSodium", 10, 200, 0, {}},
        {"SerumPotassium", 3.0, 5.5, 1, {}},
        {"UrinePotassium", 10, 100, 0, {}},
        {"SerumCalcium", 8.0, 11.0, 1, {{"mg/dL", 1, 1}, {"mmol/L", 0.25, 2}}},
        {"UrineCalcium", 5, 30, 0, {{"mg/dL", 1, 0}, {"mmol/L", 0.25, 2}}},
        {"SerumPhosphorus", 2.5, 5.0, 1, {{"mg/dL", 1, 1}, {"mmol/L", 0.323, 2}}},
        {"SerumUrea", 10, 60, 0, {{"mg/dL", 1, 0}, {"mmol/L", 0.357, 1}}},
        {"UrineUrea", 300, 2000, 0, {{"mg/dL", 1, 0}, {"mmol/L", 0.357, 0}}},
        {"UrinePhosphorus", 20, 120, 0, {{"mg/dL", 1, 0}, {"mmol/L", 0.323, 1}}},
        {"SerumUrate", 3.0, 9.0, 1, {{"mg/dL", 1, 1}, {"umol/L", 59.48, 0}}},
        {"UrineUrate", 15, 80, 0, {{"mg/dL", 1, 0}, {"mmol/L", 0.05948, 2}}},
        {"SerumAmylase", 30, 200, 0, {}},
        {"UrineAmylase", 50, 1000, 0, {}},
        {"UrineProtein", 0.05, 3.0, 2, {}},
        {"UrineVolume", 500, 3000, 0, {}},
        {"HDL", 25, 90, 0, {{"mg/dL", 1, 0}, {"mmol/L", 0.0259, 2}}},
        {"LDL", 60, 220, 0, {{"mg/dL", 1, 0}, {"mmol/L", 0.0259, 1}}},
        {"Chol", 140, 300, 0, {{"mg/dL", 1, 0}, {"mmol/L", 0.0259, 1}}},
        {"Triglycerides", 50, 350, 0, {{"mg/dL", 1, 0}, {"mmol/L", 0.01129, 2}}},
        {"AST", 10, 200, 0, {}},
        {"ALT", 10, 200, 0, {}},
        {"BilirubinDirect", 0.1, 1.5, 1, {{"mg/dL", 1, 1}, {"umol/L", 17.1, 0}}},
        {"BilirubinTotal", 0.3, 3.0, 1, {{"mg/dL", 1, 1}, {"umol/L", 17.1, 0}}},
        {"Albumin", 3.0, 5.5, 1, {{"g/dL", 1, 1}, {"g/L", 10, 0}}},
        {"Globulin", 2.0, 4.0, 1, {{"g/dL", 1, 1}, {"g/L", 10, 0}}},
        {"Iron", 30, 200, 0, {{"ug/dL", 1, 0}, {"umol/L", 0.179, 1}}},
        {"TIBC", 250, 450, 0, {{"ug/dL", 1, 0}, {"umol/L", 0.179, 1}}},
        {"Ferritin", 10, 400, 0, {{"ng/ml", 1, 0}, {"ug/L", 1, 0}, {"pmol/L", 2.247, 0}}},
        {"Transferrin", 150, 400, 0, {{"mg/dL", 1, 0}, {"g/L", 0.01, 2}}},
    };
    QByteArray csv = "Case,Gender";
    for (const Field& field : fields) {
        csv += ',' + QByteArray(field.name);
        if (!field.units.empty())
            csv += ",Unit" + QByteArray(field.name);
    }
    csv += "\r\n";
    std::mt19937_64 rng(20261206);
    const auto uniform = [&rng](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(rng);
    };
    for (int i = 0; i < count; ++i) {
        csv += "P" + QByteArray::number(i) + (rng() % 2 ? ",Male" : ",Female");
        double direct = 0, hdl = 0, ldl = 0;
        for (const Field& field : fields) {
            double value = uniform(field.low, field.high);
            const QByteArray name(field.name);
            if (name == "BilirubinTotal")
                value = std::max(value, direct + 0.1);
            if (name == "Chol")
                value = std::max(value, hdl + ldl + 10);
            (name == "BilirubinDirect" ? direct
             : name == "HDL"           ? hdl
             : name == "LDL"           ? ldl
                                       : value) = value;
            if (field.units.empty()) {
                csv += ',' + QByteArray::number(value, 'f', field.decimals);
                continue;
            }
            const Unit& unit = uniform(0, 1) < 0.8
                                   ? field.units.front()
                                   : field.units[1 + rng() % (field.units.size() - 1)];
            csv +=
                ',' + QByteArray::number(value * unit.factor, 'f', unit.decimals) + ',' + unit.text;
        }
        csv += "\r\n";
    }
    return csv;
}

void runCases(benchmark::State& state, BatchFormat format, QByteArray (*cases)(int))
{
    constexpr int Cases = 2000;
    QByteArray input = cases(Cases);
    BatchOptions options;
    options.format = format;
    options.threads = int(state.range(0));
    qint64 bytes = 0;
    const std::clock_t started = std::clock();
    for (auto _ : state) {
        QBuffer in(&input);
        in.open(QIODevice::ReadOnly);
        QByteArray out;
        // Room for every record, so that the buffer's growth is not measured.
        out.reserve(format == BatchFormat::Csv ? Cases * 5000 : Cases * 2400);
        QBuffer outBuffer(&out);
        outBuffer.open(QIODevice::WriteOnly);
        const BatchSummary summary = runBatch(in, outBuffer, options);
        if (summary.status != BatchSummary::Status::Done || summary.cases != Cases) {
            state.SkipWithError("the run did not write every case");
            return;
        }
        bytes = out.size();
    }
    state.SetItemsProcessed(state.iterations() * Cases);
    // Processor time of the whole process per case: on one thread, what a
    // case costs; on two, what it costs with the hand-over between threads.
    const double cpu = double(std::clock() - started) / CLOCKS_PER_SEC;
    state.counters["cpu_us_per_case"] = cpu * 1e6 / double(state.iterations() * Cases);
    state.counters["bytes_per_case"] = double(bytes) / Cases;
}

void BM_BatchCsv(benchmark::State& state)
{
    runCases(state, BatchFormat::Csv, completeCases);
}
BENCHMARK(BM_BatchCsv)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_BatchJsonLines(benchmark::State& state)
{
    runCases(state, BatchFormat::JsonLines, completeCases);
}
BENCHMARK(BM_BatchJsonLines)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

// Random complete cases: every field, random values and units.
void BM_BatchCsvRandom(benchmark::State& state)
{
    runCases(state, BatchFormat::Csv, randomCompleteCases);
}
BENCHMARK(BM_BatchCsvRandom)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_BatchJsonLinesRandom(benchmark::State& state)
{
    runCases(state, BatchFormat::JsonLines, randomCompleteCases);
}
BENCHMARK(BM_BatchJsonLinesRandom)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
