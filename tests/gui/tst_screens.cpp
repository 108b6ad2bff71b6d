#include "quickdriver.h"
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

    void failCorrectAndEnter();
    void clearAllByReturn();
    void decimalAgeAndWeight_data();
    void decimalAgeAndWeight();
};

void TestScreens::failCorrectAndEnter()
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
    calculate(screen, m_fake,
              "beep|critical:Age: \"abc\" is not a number. Type a number such as 1.2.|beep|beep|"
              "warning:Data entry incomplete",
              "2", "6.94 mL/min", Severe);
    QCOMPARE(text(screen, "UnitSerumCreatinine"), QStringLiteral("mg/dl"));
    // Corrected, and Enter (here in a unit list) calculates: 69.44 has no
    // interpretation, so none stays from before.
    typeAll(screen, QStringLiteral("Age=100 UnitSerumCreatinine=mg/dL"));
    QLineEdit* unit = child<QComboBox>(screen, "UnitSerumCreatinine")->lineEdit();
    unit->setFocus();
    QTest::keyClick(unit, Qt::Key_Return);
    QCOMPARE(text(screen, "Result"), QStringLiteral("69.44 mL/min"));
    QCOMPARE(text(screen, "MoreInfo"), QString());
    QCOMPARE(text(screen, "Errors"), QStringLiteral("0"));
    press(screen, "MoreInfoButton");
    QCOMPARE(openWindow<ExplainWindow>(), window);
    QCOMPARE(window->explanation(), QString());
}

void TestScreens::clearAllByReturn()
{
    CalculatorScreen* screen = proceedTo(2, 1);
    typeAll(screen, QStringLiteral("Age=100 Weight=50 UnitWeight=kg Gender=Male "
                                   "SerumCreatinine=4 UnitSerumCreatinine=mg/dL"));
    // The keypad's Enter in a value field calculates.
    QWidget* age = child<QWidget>(screen, "Age");
    age->setFocus();
    QTest::keyClick(age, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(text(screen, "Result"), QStringLiteral("6.94 mL/min"));
    type(screen, QStringLiteral("UnitWeight"), QString()); // fails silently: Errors 1
    calculate(screen, m_fake, "beep|warning:Data entry incomplete", "1", "6.94 mL/min", Severe);
    m_fake.clear();
    const QString enabled = groups(screen), title = screen->screenTitle();
    // Return on Clear All clears rather than calculates.
    QWidget* clear = child<QWidget>(screen, "Clear");
    clear->setFocus();
    QTest::keyClick(clear, Qt::Key_Return);
    QVERIFY(m_fake.calls().isEmpty());
    for (AnalyteId a : screen->form().order()) {
        const AnalyteWidgets& w = screen->form().widgets(a);
        QVERIFY2(screen->form().value(a).isEmpty() && screen->form().unit(a).isEmpty(),
                 qPrintable(analyte(a).fieldName()));
        if (QComboBox* list = w.unitList ? w.unitList : w.choice)
            QCOMPARE(list->count(), analyte(a).listItems().size()); // units stay on offer
    }
    QCOMPARE(groups(screen), enabled);
    QCOMPARE(text(screen, "Result") + text(screen, "MoreInfo"), QString());
    QCOMPARE(text(screen, "Errors"), QStringLiteral("0"));
    QCOMPARE(screen->screenTitle(), title);
}

// Age and Weight keep a value with decimals as typed and compute with it.
void TestScreens::decimalAgeAndWeight_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("age");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("kept"); // the Weight field afterwards
    QTest::addColumn<QString>("result");
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    // (140 - age) * weight / (1.0 * 72)
    QTest::addRow("70.5 kg") << english << "40"
                             << "70.5"
                             << "kg"
                             << "70.5"
                             << "97.92 mL/min";
    QTest::addRow("70,5 kg in German") << german << "40"
                                       << "70,5"
                                       << "kg"
                                       << "70,5"
                                       << "97,92 mL/min";
    QTest::addRow("age 40.5") << english << "40.5"
                              << "70"
                              << "kg"
                              << "70"
                              << "96.74 mL/min";
    QTest::addRow("155.25 lbs") << english << "40"
                                << "155.25"
                                << "lbs"
                                << "155.25"
                                << "98.01 mL/min";
    QTest::addRow("seven characters at most") << english << "40"
                                              << "70.50000001"
                                              << "kg"
                                              << "70.5000"
                                              << "97.92 mL/min";
}

void TestScreens::decimalAgeAndWeight()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, age);
    QFETCH(QString, weight);
    QFETCH(QString, unit);
    QFETCH(QString, kept);
    QFETCH(QString, result);
    QLocale::setDefault(locale);
    CalculatorScreen* screen = proceedTo(2, 1);
    typeAll(screen, QStringLiteral("Gender=Male SerumCreatinine=1 UnitSerumCreatinine=mg/dL"));
    type(screen, QStringLiteral("Age"), age);
    type(screen, QStringLiteral("Weight"), weight);
    type(screen, QStringLiteral("UnitWeight"), unit);
    press(screen, "Calculate");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(m_fake.trace(), QStringList());
    QCOMPARE(text(screen, "Age"), age);
    QCOMPARE(text(screen, "Weight"), kept);
    QCOMPARE(text(screen, "Result"), result);
}

QUARVEX_TEST_MAIN(TestScreens)
#include "tst_screens.moc"
