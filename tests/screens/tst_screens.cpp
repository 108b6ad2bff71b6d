#include "../catalogue/quickdriver.h"
#include "fakedialogs.h"
#include "modalguard.h"
#include "testmain.h"

#include <QLabel>

using namespace quarvex;
using namespace quarvex::test;

namespace {

QStringList names(const char* spaced) {
    return QString::fromLatin1(spaced).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// "Field=text" pairs, typed in order.
void typeAll(CalculatorScreen* screen, const QStringList& inputs) {
    for (const QString& input : inputs) {
        const qsizetype eq = input.indexOf(QLatin1Char('='));
        type(screen, input.left(eq).toLatin1().constData(), input.mid(eq + 1));
    }
}

QString result(const CalculatorScreen* screen) {
    return text(screen, "Result");
}
QString moreInfo(const CalculatorScreen* screen) {
    return child<QLabel>(screen, "MoreInfo")->text();
}
// What a label shows for a text whose lines are broken by CR.
QString shown(QString text) {
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// A trace with "critical:*" standing for any conversion-failure description.
QStringList blurCritical(QStringList trace) {
    for (QString& line : trace) {
        if (line.startsWith(QLatin1String("critical:")))
            line = QStringLiteral("critical:*");
    }
    return trace;
}

CalculatorScreen* freshScreen(ScreenId id) {
    ensureCalculatorScreen(id);
    return showCalculatorScreen(id);
}

const QString UreaMessage = QStringLiteral(
    "Serum BUN to Serum Creatinine ratio: 15.00\rUrine Creatinine to Serum Creatinine: 60.00\r"
    "Urine BUN to Serum BUN ratio: 40.00\r\r\r\rThe elevated creatinine ratio is perhaps due to "
    "prerenal azotemia, acute glomerulonephritis, or hepatorenal syndrome.\r\rThe elevated urea "
    "ratio is perhaps due to prerenal azotemia, acute obstructive renal failure, or acute "
    "glomerulonephritis.");
const QString UreaLegend = QStringLiteral(
    "The first number represents the BUN to Creatinine ratio.\r\rThe second number represents the "
    "Creatinine to Creatinine ratio.\r\rThe third number represents the BUN to BUN ratio.");

} // namespace

Q_DECLARE_METATYPE(quarvex::ScreenId)

class TestScreens : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() { closeEverything(); }

    void loadedState_data();
    void loadedState();
    void keyboardOrder_data();
    void keyboardOrder();
    void inputsHaveUniqueNames_data();
    void inputsHaveUniqueNames();
    void ageAndWeightTakeThreeCharacters();
    void calculate_data();
    void calculate();
    void failedEvaluation_data();
    void failedEvaluation();
    void correctAndCalculateAgain();
    void unknownTitleDoesNothing();
    void itemsWithoutResultKeepIt();
    void interpretationNeverStale_data();
    void interpretationNeverStale();
    void clearAll_data();
    void clearAll();
    void moreInfoShowsTheInterpretation();
    void enterCalculates_data();
    void enterCalculates();
    void enterOnClearClears();
};

void TestScreens::loadedState_data() {
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("groupsEnabled");
    QTest::addColumn<bool>("moreInfoShown");
    QTest::addColumn<int>("analytes");
    QTest::addRow("renal") << ScreenId::Kidney << "frmKidney"
                           << "Renal & Urinary System" << false << false << 19;
    QTest::addRow("lipid") << ScreenId::Heart << "frmHeart"
                           << "" << true << true << 4;
    QTest::addRow("liver") << ScreenId::Liver << "frmLiver"
                           << "" << false << true << 10;
}

void TestScreens::loadedState() {
    QFETCH(ScreenId, id);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(bool, groupsEnabled);
    QFETCH(bool, moreInfoShown);
    QFETCH(int, analytes);
    CalculatorScreen* screen = freshScreen(id);
    QCOMPARE(screen->objectName(), name);
    QCOMPARE(screen->windowTitle(), caption);
    QCOMPARE(screen->screenTitle(), QString());
    QCOMPARE(screen->form().order().size(), analytes);
    for (AnalyteId a : screen->form().order()) {
        const AnalyteWidgets& w = screen->form().widgets(a);
        for (QWidget* widget : w.group())
            QVERIFY2(widget->isEnabled() == groupsEnabled, qPrintable(widget->objectName()));
        if (QComboBox* list = w.unitList ? w.unitList : w.choice) {
            QCOMPARE(list->currentText(), QString());
            QCOMPARE(list->currentIndex(), -1);
            QStringList items;
            for (int i = 0; i < list->count(); ++i)
                items << list->itemText(i);
            QCOMPARE(items, analyte(a).listItems());
        }
    }
    auto* title = child<QLabel>(screen, "TitleLabel");
    QVERIFY(title->font().bold());
    QCOMPARE(title->font().pointSizeF(), 13.5);
    QVERIFY(title->accessibleName().isEmpty());
    for (const char* heading : {"SerumLabel", "UrineLabel"}) {
        if (auto* label = child<QLabel>(screen, heading)) {
            QVERIFY(label->font().bold() && label->font().underline());
            QCOMPARE(label->font().pointSizeF(), 12.0);
        }
    }
    auto* info = child<QLabel>(screen, "MoreInfo");
    QCOMPARE(info->isVisible(), moreInfoShown);
    QVERIFY(info->accessibleName().isEmpty());
    if (moreInfoShown) {
        QVERIFY(info->font().bold());
        QCOMPARE(info->font().pointSizeF(), 9.75);
    }
    auto* resultBox = child<QLineEdit>(screen, "Result");
    QVERIFY(resultBox->isVisible() && resultBox->isReadOnly() && resultBox->font().bold());
    QVERIFY(!(resultBox->focusPolicy() & Qt::TabFocus));
    QCOMPARE(resultBox->accessibleName(), QStringLiteral("Result"));
    QCOMPARE(child<QPushButton>(screen, "Calculate")->text(), QStringLiteral("Calculate"));
    QCOMPARE(child<QPushButton>(screen, "Clear")->text(), QStringLiteral("Clear All"));
    QVERIFY(!child<QLineEdit>(screen, "Errors")->isVisible());
    QCOMPARE(text(screen, "Errors"), QStringLiteral("0"));
    if (auto* button = child<QPushButton>(screen, "MoreInfoButton")) {
        QCOMPARE(button->text(), QStringLiteral("More Info"));
        QVERIFY(!button->isVisible());
    }
}

void TestScreens::keyboardOrder_data() {
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QStringList>("order");
    QTest::addRow("renal") << ScreenId::Kidney
                           << names("Age Gender Weight UnitWeight SerumAmylase UrineAmylase "
                                    "SerumCalcium UnitSerumCalcium UrineCalcium UnitUrineCalcium "
                                    "SerumCreatinine UnitSerumCreatinine UrineCreatinine "
                                    "UnitUrineCreatinine SerumPhosphorus UrineProtein "
                                    "SerumPotassium UrinePotassium SerumSodium UrineSodium "
                                    "SerumUrea UnitSerumUrea UrineUrea UnitUrineUrea SerumUrate "
                                    "UnitSerumUrate UrineVolume Calculate Clear MoreInfoButton "
                                    "UnitSerumPhosphorus");
    QTest::addRow("lipid") << ScreenId::Heart
                           << names("Gender Chol UnitChol HDL UnitHDL LDL UnitLDL Calculate Clear");
    QTest::addRow("liver") << ScreenId::Liver
                           << names("AST ALT BilirubinDirect UnitBilirubinDirect BilirubinTotal "
                                    "UnitBilirubinTotal Albumin UnitAlbumin Globulin UnitGlobulin "
                                    "Iron UnitIron TIBC UnitTIBC Ferritin UnitFerritin Transferrin "
                                    "UnitTransferrin Calculate Clear");
}

void TestScreens::keyboardOrder() {
    QFETCH(ScreenId, id);
    QFETCH(QStringList, order);
    CalculatorScreen* screen = freshScreen(id);
    // Walk the focus chain from the first field, keeping what Tab stops at.
    QWidget* first = child<QWidget>(screen, order.first().toLatin1().constData());
    QStringList walked;
    QWidget* w = first;
    do {
        if (w->parentWidget() == screen && (w->focusPolicy() & Qt::TabFocus) && !w->isHidden())
            walked << w->objectName();
        else if (w->objectName() == QLatin1String("MoreInfoButton"))
            walked << w->objectName(); // hidden until an item needs it
        w = w->nextInFocusChain();
    } while (w != first && walked.size() <= order.size());
    QCOMPARE(walked, order);
    if (first->isEnabled())
        QCOMPARE(screen->focusWidget(), first);
}

void TestScreens::inputsHaveUniqueNames_data() {
    QTest::addColumn<ScreenId>("id");
    QTest::addRow("renal") << ScreenId::Kidney;
    QTest::addRow("lipid") << ScreenId::Heart;
    QTest::addRow("liver") << ScreenId::Liver;
}

void TestScreens::inputsHaveUniqueNames() {
    QFETCH(ScreenId, id);
    CalculatorScreen* screen = freshScreen(id);
    QStringList seen;
    for (QWidget* w : screen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w) &&
            !qobject_cast<QPushButton*>(w))
            continue;
        QString name = w->accessibleName();
        if (auto* button = qobject_cast<QPushButton*>(w); button && name.isEmpty())
            name = button->text();
        QVERIFY2(!name.isEmpty(), qPrintable(w->objectName()));
        QVERIFY2(!seen.contains(name), qPrintable(name));
        seen << name;
    }
    // Each caption label leads to its field.
    for (AnalyteId a : screen->form().order()) {
        const AnalyteWidgets& w = screen->form().widgets(a);
        QCOMPARE(w.caption->buddy(), w.valueWidget());
    }
    if (id == ScreenId::Kidney) {
        QVERIFY(seen.contains(QStringLiteral("Serum creatinine")));
        QVERIFY(seen.contains(QStringLiteral("Urine creatinine unit")));
    }
}

