#include "../catalogue/quickdriver.h"
#include "fakedialogs.h"
#include "modalguard.h"
#include "testmain.h"

#include <QLabel>

using namespace quarvex;
using namespace quarvex::test;

namespace {

QStringList names(const char* spaced)
{
    return QString::fromLatin1(spaced).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Types "Field=text" pairs in order (a unit list picks its unit).
void typeAll(CalculatorScreen* screen, const char* inputs)
{
    for (const QString& input : names(inputs)) {
        const qsizetype eq = input.indexOf(QLatin1Char('='));
        type(screen, input.left(eq).toLatin1().constData(), input.mid(eq + 1));
    }
}

QString result(const CalculatorScreen* screen)
{
    return text(screen, "Result");
}
QString moreInfo(const CalculatorScreen* screen)
{
    return child<QLabel>(screen, "MoreInfo")->text();
}

CalculatorScreen* freshScreen(ScreenId id)
{
    ensureCalculatorScreen(id);
    return showCalculatorScreen(id);
}

const char* const Urea = "SerumCreatinine=1 UnitSerumCreatinine=mg/dL UrineCreatinine=60 "
                         "UnitUrineCreatinine=mg/dL SerumUrea=15 UnitSerumUrea=mg/dL "
                         "UrineUrea=600 UnitUrineUrea=mg/dL";
const char* const Clearance = "Age=40 Weight=70 UnitWeight=kg Gender=Male SerumCreatinine=1.0 "
                              "UnitSerumCreatinine=mg/dL";

struct CalculateRow {
    const char* name;
    int category, position;
    const char* inputs;
    const char* result;
    const char* interpretation; // as the label shows it: line feeds for CR
};
// clang-format off
const CalculateRow calculateRows[] = {
    {"clearance, lbs and umol/L", 2, 1, "Age=40 Weight=154 UnitWeight=lbs Gender=Male SerumCreatinine=88.4 UnitSerumCreatinine=umol/L", "97.22 mL/min", "Based on GFR, renal function is normal."},
    {"GFR, woman", 2, 4, "Age=40 Weight=70 UnitWeight=kg Gender=Female SerumCreatinine=1.0 UnitSerumCreatinine=mg/dL", "82.35 mL/min", "Based on GFR, renal function is normal."},
    {"sodium, urine mmol/L", 2, 3, "SerumCreatinine=1.0 UnitSerumCreatinine=mg/dL UrineCreatinine=8.84 UnitUrineCreatinine=mmol/L SerumSodium=140 UrineSodium=40", "0.29 % FE-Na", ""},
    {"renal calcium", 2, 6, "SerumCreatinine=1.0 UnitSerumCreatinine=mg/dL UrineCreatinine=100 UnitUrineCreatinine=mg/dL SerumCalcium=10 UnitSerumCalcium=mg/dL UrineCalcium=10 UnitUrineCalcium=mg/dL", "0.01 ", ""},
    {"urea ratios", 2, 8, Urea, "15.00 ; 60.00 ; 40.00", "The first number represents the BUN to Creatinine ratio.\n\nThe second number represents the Creatinine to Creatinine ratio.\n\nThe third number represents the BUN to BUN ratio."},
    {"potassium rate", 2, 10, "UrinePotassium=40 UrineVolume=1500", "60.00 mEq/24 ", "An excretion rate more than 20 mEq/24 hours implies potassium 'wastage' (inadequate potassium conservation)."},
    {"levels, no result", 0, 0, "Gender=Male Chol=180 UnitChol=mg/dL HDL=48 UnitHDL=mg/dL LDL=120 UnitLDL=mg/dL", "", "Total Cholesterol: desirable\n\nHDL Cholesterol: average\n\nLDL Cholesterol: desirable\n\n"},
    {"total to HDL, mixed units", 0, 1, "Gender=Female Chol=5.18 UnitChol=mmol/L HDL=50 UnitHDL=mg/dL", "4.00", "The risk of coronary artery disease is 50% than that of  the 'average American'."},
    {"LDL to HDL", 0, 2, "HDL=50 UnitHDL=mg/dL LDL=100 UnitLDL=mg/dL", "2.00", "Risk of cardiovascular disease: low"},
    {"albumin in g/L", 1, 1, "Albumin=40 UnitAlbumin=g/L Globulin=2.5 UnitGlobulin=g/dL", "1.60 ", "The Albumin to Globumin ratio is high but often clinically insignificant except in hypogammaglobulinemia."},
    {"ferritin, no result", 1, 3, "Ferritin=449.4 UnitFerritin=pmol/L", "", "Serum ferritin level appears normal."},
    {"transferrin from TIBC", 1, 6, "TIBC=300 UnitTIBC=ug/dL", "210.00 mg/dL ", "Calculated transferrin is normal."},
};
// clang-format on

} // namespace

Q_DECLARE_METATYPE(quarvex::ScreenId)

class TestScreens : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() { closeEverything(); }

