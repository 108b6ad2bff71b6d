#include "../catalogue/quickdriver.h"
#include "fakedialogs.h"
#include "modalguard.h"
#include "testmain.h"

#include <QLabel>

using namespace quarvex;
using namespace quarvex::test;

namespace {

QString moreInfo(const CalculatorScreen* screen)
{
    return child<QLabel>(screen, "MoreInfo")->text();
}

// Presses Calculate and compares what the user then sees: the dialogs in
// order, each given by the start of its trace ("beep", "critical", ...),
// then Errors, Result and MoreInfo (line feeds for CR).
void calculate(CalculatorScreen* screen, FakeDialogs& fake, const char* dialogs, const char* errors,
               const char* result, const char* interpretation)
{
    fake.clear();
    press(screen, "Calculate");
    const QStringList expected = QString::fromLatin1(dialogs).split(u'|', Qt::SkipEmptyParts);
    QStringList shown = fake.trace();
    for (qsizetype i = 0; i < shown.size() && i < expected.size(); ++i)
        shown[i].truncate(expected[i].size());
    QCOMPARE(shown, expected);
    QCOMPARE(text(screen, "Errors"), QString::fromLatin1(errors));
    QCOMPARE(text(screen, "Result"), QString::fromLatin1(result));
    QCOMPARE(moreInfo(screen), QString::fromLatin1(interpretation));
}

const char* const Urea = "SerumCreatinine=1 UnitSerumCreatinine=mg/dL UrineCreatinine=60 "
                         "UnitUrineCreatinine=mg/dL SerumUrea=15 UnitSerumUrea=mg/dL "
                         "UrineUrea=600 UnitUrineUrea=mg/dL";
struct CalculateRow {
    const char* name;
    int category, position;
    const char* inputs;
    const char* dialogs; // '|' between calls
    const char* errors;
    const char* result;
    const char* interpretation;
};
// clang-format off
const CalculateRow calculateRows[] = {
    {"clearance, lbs and umol/L", 2, 1, "Age=40 Weight=154 UnitWeight=lbs Gender=Male SerumCreatinine=88.4 UnitSerumCreatinine=umol/L", "", "0", "97.22 mL/min", "Based on GFR, renal function is normal."},
    {"sodium, urine mmol/L", 2, 3, "SerumCreatinine=1.0 UnitSerumCreatinine=mg/dL UrineCreatinine=8.84 UnitUrineCreatinine=mmol/L SerumSodium=140 UrineSodium=40", "", "0", "0.29 % FE-Na", ""},
    {"urea ratios: beep, then information", 2, 8, Urea, "beep|information:Serum BUN to Serum Creatinine ratio: 15.00\rUrine Creatinine to Serum Creatinine: 60.00\rUrine BUN to Serum BUN ratio: 40.00\r\r", "0", "15.00 ; 60.00 ; 40.00", "The first number represents the BUN to Creatinine ratio.\n\nThe second number represents the Creatinine to Creatinine ratio.\n\nThe third number represents the BUN to BUN ratio."},
    {"potassium rate", 2, 10, "UrinePotassium=40 UrineVolume=1500", "", "0", "60.00 mEq/24 ", "An excretion rate more than 20 mEq/24 hours implies potassium 'wastage' (inadequate potassium conservation)."},
    {"levels, no result", 0, 0, "Gender=Male Chol=180 UnitChol=mg/dL HDL=48 UnitHDL=mg/dL LDL=120 UnitLDL=mg/dL", "", "0", "", "Total Cholesterol: desirable\n\nHDL Cholesterol: average\n\nLDL Cholesterol: desirable\n\n"},
    {"total to HDL, mixed units", 0, 1, "Gender=Female Chol=5.18 UnitChol=mmol/L HDL=50 UnitHDL=mg/dL", "", "0", "4.00", "The risk of coronary artery disease is 50% than that of  the 'average American'."},
    {"albumin in g/L", 1, 1, "Albumin=40 UnitAlbumin=g/L Globulin=2.5 UnitGlobulin=g/dL", "", "0", "1.60 ", "The Albumin to Globumin ratio is high but often clinically insignificant except in hypogammaglobulinemia."},
    {"ferritin, no result", 1, 3, "Ferritin=449.4 UnitFerritin=pmol/L", "", "0", "", "Serum ferritin level appears normal."},
    {"transferrin from TIBC", 1, 6, "TIBC=300 UnitTIBC=ug/dL", "", "0", "210.00 mg/dL ", "Calculated transferrin is normal."},
    // Serum creatinine beeps for its missing unit; weight does not.
    {"values without units", 2, 1, "Age=40 Weight=70 Gender=Male SerumCreatinine=1.0", "beep|beep|warning:Data entry incomplete", "2", "", ""},
    {"letters: critical box first", 2, 1, "Age=abc Weight=70 UnitWeight=kg Gender=Male SerumCreatinine=1 UnitSerumCreatinine=mg/dL", "beep|critical|beep|warning:Data entry incomplete", "1", "", ""},
    {"two bad values", 1, 0, "AST=x ALT=40000", "beep|critical|beep|critical|beep|warning:Data entry incomplete", "2", "", ""},
};
// clang-format on

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