void TestScreens::ageAndWeightTakeThreeCharacters() {
    CalculatorScreen* screen = proceedTo(2, 1);
    type(screen, "Age", QStringLiteral("1234"));
    type(screen, "Weight", QStringLiteral("70.5"));
    QCOMPARE(text(screen, "Age"), QStringLiteral("123"));
    QCOMPARE(text(screen, "Weight"), QStringLiteral("70."));
}

void TestScreens::calculate_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("interpretation");
    QTest::addColumn<QStringList>("trace");
    const QStringList quiet;
    const QString none;

    QTest::addRow("creatinine clearance, man")
        << 2 << 1
        << names("Age=40 Weight=70 UnitWeight=kg Gender=Male SerumCreatinine=1.0 "
                 "UnitSerumCreatinine=mg/dL")
        << "97.22 mL/min"
        << "Based on GFR, renal function is normal." << quiet;
    QTest::addRow("GFR, woman")
        << 2 << 4
        << names("Age=40 Weight=70 UnitWeight=kg Gender=Female SerumCreatinine=1.0 "
                 "UnitSerumCreatinine=mg/dL")
        << "82.35 mL/min"
        << "Based on GFR, renal function is normal." << quiet;
    QTest::addRow("GFR, lbs and umol/L")
        << 2 << 4
        << names("Age=40 Weight=154 UnitWeight=lbs Gender=Male SerumCreatinine=88.4 "
                 "UnitSerumCreatinine=umol/L")
        << "97.22 mL/min"
        << "Based on GFR, renal function is normal." << quiet;
    QTest::addRow("amylase")
        << 2 << 0
        << names("SerumAmylase=100 UrineAmylase=300 SerumCreatinine=1.0 UnitSerumCreatinine=mg/dL "
                 "UrineCreatinine=100 UnitUrineCreatinine=mg/dL")
        << "3.00 %"
        << "Amylase Clearance -to- Creatinine Clearance appear normal." << quiet;
    QTest::addRow("fractional potassium")
        << 2 << 2
        << names("SerumCreatinine=1.0 UnitSerumCreatinine=mg/dL UrineCreatinine=100 "
                 "UnitUrineCreatinine=mg/dL SerumPotassium=4 UrinePotassium=40")
        << "0.10 " << none << quiet;
    QTest::addRow("fractional sodium, urine creatinine in mmol/L")
        << 2 << 3
        << names("SerumCreatinine=1.0 UnitSerumCreatinine=mg/dL UrineCreatinine=8.84 "
                 "UnitUrineCreatinine=mmol/L SerumSodium=140 UrineSodium=40")
        << "0.29 % FE-Na" << none << quiet;
    QTest::addRow("phosphorus")
        << 2 << 5
        << names("Age=40 Weight=70 UnitWeight=kg Gender=Male SerumPhosphorus=1.0 "
                 "UnitSerumPhosphorus=mg/dL")
        << "97.22 mL/min" << none << quiet;
    QTest::addRow("renal calcium")
        << 2 << 6
        << names("SerumCreatinine=1.0 UnitSerumCreatinine=mg/dL UrineCreatinine=100 "
                 "UnitUrineCreatinine=mg/dL SerumCalcium=10 UnitSerumCalcium=mg/dL "
                 "UrineCalcium=10 UnitUrineCalcium=mg/dL")
        << "0.01 " << none << quiet;
    QTest::addRow("renal failure index")
        << 2 << 7
        << names("SerumCreatinine=1.0 UnitSerumCreatinine=mg/dL UrineCreatinine=100 "
                 "UnitUrineCreatinine=mg/dL UrineSodium=40")
        << "0.40 mEq/L" << none << quiet;
    QTest::addRow("urea ratios, beep and box")
        << 2 << 8
        << names("SerumCreatinine=1 UnitSerumCreatinine=mg/dL UrineCreatinine=60 "
                 "UnitUrineCreatinine=mg/dL SerumUrea=15 UnitSerumUrea=mg/dL UrineUrea=600 "
                 "UnitUrineUrea=mg/dL")
        << "15.00 ; 60.00 ; 40.00" << UreaLegend
        << QStringList({QStringLiteral("beep"), QStringLiteral("information:") + UreaMessage});
    QTest::addRow("urate")
        << 2 << 9
        << names("SerumCreatinine=5 UnitSerumCreatinine=mg/dL SerumUrate=5 UnitSerumUrate=mg/dL")
        << "1.00"
        << "Ratios below 1.0 are seen in patients with acute renal failure due to other "
           "causes."
        << quiet;
    QTest::addRow("potassium rate")
        << 2 << 10 << names("UrinePotassium=40 UrineVolume=1500") << "60.00 mEq/24 "
        << "An excretion rate more than 20 mEq/24 hours implies potassium 'wastage' (inadequate "
           "potassium conservation)."
        << quiet;
    QTest::addRow("protein") << 2 << 11
                             << names(
                                    "UrineCreatinine=100 UnitUrineCreatinine=mg/dL UrineProtein=1")
                             << "1.00"
                             << "Ratio indicates moderate proteinuria" << quiet;

    QTest::addRow("cholesterol levels, no result")
        << 0 << 0
        << names("Gender=Male Chol=180 UnitChol=mg/dL HDL=48 UnitHDL=mg/dL LDL=120 UnitLDL=mg/dL")
        << ""
        << "Total Cholesterol: desirable\r\rHDL Cholesterol: average\r\rLDL Cholesterol: "
           "desirable\r\r"
        << quiet;
    QTest::addRow("total to HDL, man")
        << 0 << 1 << names("Gender=Male Chol=150 UnitChol=mg/dL HDL=38 UnitHDL=mg/dL") << "3.95"
        << "The risk of coronary artery disease is 50% than that of  the 'average American'."
        << quiet;
    QTest::addRow("total to HDL, mixed units")
        << 0 << 1 << names("Gender=Female Chol=5.18 UnitChol=mmol/L HDL=50 UnitHDL=mg/dL") << "4.00"
        << "The risk of coronary artery disease is 50% than that of  the 'average American'."
        << quiet;
    QTest::addRow("LDL to HDL") << 0 << 2 << names("HDL=50 UnitHDL=mg/dL LDL=100 UnitLDL=mg/dL")
                                << "2.00"
                                << "Risk of cardiovascular disease: low" << quiet;
    QTest::addRow("ATP III, no result")
        << 0 << 3 << names("Chol=5.18 UnitChol=mmol/L HDL=40 UnitHDL=mg/dL LDL=190 UnitLDL=mg/dL")
        << ""
        << "Total Cholesterol: borderline high\r\rHDL Cholesterol: intermediate\r\rLDL "
           "Cholesterol: very high\r\r"
        << quiet;

    QTest::addRow("AST to ALT") << 1 << 0 << names("AST=40 ALT=40") << "1.00 "
                                << "The AST to ALT ratio is normal." << quiet;
    QTest::addRow("albumin in g/L")
        << 1 << 1 << names("Albumin=40 UnitAlbumin=g/L Globulin=2.5 UnitGlobulin=g/dL") << "1.60 "
        << "The Albumin to Globumin ratio is high but often clinically insignificant except in "
           "hypogammaglobulinemia."
        << quiet;
    QTest::addRow("bilirubin")
        << 1 << 2
        << names("BilirubinDirect=1 UnitBilirubinDirect=mg/dL BilirubinTotal=5 "
                 "UnitBilirubinTotal=mg/dL")
        << "20.00 % "
        << "The ratio of direct to total serum bilirubin indicates hepatocellular disease more "
           "likely than extrahepatic obstruction."
        << quiet;
    QTest::addRow("ferritin in pmol/L, no result")
        << 1 << 3 << names("Ferritin=449.4 UnitFerritin=pmol/L") << ""
        << "Serum ferritin level appears normal." << quiet;
    QTest::addRow("saturation") << 1 << 4
                                << names("Iron=100 UnitIron=ug/dL TIBC=300 UnitTIBC=ug/dL")
                                << "33.33 % "
                                << "Serum Transferrin Saturation is normal." << quiet;
    QTest::addRow("TIBC from transferrin in g/L")
        << 1 << 5 << names("Transferrin=2.5 UnitTransferrin=g/L") << "357.50 ug/dL "
        << "Total Iron Binding Capacity is normal." << quiet;
    QTest::addRow("transferrin from TIBC")
        << 1 << 6 << names("TIBC=300 UnitTIBC=ug/dL") << "210.00 mg/dL "
        << "Calculated transferrin is normal." << quiet;
}

