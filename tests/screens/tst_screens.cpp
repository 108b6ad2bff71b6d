#include "../catalogue/quickdriver.h"
#include "testmain.h"

using namespace quarvex;
using namespace quarvex::test;

namespace {
const char* const Severe = "Based on GFR, renal function is severely impaired.";
} // namespace

class TestScreens : public QObject
{
    Q_OBJECT
    FakeDialogs m_fake;

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init()
    {
        m_fake.clear();
        setDialogs(&m_fake);
    }
    void cleanup()
    {
        closeEverything();
        setDialogs(nullptr);
    }

    void failAndCorrect();
    void clearAll();
    void enterCalculates();
};

void TestScreens::failAndCorrect()
{
    CalculatorScreen* screen = proceedTo(2, 1);
    typeAll(screen, QStringLiteral("Age=100 Weight=50 UnitWeight=kg Gender=Male "
                                   "SerumCreatinine=4 UnitSerumCreatinine=mg/dL"));
    calculate(screen, m_fake, "", "0", "6.94 mL/min", Severe);
    press(screen, "MoreInfoButton");
    ExplainWindow* window = openWindow<ExplainWindow>();
    QVERIFY(window && window->explanation() == QLatin1String(Severe));
    // A failure leaves the earlier texts and every field as they were.
    // Values without units: serum creatinine beeps for its unit, weight does not.
    typeAll(screen, QStringLiteral("SerumCreatinine=0.4 UnitSerumCreatinine= UnitWeight="));
    calculate(screen, m_fake, "beep|beep|warning:Data entry incomplete", "2", "6.94 mL/min",
              Severe);
    QCOMPARE(text(screen, "SerumCreatinine"), QStringLiteral("0.4"));
    // Letters: the critical box comes first, then the message; units are case-sensitive.
    typeAll(screen, QStringLiteral("Age=abc UnitWeight=kg UnitSerumCreatinine=mg/dl"));
    calculate(screen, m_fake, "beep|critical|beep|beep|warning:Data entry incomplete", "2",
              "6.94 mL/min", Severe);
    QCOMPARE(text(screen, "UnitSerumCreatinine"), QStringLiteral("mg/dl"));
    // Corrected: 69.44 has no interpretation, so none stays from before.
    typeAll(screen, QStringLiteral("Age=100 UnitSerumCreatinine=mg/dL"));
    calculate(screen, m_fake, "", "0", "69.44 mL/min", "");
    press(screen, "MoreInfoButton");
    QCOMPARE(openWindow<ExplainWindow>(), window);
    QCOMPARE(window->explanation(), QString());
}

void TestScreens::clearAll()
{
    CalculatorScreen* screen = proceedTo(2, 1);
    typeAll(screen, QStringLiteral("Age=100 Weight=50 UnitWeight=kg Gender=Male "
                                   "SerumCreatinine=4 UnitSerumCreatinine=mg/dL"));
    calculate(screen, m_fake, "", "0", "6.94 mL/min", Severe);
    const QString enabled = groups(screen), title = screen->screenTitle();
    press(screen, "Clear");
    for (AnalyteId a : screen->form().order()) {
        const AnalyteWidgets& w = screen->form().widgets(a);
        QVERIFY2(screen->form().value(a).isEmpty() && screen->form().unit(a).isEmpty(),
                 qPrintable(analyte(a).fieldName()));
        if (QComboBox* list = w.unitList ? w.unitList : w.choice)
            QCOMPARE(list->count(), analyte(a).listItems().size()); // units stay on offer
    }
    QCOMPARE(groups(screen), enabled);
    QCOMPARE(text(screen, "Result") + moreInfo(screen), QString());
    QCOMPARE(text(screen, "Errors"), QStringLiteral("0"));
    QCOMPARE(screen->screenTitle(), title);
}

void TestScreens::enterCalculates()
{
    const struct {
        const char* focus;
        Qt::Key key;
        const char* result;
    } cases[] = {{"SerumCreatinine", Qt::Key_Return, "97.22 mL/min"},
                 {"Age", Qt::Key_Enter, "97.22 mL/min"},
                 {"UnitSerumCreatinine", Qt::Key_Return, "97.22 mL/min"},
                 {"Clear", Qt::Key_Return, ""}}; // Clear All has its own Return
    for (const auto& c : cases) {
        CalculatorScreen* screen = proceedTo(2, 1);
        typeAll(screen, QStringLiteral("Age=40 Weight=70 UnitWeight=kg Gender=Male "
                                       "SerumCreatinine=1.0 UnitSerumCreatinine=mg/dL"));
        QWidget* w = child<QWidget>(screen, c.focus);
        if (auto* box = qobject_cast<QComboBox*>(w))
            w = box->lineEdit();
        w->setFocus();
        QTest::keyClick(w, c.key, c.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QVERIFY2(text(screen, "Result") == QLatin1String(c.result), c.focus);
        QVERIFY(m_fake.calls().isEmpty());
        closeEverything();
    }
}

QUARVEX_TEST_MAIN(TestScreens)
#include "tst_screens.moc"
