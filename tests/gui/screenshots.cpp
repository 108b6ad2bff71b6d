// Takes the README's screenshots: the windows a new user meets, in the state
// worth showing, each saved as <folder>/<name>.png. Run by scripts/screenshots
// on a virtual X display.

#include "app/frmswitchboard.h"
#include "fakedialogs.h"
#include "overview/overviewwindows.h"
#include "quickdriver.h"

#include <QDir>
#include <QFile>

using namespace quarvex;
using namespace quarvex::test;

namespace {

bool save(QWidget* window, const QDir& folder, const char* name)
{
    if (!window || !QTest::qWaitForWindowExposed(window))
        return false;
    QTest::qWait(200); // let the window system paint it
    const QString path = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    const bool saved = window->grab().save(path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
    return saved;
}

QWidget* dataEntry(const QString& example)
{
    // One overview for the whole run, as the switchboard keeps it.
    static auto* overview = new OverviewWindows(dialogs(), qApp);
    overview->showDataEntry();
    QWidget* window = topLevel("frmData");
    QFile file(example);
    if (!window || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return nullptr;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (!line.isEmpty() && !line.startsWith(u'#') &&
            !line.startsWith(QStringLiteral("Locale=")))
            type(window, line.section(u'=', 0, 0), line.section(u'=', 1));
    }
    return window;
}

} // namespace

int main(int argc, char** argv)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <folder> <overview example input>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    FakeDialogs dialogs;
    setDialogs(&dialogs);
    bool ok = true;

    ok &= save(showWindow<SwitchboardWindow>(), folder, "switchboard");
    closeEverything();

    CalculatorScreen* screen = proceedTo(2, 1);
    typeAll(screen, QStringLiteral("Age=58 Weight=82 UnitWeight=kg Gender=Male "
                                   "SerumCreatinine=1.1 UnitSerumCreatinine=mg/dL"));
    press(screen, "Calculate");
    ok &= save(screen, folder, "renal-screen");
    press(screen, "StepsButton");
    if (QWidget* steps = topLevel("frmSteps")) {
        steps->resize(720, 860);
        ok &= save(steps, folder, "worked-steps");
    } else {
        ok = false;
    }
    closeEverything();

    screen = proceedTo(0, 0);
    typeAll(screen, QStringLiteral("Gender=Male Chol=215 UnitChol=mg/dL HDL=42 UnitHDL=mg/dL "
                                   "LDL=138 UnitLDL=mg/dL"));
    press(screen, "Calculate");
    ok &= save(screen, folder, "lipid-screen");
    closeEverything();

    const QString example = QString::fromLocal8Bit(argv[2]);
    ok &= save(dataEntry(example), folder, "data-entry");
    press(topLevel("frmData"), "OKbutton");
    press(topLevel("frmList"), "OKButton");
    ok &= save(topLevel("frmResult"), folder, "results");
    closeEverything();

    setDialogs(nullptr);
    return ok ? 0 : 1;
}