void TestScreens::calculate() {
    QFETCH(int, category);
    QFETCH(int, position);
    QFETCH(QStringList, inputs);
    QFETCH(QString, result);
    QFETCH(QString, interpretation);
    QFETCH(QStringList, trace);
    ScopedFakeDialogs fake;
    ModalGuard guard;
    CalculatorScreen* screen = proceedTo(category, position);
    QVERIFY(screen);
    typeAll(screen, inputs);
    press(screen, "Calculate");
    QCOMPARE(fake->trace(), trace);
    QCOMPARE(text(screen, "Errors"), QStringLiteral("0"));
    QCOMPARE(::result(screen), result);
    QCOMPARE(moreInfo(screen), shown(interpretation));
    QVERIFY(!moreInfo(screen).contains(QLatin1Char('\r')));
    for (const auto& call : fake->messages())
        QCOMPARE(call.title, QStringLiteral("Quarvex"));
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestScreens::failedEvaluation_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("trace");
    QTest::addColumn<QString>("errors");
    const QString beep = QStringLiteral("beep");
    const QString incomplete = QStringLiteral("warning:Data entry incomplete");
    const QString critical = QStringLiteral("critical:*");

    // Serum creatinine beeps for its missing unit, weight does not.
    QTest::addRow("values without units")
        << 2 << 1 << names("Age=40 Weight=70 Gender=Male SerumCreatinine=1.0")
        << QStringList{beep, beep, incomplete} << "2";
    QTest::addRow("letters: the critical box first")
        << 2 << 1
        << names("Age=abc Weight=70 UnitWeight=kg Gender=Male SerumCreatinine=1.0 "
                 "UnitSerumCreatinine=mg/dL")
        << QStringList{beep, critical, beep, incomplete} << "1";
    QTest::addRow("lower-case gender, capital unit")
        << 2 << 1
        << names("Age=40 Weight=70 UnitWeight=kg Gender=male SerumCreatinine=1.0 "
                 "UnitSerumCreatinine=MG/DL")
        << QStringList{beep, beep, incomplete} << "2";
    QTest::addRow("nothing typed")
        << 0 << 2 << QStringList() << QStringList{beep, incomplete} << "2";
    QTest::addRow("zero ferritin")
        << 1 << 3 << names("Ferritin=0 UnitFerritin=ng/ml") << QStringList{beep, incomplete} << "1";
    QTest::addRow("two bad values, two boxes")
        << 1 << 0 << names("AST=x ALT=40000")
        << QStringList{beep, critical, beep, critical, beep, incomplete} << "2";
}

