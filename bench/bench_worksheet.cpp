// A class's worksheet: 30 versions of 3 items x 2 exercises, made and written
// as PDF in memory, the students' sheets and the key with its worked steps
// apart, as the worksheet dialog's Save as PDF and quarvex-cli --pdf
// --key-pdf write them. Goal: under 5 s. The counters give the pages of the
// students' sheets, of the key and of the key's answer tables alone.

#include "sheetprinter.h"

#include <QBuffer>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace quarvex;

// The pages and bytes of a document written as PDF.
std::pair<int, qint64> writePdf(const PrintedWorksheet& document)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const int pages = writeWorksheetPdf(document, buffer);
    return {pages, buffer.size()};
}

void worksheetToPdf(benchmark::State& state)
{
    WorksheetSettings settings;
    settings.items = {ItemId::CreatinineClearance, ItemId::TransferrinSaturation,
                      ItemId::AstAltRatio};
    settings.count = 2;
    settings.versions = 30;
    settings.level = 2;
    settings.seed = 2026;
    settings.title = QStringLiteral("Renal and iron");
    int studentPages = 0, keyPages = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        const WorksheetDocuments documents =
            worksheetDocuments(makeWorksheet(settings, QLocale()), true, true);
        const auto [students, studentBytes] = writePdf(documents.sheets);
        const auto [key, keyBytes] = writePdf(documents.key);
        studentPages = students;
        keyPages = key;
        bytes = studentBytes + keyBytes;
        benchmark::DoNotOptimize(bytes);
    }
    // The answer tables alone, once, outside the timing.
    const WorksheetDocuments tables =
        worksheetDocuments(makeWorksheet(settings, QLocale()), true, false);
    state.counters["studentPages"] = studentPages;
    state.counters["keyPages"] = keyPages;
    state.counters["tablePages"] = writePdf(tables.key).first;
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(worksheetToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    // As quarvex-cli --pdf runs: Qt Gui on the offscreen platform, no window.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