    void calculate_data();
    void calculate();
    void recalculate();
    void clearAll();
    void enterCalculates();
};

void TestScreens::calculate_data()
{
    QTest::addColumn<int>("row");
    for (const CalculateRow& r : calculateRows)
        QTest::addRow("%s", r.name) << int(&r - calculateRows);
}

void TestScreens::calculate()
{
    QFETCH(int, row);
    const CalculateRow& r = calculateRows[row];
    ModalGuard guard;
    CalculatorScreen* screen = proceedTo(r.category, r.position);
    typeAll(screen, QString::fromLatin1(r.inputs));
    ::calculate(screen, m_fake, r.dialogs, r.errors, r.result, r.interpretation);
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestScreens::recalculate()
{
    CalculatorScreen* screen = proceedTo(2, 1);
    typeAll(screen, QStringLiteral("Age=100 Weight=50 UnitWeight=kg Gender=Male "
                                   "SerumCreatinine=4 UnitSerumCreatinine=mg/dL"));
    const char* const severe = "Based on GFR, renal function is severely impaired.";
    ::calculate(screen, m_fake, "", "0", "6.94 mL/min", severe);
    press(screen, "MoreInfoButton");
    ExplainWindow* window = openWindow<ExplainWindow>();
    QVERIFY(window && window->explanation() == QLatin1String(severe));
    // A failure leaves the earlier texts and every field as they were.
    typeAll(screen, QStringLiteral("SerumCreatinine=0.4 UnitSerumCreatinine=mg/dl"));
    ::calculate(screen, m_fake, "beep|beep|warning:Data entry incomplete", "1", "6.94 mL/min",
                severe);
    QCOMPARE(text(screen, "UnitSerumCreatinine"), QStringLiteral("mg/dl"));
    // Corrected: 69.44 has no interpretation, so none stays from before.
    type(screen, QStringLiteral("UnitSerumCreatinine"), QStringLiteral("mg/dL"));
    ::calculate(screen, m_fake, "", "0", "69.44 mL/min", "");
    press(screen, "MoreInfoButton");
    QCOMPARE(openWindow<ExplainWindow>(), window);
    QCOMPARE(window->explanation(), QString());
    type(screen, QStringLiteral("SerumCreatinine"), QStringLiteral("4"));
    ::calculate(screen, m_fake, "", "0", "6.94 mL/min", severe);
    proceedTo(2, 5); // phosphorus: never an interpretation
    typeAll(screen, QStringLiteral("SerumPhosphorus=5 UnitSerumPhosphorus=mg/dL"));
    ::calculate(screen, m_fake, "", "0", "5.56 mL/min", "");
}

void TestScreens::clearAll()
{
    CalculatorScreen* screen = proceedTo(2, 8);
    typeAll(screen, QString::fromLatin1(Urea));
    press(screen, "Calculate");
    QVERIFY(!text(screen, "Result").isEmpty() && !moreInfo(screen).isEmpty());
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