void TestScreens::failedEvaluation() {
    QFETCH(int, category);
    QFETCH(int, position);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, trace);
    QFETCH(QString, errors);
    ScopedFakeDialogs fake;
    ModalGuard guard;
    CalculatorScreen* screen = proceedTo(category, position);
    typeAll(screen, inputs);
    const QStringList before = [&] {
        QStringList texts;
        for (AnalyteId a : screen->form().order())
            texts << screen->form().value(a) << screen->form().unit(a);
        return texts;
    }();
    press(screen, "Calculate");
    QCOMPARE(blurCritical(fake->trace()), trace);
    QCOMPARE(text(screen, "Errors"), errors);
    QCOMPARE(::result(screen), QString());
    QCOMPARE(moreInfo(screen), QString());
    // No field is changed by a failure.
    QStringList after;
    for (AnalyteId a : screen->form().order())
        after << screen->form().value(a) << screen->form().unit(a);
    QCOMPARE(after, before);
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestScreens::correctAndCalculateAgain() {
    ScopedFakeDialogs fake;
    CalculatorScreen* screen = proceedTo(2, 6); // renal calcium
    typeAll(screen, names("SerumCreatinine=1.0 UnitSerumCreatinine=mg/dL UrineCreatinine=100 "
                          "UnitUrineCreatinine=mg/dL SerumCalcium=10 UnitSerumCalcium=mg/dL "
                          "UrineCalcium=10 UnitUrineCalcium=mg/dL"));
    press(screen, "Calculate");
    QCOMPARE(::result(screen), QStringLiteral("0.01 "));
    type(screen, "UrineCalcium", QStringLiteral("20"));
    type(screen, "UnitUrineCalcium", QStringLiteral("mg/dl")); // wrong case
    press(screen, "Calculate");
    QCOMPARE(fake->trace(), QStringList({QStringLiteral("beep"),
                                         QStringLiteral("warning:Data entry incomplete")}));
    QCOMPARE(::result(screen), QStringLiteral("0.01 ")); // earlier result stays
    QCOMPARE(text(screen, "Errors"), QStringLiteral("1"));
    type(screen, "UnitUrineCalcium", QStringLiteral("mg/dL"));
    press(screen, "Calculate");
    QCOMPARE(::result(screen), QStringLiteral("0.02 "));
    QCOMPARE(text(screen, "Errors"), QStringLiteral("0"));
    QCOMPARE(fake->calls().size(), 2);
}

