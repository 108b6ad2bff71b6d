// quarvex-cli --batch without the process: runBatch over complete cases held
// in memory, as CSV and as JSON Lines, on one and two threads.
// Goals: CSV at least 50,000 cases/s on two threads; JSON Lines at least
// 20,000 complete cases/s on two threads, at most 2 KB per case.

#include "batch/batchrun.h"

#include <QBuffer>

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

void runCases(benchmark::State& state, BatchFormat format)
{
    constexpr int Cases = 2000;
    QByteArray input = completeCases(Cases);
    BatchOptions options;
    options.format = format;
    options.threads = int(state.range(0));
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer in(&input);
        in.open(QIODevice::ReadOnly);
        QByteArray out;
        out.reserve(format == BatchFormat::Csv ? Cases * 2200 : Cases * 5200);
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
    state.counters["bytes_per_case"] = double(bytes) / Cases;
}

void BM_BatchCsv(benchmark::State& state)
{
    runCases(state, BatchFormat::Csv);
}
BENCHMARK(BM_BatchCsv)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_BatchJsonLines(benchmark::State& state)
{
    runCases(state, BatchFormat::JsonLines);
}
BENCHMARK(BM_BatchJsonLines)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