    void loaded_data();
    void loaded();
    void calculate_data();
    void calculate();
    void failedEvaluation_data();
    void failedEvaluation();
    void correctAndCalculateAgain();
    void interpretationNeverStale();
    void clearAll_data();
    void clearAll();
    void moreInfo();
    void enterCalculates_data();
    void enterCalculates();
};

void TestScreens::loaded_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("order");
    QTest::addRow("renal") << ScreenId::Kidney << "Renal & Urinary System"
                           << names("Age Gender Weight UnitWeight SerumAmylase UrineAmylase "
                                    "SerumCalcium UnitSerumCalcium UrineCalcium UnitUrineCalcium "
                                    "SerumCreatinine UnitSerumCreatinine UrineCreatinine "
                                    "UnitUrineCreatinine SerumPhosphorus UrineProtein "
                                    "SerumPotassium UrinePotassium SerumSodium UrineSodium "
                                    "SerumUrea UnitSerumUrea UrineUrea UnitUrineUrea SerumUrate "
                                    "UnitSerumUrate UrineVolume Calculate Clear MoreInfoButton "
                                    "UnitSerumPhosphorus");
    QTest::addRow("lipid") << ScreenId::Heart << ""
                           << names("Gender Chol UnitChol HDL UnitHDL LDL UnitLDL Calculate Clear");
    QTest::addRow("liver") << ScreenId::Liver << ""
                           << names("AST ALT BilirubinDirect UnitBilirubinDirect BilirubinTotal "
                                    "UnitBilirubinTotal Albumin UnitAlbumin Globulin UnitGlobulin "
                                    "Iron UnitIron TIBC UnitTIBC Ferritin UnitFerritin Transferrin "
                                    "UnitTransferrin Calculate Clear");
}

void TestScreens::loaded()
{
    QFETCH(ScreenId, id);
    QFETCH(QString, caption);
    QFETCH(QStringList, order);
    CalculatorScreen* screen = freshScreen(id);
    QCOMPARE(screen->windowTitle(), caption);
    const bool renal = id == ScreenId::Kidney;
    for (AnalyteId a : screen->form().order()) {
        for (QWidget* w : screen->form().widgets(a).group())
            QVERIFY2(w->isEnabled() == (id == ScreenId::Heart), qPrintable(w->objectName()));
    }
    QCOMPARE(child<QLabel>(screen, "MoreInfo")->isVisible(), !renal);
    QVERIFY(!child<QLineEdit>(screen, "Errors")->isVisible());
    QCOMPARE(text(screen, "Errors"), QStringLiteral("0"));
    if (renal)
        QVERIFY(!child<QPushButton>(screen, "MoreInfoButton")->isVisible());

    // Tab walks the fields in order (More Info counted while it is hidden).
    QWidget* first = child<QWidget>(screen, order.first().toLatin1().constData());
    QStringList walked;
    QWidget* w = first;
    do {
        if (w->parentWidget() == screen && (w->focusPolicy() & Qt::TabFocus) &&
            (!w->isHidden() || w->objectName() == QLatin1String("MoreInfoButton")))
            walked << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first && walked.size() <= order.size());
    QCOMPARE(walked, order);

    // Every input has a name of its own for screen readers; labels lead to their fields.
    QStringList seen;
    for (QWidget* input : screen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!qobject_cast<QLineEdit*>(input) && !qobject_cast<QComboBox*>(input) &&
            !qobject_cast<QPushButton*>(input))
            continue;
        QString name = input->accessibleName();
        if (auto* button = qobject_cast<QPushButton*>(input); button && name.isEmpty())
            name = button->text();
        QVERIFY2(!name.isEmpty() && !seen.contains(name), qPrintable(input->objectName()));
        seen << name;
    }
    QVERIFY(seen.contains(QStringLiteral("Result")));
    for (AnalyteId a : screen->form().order()) {
        const AnalyteWidgets& aw = screen->form().widgets(a);
        QCOMPARE(aw.caption->buddy(), aw.valueWidget());
    }
}

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
    ScopedFakeDialogs fake;
    ModalGuard guard;
    CalculatorScreen* screen = proceedTo(r.category, r.position);
    typeAll(screen, r.inputs);
    press(screen, "Calculate");
    QCOMPARE(text(screen, "Errors"), QStringLiteral("0"));
    QCOMPARE(::result(screen), QString::fromLatin1(r.result));
    QCOMPARE(::moreInfo(screen), QString::fromLatin1(r.interpretation));
    if (r.position == 8 && r.category == 2) {
        // The urea ratios: a beep, then the information box with every line.
        QCOMPARE(fake->trace().size(), 2);
        QCOMPARE(fake->trace().at(0), QStringLiteral("beep"));
        QCOMPARE(fake->messages().at(0).icon, MessageIcon::Information);
        QCOMPARE(fake->messages().at(0).title, QStringLiteral("Quarvex"));
        QVERIFY(fake->messages().at(0).text.startsWith(
            QLatin1String("Serum BUN to Serum Creatinine ratio: 15.00\rUrine Creatinine to Serum "
                          "Creatinine: 60.00\rUrine BUN to Serum BUN ratio: 40.00\r\r")));
    } else {
        QVERIFY(fake->calls().isEmpty());
    }
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestScreens::failedEvaluation_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<QString>("trace"); // "critical" stands for the conversion-failure box
    QTest::addColumn<QString>("errors");
    // Serum creatinine beeps for its missing unit; weight does not.
    QTest::addRow("values without units")
        << 2 << 1 << "Age=40 Weight=70 Gender=Male SerumCreatinine=1.0"
        << "beep beep warning"
        << "2";
    QTest::addRow("letters: critical box first")
        << 2 << 1
        << "Age=abc Weight=70 UnitWeight=kg Gender=Male SerumCreatinine=1 UnitSerumCreatinine=mg/dL"
        << "beep critical beep warning"
        << "1";
    QTest::addRow("lower-case gender, capital unit")
        << 2 << 1
        << "Age=40 Weight=70 UnitWeight=kg Gender=male SerumCreatinine=1 UnitSerumCreatinine=MG/DL"
        << "beep beep warning"
        << "2";
    QTest::addRow("nothing typed") << 0 << 2 << ""
                                   << "beep warning"
                                   << "2";
    QTest::addRow("two bad values") << 1 << 0 << "AST=x ALT=40000"
                                    << "beep critical beep critical beep warning"
                                    << "2";
}