void TestScreens::unknownTitleDoesNothing() {
    ScopedFakeDialogs fake;
    CalculatorScreen* screen = freshScreen(ScreenId::Liver);
    press(screen, "Calculate");                            // no title yet
    screen->setScreenTitle(QStringLiteral("transferrin")); // not the exact title
    press(screen, "Calculate");
    QVERIFY(fake->calls().isEmpty());
    QCOMPARE(::result(screen), QString());
}

void TestScreens::itemsWithoutResultKeepIt() {
    ScopedFakeDialogs fake;
    CalculatorScreen* screen = proceedTo(0, 1);
    typeAll(screen, names("Gender=Male Chol=150 UnitChol=mg/dL HDL=38 UnitHDL=mg/dL"));
    press(screen, "Calculate");
    QCOMPARE(::result(screen), QStringLiteral("3.95"));
    proceedTo(0, 3);
    typeAll(screen, names("LDL=190 UnitLDL=mg/dL"));
    press(screen, "Calculate");
    QVERIFY(fake->calls().isEmpty());
    QCOMPARE(::result(screen), QStringLiteral("3.95"));
    QVERIFY(moreInfo(screen).startsWith(QLatin1String("Total Cholesterol: desirable")));
}

void TestScreens::interpretationNeverStale_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<QString>("result");
    const QString first = QStringLiteral("severe");
    QTest::addRow("clearance between 62.5 and 80")
        << 1 << names("SerumCreatinine=0.4") << "69.44 mL/min";
    QTest::addRow("item without interpretation")
        << 5 << names("SerumPhosphorus=5 UnitSerumPhosphorus=mg/dL") << "5.56 mL/min";
}

