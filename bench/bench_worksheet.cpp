// A worksheet of 3 items x 2 exercises x 30 versions, with its key after the
// versions, made and written as PDF in memory, as the dialog's Save as PDF
// does. Goal: under 5 s. The counters give the pages of the students'
// sheets, of the key's answer tables and of the key with its worked steps.

#include "app/frmdisclaimer.h"
#include "app/qtdialogs.h"
#include "overview/sheetprinter.h"
#include "practice/worksheetpages.h"

#include <QApplication>
#include <QBuffer>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

namespace {

using namespace quarvex;

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
    // The disclaimer at the foot of every page, as the dialog prints it.
    const QString footer = displayText(disclaimerText());
    const QString shortFooter = QStringLiteral("For teaching only; see the notice on page 1.");
    const auto pagesOf = [](const PrintedWorksheet& document, qint64* bytes = nullptr) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        int pages = 0;
        {
            QPdfWriter writer(&buffer);
            writer.setPageLayout(sheetPageLayout(QLocale()));
            pages = printWorksheet(document, writer);
        }
        if (bytes)
            *bytes = buffer.size();
        return pages;
    };
    qint64 bytes = 0;
    int pages = 0;
    for (auto _ : state) {
        const Worksheet sheet = makeWorksheet(settings, QLocale());
        PrintedWorksheet document = worksheetSheets(sheet, footer, shortFooter);
        document.sections += worksheetKey(sheet, footer, shortFooter).sections;
        pages = pagesOf(document, &bytes);
        benchmark::DoNotOptimize(bytes);
    }
    // The parts apart, once, outside the timing.
    const Worksheet sheet = makeWorksheet(settings, QLocale());
    state.counters["pages"] = pages;
    state.counters["bytes"] = double(bytes);
    state.counters["studentPages"] = pagesOf(worksheetSheets(sheet, footer, shortFooter));
    state.counters["tablePages"] = pagesOf(worksheetKey(sheet, footer, shortFooter, false));
    state.counters["keyPages"] = pagesOf(worksheetKey(sheet, footer, shortFooter, true));
}
BENCHMARK(worksheetToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