void TestScreens::failedEvaluation()
{
    QFETCH(int, category);
    QFETCH(int, position);
    QFETCH(QString, inputs);
    QFETCH(QString, trace);
    QFETCH(QString, errors);
    ScopedFakeDialogs fake;
    ModalGuard guard;
    CalculatorScreen* screen = proceedTo(category, position);
    typeAll(screen, inputs.toLatin1().constData());
    press(screen, "Calculate");
    QStringList kinds;
    for (const QString& call : fake->trace())
        kinds << call.section(QLatin1Char(':'), 0, 0);
    QCOMPARE(kinds.join(QLatin1Char(' ')), trace);
    QCOMPARE(fake->trace().last(), QStringLiteral("warning:Data entry incomplete"));
    QCOMPARE(text(screen, "Errors"), errors);
    QCOMPARE(::result(screen), QString());
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestScreens::correctAndCalculateAgain()
{
    ScopedFakeDialogs fake;
    CalculatorScreen* screen = proceedTo(2, 1);
    typeAll(screen, Clearance);
    press(screen, "Calculate");
    type(screen, "Age", QStringLiteral("60"));
    type(screen, "UnitSerumCreatinine", QStringLiteral("mg/dl")); // wrong case
    press(screen, "Calculate");
    QCOMPARE(fake->trace(), QStringList({QStringLiteral("beep"), QStringLiteral("beep"),
                                         QStringLiteral("warning:Data entry incomplete")}));
    // The failure leaves the earlier texts and every field as they were.
    QCOMPARE(::result(screen), QStringLiteral("97.22 mL/min"));
    QCOMPARE(::moreInfo(screen), QStringLiteral("Based on GFR, renal function is normal."));
    QCOMPARE(text(screen, "UnitSerumCreatinine"), QStringLiteral("mg/dl"));
    type(screen, "UnitSerumCreatinine", QStringLiteral("mg/dL"));
    type(screen, "SerumCreatinine", QStringLiteral("1.5"));
    press(screen, "Calculate");
    QCOMPARE(::result(screen), QStringLiteral("51.85 mL/min"));
    QCOMPARE(::moreInfo(screen),
             QStringLiteral("Based on GFR, renal function is mildly impaired."));
    QCOMPARE(text(screen, "Errors"), QStringLiteral("0"));
}

void TestScreens::interpretationNeverStale()
{
    ScopedFakeDialogs fake;
    CalculatorScreen* screen = proceedTo(2, 1);
    typeAll(screen, "Age=100 Weight=50 UnitWeight=kg Gender=Male SerumCreatinine=5 "
                    "UnitSerumCreatinine=mg/dL");
    press(screen, "Calculate");
    QCOMPARE(::moreInfo(screen),
             QStringLiteral("Based on GFR, renal function is severely impaired."));
    type(screen, "SerumCreatinine", QStringLiteral("0.4")); // 69.44: no interpretation
    press(screen, "Calculate");
    QCOMPARE(::result(screen), QStringLiteral("69.44 mL/min"));
    QCOMPARE(::moreInfo(screen), QString());
    proceedTo(2, 5); // phosphorus: never an interpretation
    typeAll(screen, "SerumPhosphorus=5 UnitSerumPhosphorus=mg/dL");
    press(screen, "Calculate");
    QCOMPARE(::result(screen), QStringLiteral("5.56 mL/min"));
    QCOMPARE(::moreInfo(screen), QString());
    press(screen, "MoreInfoButton");
    QCOMPARE(openWindow<ExplainWindow>()->explanation(), QString());
}

void TestScreens::clearAll_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("inputs");
    QTest::addRow("renal") << 2 << 8 << QString::fromLatin1(Urea);
    QTest::addRow("lipid") << 0 << 2 << "HDL=50 UnitHDL=mg/dL LDL=100 UnitLDL=mg/dL";
    QTest::addRow("liver") << 1 << 4 << "Iron=100 UnitIron=ug/dL TIBC=300 UnitTIBC=ug/dL";
}