void TestScreens::interpretationNeverStale() {
    ScopedFakeDialogs fake;
    QFETCH(int, position);
    QFETCH(QStringList, second);
    QFETCH(QString, result);
    CalculatorScreen* screen = proceedTo(2, 1);
    typeAll(screen, names("Age=100 Weight=50 UnitWeight=kg Gender=Male SerumCreatinine=5 "
                          "UnitSerumCreatinine=mg/dL"));
    press(screen, "Calculate");
    QCOMPARE(::result(screen), QStringLiteral("5.56 mL/min"));
    QCOMPARE(moreInfo(screen),
             QStringLiteral("Based on GFR, renal function is severely impaired."));
    proceedTo(2, position);
    typeAll(screen, second);
    press(screen, "Calculate");
    QCOMPARE(::result(screen), result);
    QCOMPARE(moreInfo(screen), QString());
    press(screen, "MoreInfoButton");
    QCOMPARE(openWindow<ExplainWindow>()->explanation(), QString());
}

void TestScreens::clearAll_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("inputs");
    QTest::addRow("renal") << 2 << 0
                           << names("SerumAmylase=100 UrineAmylase=300 SerumCreatinine=1.0 "
                                    "UnitSerumCreatinine=mg/dL UrineCreatinine=100 "
                                    "UnitUrineCreatinine=mg/dL");
    QTest::addRow("lipid") << 0 << 2 << names("HDL=50 UnitHDL=mg/dL LDL=100 UnitLDL=mg/dL");
    QTest::addRow("liver") << 1 << 4 << names("Iron=100 UnitIron=ug/dL TIBC=300 UnitTIBC=ug/dL");
}

