// Takes the screenshots of the README and the guide: the windows a new user
// meets, in the state worth showing, each saved as <folder>/<name>.png. Run by
// scripts/screenshots on a virtual X display.

#include "app/frmdisclaimer.h"
#include "app/frmswitchboard.h"
#include "fakedialogs.h"
#include "i18n/language.h"
#include "overview/frmresult.h"
#include "overview/overviewwindows.h"
#include "overview/resultsmodel.h"
#include "practice/frmpractice.h"
#include "practice/slips.h"
#include "quickdriver.h"
#include "steps/stepsview.h"
#include "worksheet/frmworksheet.h"
#include "worksheet/worksheetdialog.h"

#include <QDir>
#include <QFile>
#include <QScrollArea>
#include <QScrollBar>

#include <cmath>

using namespace quarvex;
using namespace quarvex::test;

namespace {

bool save(QWidget* window, const QDir& folder, const QByteArray& name)
{
    if (!window || !QTest::qWaitForWindowExposed(window))
        return false;
    QTest::qWait(200); // let the window system paint it
    const QString path = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    const bool saved = window->grab().save(path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
    return saved;
}

// The example typed into the data entry screen; with a decimal comma, each
// number written with the comma a German user types.
QWidget* dataEntry(const QString& example, bool decimalComma = false)
{
    // One overview for the whole run, as the switchboard keeps it.
    static auto* overview = new OverviewWindows(dialogs(), qApp);
    overview->showDataEntry();
    QWidget* window = topLevel("frmData");
    QFile file(example);
    if (!window || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return nullptr;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(QStringLiteral("Locale=")))
            continue;
        QString value = line.section(u'=', 1);
        bool number = false;
        value.toDouble(&number);
        if (number && decimalComma)
            value.replace(u'.', u',');
        type(window, line.section(u'=', 0, 0), value);
    }
    return window;
}

// The Worked Steps window of the clearance as it opens beside its screen, and
// the results of the example with the cholesterol/HDL ratio's steps below.
bool stepsAndResults(const QDir& folder, const QString& example, const QByteArray& suffix)
{
    bool ok = true;
    CalculatorScreen* screen = proceedTo(2, 1);
    typeAll(screen, QStringLiteral("Age=58 Weight=82 UnitWeight=kg Gender=Male "
                                   "SerumCreatinine=97 UnitSerumCreatinine=umol/L"));
    press(screen, "Calculate");
    press(screen, "StepsButton");
    ok &= save(topLevel("frmSteps"), folder, "worked-steps" + suffix);
    closeEverything();

    dataEntry(example);
    press(topLevel("frmData"), "OKbutton");
    press(topLevel("frmList"), "OKButton");
    auto* results = qobject_cast<ResultsWindow*>(topLevel("frmResult"));
    if (!results)
        return false;
    const QList<ResultRow> rows = results->rows()->rows();
    for (int row = 0; row < rows.size(); ++row) {
        if (rows[row].name == QLatin1String("Total Cholesterol-to-HDL Cholesterol Ratio"))
            results->grid()->selectRow(row);
    }
    // The steps pane scrolled to the ratio's band picture and its legend.
    QCoreApplication::processEvents();
    QScrollArea* pane = results->steps()->scrollArea();
    if (auto* caption = pane->widget()->findChild<QWidget*>(QStringLiteral("BandCaption1")))
        pane->verticalScrollBar()->setValue(caption->mapTo(pane->widget(), QPoint()).y());
    ok &= save(results, folder, "results" + suffix);
    closeEverything();
    return ok;
}

// The results of the example in German: the grid and the steps pane of its
// first row.
bool germanResults(const QDir& folder, const QString& example)
{
    dataEntry(example, true);
    press(topLevel("frmData"), "OKbutton");
    press(topLevel("frmList"), "OKButton");
    auto* results = qobject_cast<ResultsWindow*>(topLevel("frmResult"));
    if (!results)
        return false;
    results->grid()->selectRow(0);
    const bool saved = save(results, folder, "results-de");
    closeEverything();
    return saved;
}

// The Practice window on a clearance case at level 2, every step answered
// and checked: the serum creatinine left unconverted (a slip it names), the
// rest right.
bool practiceWindow(const QDir& folder, const QByteArray& name)
{
    for (quint64 seed = 1; seed <= 50; ++seed) {
        const Exercise ex = makeExercise(ItemId::CreatinineClearance, seed, 2);
        for (const SlipCase& slipCase : slipCases(ex)) {
            if (QLatin1String(slipCase.slip->id) != QLatin1String("conversion-not-done"))
                continue;
            const SlipAnswers slipped = slipAnswers(ex, slipCase);
            PracticeWindow* window = ensureWindow<PracticeWindow>();
            window->practise(ex.item);
            window->openCase(seed);
            window->setLevel(2);
            bool slipTyped = false;
            for (qsizetype i = 0; i < ex.steps.size(); ++i) {
                const ExerciseStep& step = ex.steps[i];
                auto* field = window->findChild<QWidget*>(QStringLiteral("Answer_") + step.id);
                if (auto* box = qobject_cast<QComboBox*>(field)) {
                    box->setCurrentIndex(box->findText(step.expectedText));
                } else if (auto* edit = qobject_cast<QLineEdit*>(field); edit && !step.given) {
                    const double value = slipped.numbers.value(i);
                    const bool slip = !slipTyped && std::isfinite(value) &&
                                      !step.tolerance.accepts(step.expected, value);
                    edit->setText(slip ? QString::number(value, 'g', 6) : step.expectedText);
                    slipTyped = slipTyped || slip;
                }
            }
            window->check();
            return save(showWindow<PracticeWindow>(), folder, name);
        }
    }
    return false;
}

// The renal screen with an estimated creatinine clearance worked out, the
// serum creatinine typed as given (with the language's decimal separator).
bool renalScreen(const QDir& folder, const QByteArray& name, const QString& creatinine,
                 const QString& male)
{
    CalculatorScreen* screen = proceedTo(2, 1);
    typeAll(screen, QStringLiteral("Age=58 Weight=82 UnitWeight=kg Gender=%2 "
                                   "SerumCreatinine=%1 UnitSerumCreatinine=mg/dL")
                        .arg(creatinine, male));
    press(screen, "Calculate");
    const bool saved = save(screen, folder, name);
    closeEverything();
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s <folder> <overview example input> [suffix | de]\n",
                     argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString example = QString::fromLocal8Bit(argv[2]);
    FakeDialogs dialogs;
    setDialogs(&dialogs);
    bool ok = true;

    // In German ("de"): the switchboard, the disclaimer, the selector, a
    // calculator screen, the results of the example, the worksheet dialog and
    // a checked Practice exercise, named e.g. "switchboard-de".
    if (argc == 4 && qstrcmp(argv[3], "de") == 0) {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        if (!installLanguage(QStringLiteral("de"))) {
            std::fprintf(stderr, "the German translation could not be loaded\n");
            return 1;
        }
        ok &= save(showWindow<SwitchboardWindow>(), folder, "switchboard-de");
        closeEverything();
        ok &= save(showWindow<DisclaimerWindow>(), folder, "disclaimer-de");
        closeEverything();
        SelectorWindow* selector = openSelector();
        pickCategory(selector, 2);
        clickItem(selector, 0);
        ok &= save(selector, folder, "selector-de");
        closeEverything();
        ok &= germanResults(folder, example);
        ok &=
            save(showWorksheetDialog(nullptr, ItemId::CreatinineClearance), folder, "worksheet-de");
        closeEverything();
        ok &= renalScreen(folder, "renal-screen-de", QStringLiteral("1,1"),
                          QCoreApplication::translate("quarvex::AnalyteForm", "Male"));
        ok &= practiceWindow(folder, "practice-de");
        closeEverything();
        setDialogs(nullptr);
        return ok ? 0 : 1;
    }
    // With another suffix (a run at another scale factor): only the worked
    // steps and the results with their steps pane, named e.g. "worked-steps-scale2".
    if (argc == 4) {
        const QByteArray suffix = QByteArray("-") + argv[3];
        ok &= stepsAndResults(folder, example, suffix);
        ok &= practiceWindow(folder, "practice" + suffix);
        closeEverything();
        setDialogs(nullptr);
        return ok ? 0 : 1;
    }

    ok &= save(showWindow<SwitchboardWindow>(), folder, "switchboard");
    closeEverything();

    ok &= renalScreen(folder, "renal-screen", QStringLiteral("1.1"), QStringLiteral("Male"));

    CalculatorScreen* screen = proceedTo(0, 0);
    typeAll(screen, QStringLiteral("Gender=Male Chol=215 UnitChol=mg/dL HDL=42 UnitHDL=mg/dL "
                                   "LDL=138 UnitLDL=mg/dL"));
    press(screen, "Calculate");
    ok &= save(screen, folder, "lipid-screen");
    closeEverything();

    ok &= save(dataEntry(example), folder, "data-entry");
    closeEverything();
    ok &= stepsAndResults(folder, example, "");
    ok &= practiceWindow(folder, "practice");
    closeEverything();

    setDialogs(nullptr);
    return ok ? 0 : 1;
}