void TestScreens::clearAll()
{
    QFETCH(int, category);
    QFETCH(int, position);
    QFETCH(QString, inputs);
    ScopedFakeDialogs fake;
    CalculatorScreen* screen = proceedTo(category, position);
    typeAll(screen, inputs.toLatin1().constData());
    press(screen, "Calculate");
    QVERIFY(!::result(screen).isEmpty());
    QHash<QWidget*, bool> enabledBefore;
    for (AnalyteId a : screen->form().order()) {
        const AnalyteWidgets& w = screen->form().widgets(a);
        for (QWidget* widget : w.group())
            enabledBefore.insert(widget, widget->isEnabled());
        screen->form().setValue(a, QStringLiteral("7"));
        if (w.unitList)
            w.unitList->setCurrentIndex(w.unitList->count() - 1);
    }
    const QString title = screen->windowTitle();
    press(screen, "Clear");
    for (AnalyteId a : screen->form().order()) {
        const AnalyteWidgets& w = screen->form().widgets(a);
        QVERIFY2(screen->form().value(a).isEmpty() && screen->form().unit(a).isEmpty(),
                 qPrintable(analyte(a).fieldName()));
        if (QComboBox* list = w.unitList ? w.unitList : w.choice)
            QCOMPARE(list->count(), analyte(a).listItems().size()); // the units stay on offer
        if (w.fixedUnit)
            QCOMPARE(w.fixedUnit->text(), QString::fromLatin1(analyte(a).fixedUnit));
        for (QWidget* widget : w.group())
            QCOMPARE(widget->isEnabled(), enabledBefore.value(widget));
    }
    QCOMPARE(::result(screen), QString());
    QCOMPARE(::moreInfo(screen), QString());
    QCOMPARE(text(screen, "Errors"), QStringLiteral("0"));
    QCOMPARE(screen->windowTitle(), title);
    QCOMPARE(screen->screenTitle(), title);
}

void TestScreens::moreInfo()
{
    ScopedFakeDialogs fake;
    ModalGuard guard;
    CalculatorScreen* screen = proceedTo(2, 1);
    typeAll(screen, Clearance);
    press(screen, "Calculate");
    QVERIFY(!child<QLabel>(screen, "MoreInfo")->isVisible());
    press(screen, "MoreInfoButton");
    ExplainWindow* window = openWindow<ExplainWindow>();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->explanation(), QStringLiteral("Based on GFR, renal function is normal."));
    proceedTo(2, 8);
    typeAll(screen, Urea);
    press(screen, "Calculate");
    press(screen, "MoreInfoButton");
    QCOMPARE(openWindow<ExplainWindow>(), window);
    QCOMPARE(window->explanation(), ::moreInfo(screen));
    QCOMPARE(window->explanation().count(QLatin1Char('\n')), 4);
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestScreens::enterCalculates_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("result");
    QTest::addRow("value field, Return")
        << "SerumCreatinine" << int(Qt::Key_Return) << "97.22 mL/min";
    QTest::addRow("value field, keypad Enter") << "Age" << int(Qt::Key_Enter) << "97.22 mL/min";
    QTest::addRow("unit list") << "UnitSerumCreatinine" << int(Qt::Key_Return) << "97.22 mL/min";
    QTest::addRow("Clear All has its own Return") << "Clear" << int(Qt::Key_Return) << "";
}

void TestScreens::enterCalculates()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, result);
    ScopedFakeDialogs fake;
    CalculatorScreen* screen = proceedTo(2, 1);
    typeAll(screen, Clearance);
    QWidget* w = child<QWidget>(screen, focus.toLatin1().constData());
    if (auto* box = qobject_cast<QComboBox*>(w))
        w = box->lineEdit();
    w->setFocus();
    QTest::keyClick(w, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(::result(screen), result);
    QVERIFY(fake->calls().isEmpty());
}

QUARVEX_TEST_MAIN(TestScreens)
#include "tst_screens.moc"