void TestScreens::clearAll() {
    ScopedFakeDialogs fake;
    QFETCH(int, category);
    QFETCH(int, position);
    QFETCH(QStringList, inputs);
    CalculatorScreen* screen = proceedTo(category, position);
    typeAll(screen, inputs);
    press(screen, "Calculate");
    QVERIFY(!::result(screen).isEmpty());
    // Every other field of the screen holds something as well, typed while enabled.
    QHash<QWidget*, bool> enabledBefore;
    QHash<QString, QString> fixedUnits;
    for (AnalyteId a : screen->form().order()) {
        const AnalyteWidgets& w = screen->form().widgets(a);
        for (QWidget* widget : w.group())
            enabledBefore.insert(widget, widget->isEnabled());
        screen->form().setValue(a, QStringLiteral("7"));
        if (w.unitList)
            w.unitList->setCurrentIndex(w.unitList->count() - 1);
        if (w.fixedUnit)
            fixedUnits.insert(w.fixedUnit->objectName(), w.fixedUnit->text());
    }
    child<QLineEdit>(screen, "Errors")->setText(QStringLiteral("3"));
    const QString title = screen->windowTitle();

    press(screen, "Clear");
    for (AnalyteId a : screen->form().order()) {
        const AnalyteWidgets& w = screen->form().widgets(a);
        QVERIFY2(screen->form().value(a).isEmpty(), qPrintable(analyte(a).fieldName()));
        if (w.unitList) {
            QCOMPARE(w.unitList->currentText(), QString());
            QCOMPARE(w.unitList->count(), int(analyte(a).unitChoices().size()));
        }
        if (w.fixedUnit)
            QCOMPARE(w.fixedUnit->text(), fixedUnits.value(w.fixedUnit->objectName()));
        for (QWidget* widget : w.group())
            QCOMPARE(widget->isEnabled(), enabledBefore.value(widget));
    }
    if (screen->form().has(AnalyteId::Gender))
        QCOMPARE(screen->form().widgets(AnalyteId::Gender).choice->count(), 2);
    QCOMPARE(::result(screen), QString());
    QCOMPARE(moreInfo(screen), QString());
    QCOMPARE(text(screen, "Errors"), QStringLiteral("0"));
    QCOMPARE(screen->windowTitle(), title);
    QCOMPARE(screen->screenTitle(), title);
}

void TestScreens::moreInfoShowsTheInterpretation() {
    ScopedFakeDialogs fake;
    ModalGuard guard;
    CalculatorScreen* screen = proceedTo(2, 8);
    typeAll(screen, names("SerumCreatinine=1 UnitSerumCreatinine=mg/dL UrineCreatinine=60 "
                          "UnitUrineCreatinine=mg/dL SerumUrea=15 UnitSerumUrea=mg/dL "
                          "UrineUrea=600 UnitUrineUrea=mg/dL"));
    press(screen, "Calculate");
    QVERIFY(!child<QLabel>(screen, "MoreInfo")->isVisible());
    press(screen, "MoreInfoButton");
    ExplainWindow* window = openWindow<ExplainWindow>();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->explanation(), shown(UreaLegend));
    // Again with another item: the same window, the new text.
    proceedTo(2, 1);
    typeAll(screen, names("Age=40 Weight=70 UnitWeight=kg Gender=Male"));
    press(screen, "Calculate");
    press(screen, "MoreInfoButton");
    QCOMPARE(openWindow<ExplainWindow>(), window);
    QCOMPARE(window->explanation(), QStringLiteral("Based on GFR, renal function is normal."));
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestScreens::enterCalculates_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addRow("value field, Return") << "SerumCreatinine" << int(Qt::Key_Return);
    QTest::addRow("value field, keypad Enter") << "Age" << int(Qt::Key_Enter);
    QTest::addRow("unit list") << "UnitSerumCreatinine" << int(Qt::Key_Return);
    QTest::addRow("gender list") << "Gender" << int(Qt::Key_Return);
    QTest::addRow("Calculate button") << "Calculate" << int(Qt::Key_Return);
}

void TestScreens::enterCalculates() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    ScopedFakeDialogs fake;
    ModalGuard guard;
    CalculatorScreen* screen = proceedTo(2, 1);
    typeAll(screen, names("Age=40 Weight=70 UnitWeight=kg Gender=Male SerumCreatinine=1.0 "
                          "UnitSerumCreatinine=mg/dL"));
    QWidget* w = child<QWidget>(screen, focus.toLatin1().constData());
    if (auto* box = qobject_cast<QComboBox*>(w))
        w = box->lineEdit();
    w->setFocus();
    const Qt::KeyboardModifiers modifiers =
        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QTest::keyClick(w, Qt::Key(key), modifiers);
    QCOMPARE(::result(screen), QStringLiteral("97.22 mL/min"));
    QVERIFY(fake->calls().isEmpty());
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestScreens::enterOnClearClears() {
    ScopedFakeDialogs fake;
    CalculatorScreen* screen = proceedTo(2, 1);
    typeAll(screen, names("Age=40"));
    auto* clear = child<QPushButton>(screen, "Clear");
    clear->setFocus();
    QTest::keyClick(clear, Qt::Key_Return);
    QCOMPARE(text(screen, "Age"), QString());
}

QUARVEX_TEST_MAIN(TestScreens)
#include "tst_screens.moc"
