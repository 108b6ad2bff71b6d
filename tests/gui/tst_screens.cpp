#include "quickdriver.h"
#include "screenfixture.h"
#include "screens/calculatorscreen.h"
#include "testmain.h"

#include <QAction>
#include <QGridLayout>
#include <QScopeGuard>

#include <algorithm>

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::StringLiterals;
using A = AnalyteId;

namespace {
const char* const Severe = "Based on GFR, renal function is severely impaired.";

// Inputs that compute an item, by catalogue position.
struct Computed {
    int category, position;
    const char* inputs;
};
// clang-format off
const Computed Clearance{2, 1, "Age=40 Weight=70 UnitWeight=kg Gender=Male SerumCreatinine=1 UnitSerumCreatinine=mg/dL"};
const Computed PotassiumExcretion{2, 2, "SerumCreatinine=1 UnitSerumCreatinine=mg/dL UrineCreatinine=100 UnitUrineCreatinine=mg/dL SerumPotassium=4 UrinePotassium=40"};
const Computed PotassiumRate{2, 10, "UrinePotassium=40 UrineVolume=1500"};
const Computed Saturation{1, 4, "Iron=100 UnitIron=ug/dL TIBC=300 UnitTIBC=ug/dL"};
const Computed FerritinItem{1, 3, "Ferritin=449.4 UnitFerritin=pmol/L"};
const Computed AlbuminRatio{1, 1, "Albumin=4 UnitAlbumin=g/dL Globulin=2.5 UnitGlobulin=g/dL"};
const Computed Atp3{0, 3, "Chol=180 UnitChol=mg/dL HDL=48 UnitHDL=mg/dL LDL=120 UnitLDL=mg/dL"};
const Computed LdlRatio{0, 2, "HDL=48 UnitHDL=mg/dL LDL=120 UnitLDL=mg/dL"};
// clang-format on

CalculatorScreen* computeItem(const Computed& item, FakeDialogs& fake)
{
    fake.clear();
    return calculated(item.category, item.position, item.inputs);
}

// The object name of the screen's focus widget (a list's, for its text part).
QString focusName(const CalculatorScreen* screen)
{
    QWidget* focus = screen->focusWidget();
    if (focus && !focus->parentWidget()->inherits("quarvex::CalculatorScreen") &&
        qobject_cast<QComboBox*>(focus->parentWidget()))
        focus = focus->parentWidget();
    return focus ? focus->objectName() : QString();
}
} // namespace

class TestScreens : public ScreenFixture
{
    Q_OBJECT

private Q_SLOTS:
    void failCorrectAndEnter();
    void resultNotFinite();
    void proceedStartsClean_data();
    void proceedStartsClean();
    void failedCalculateEmptiesResult_data();
    void failedCalculateEmptiesResult();
    void moreInfoBeforeCalculate();
    void decimalAgeAndWeight_data();
    void decimalAgeAndWeight();
    void ageOutsideTheFormula_data();
    void ageOutsideTheFormula();
    void urineRowsOfTheRenalScreen_data();
    void urineRowsOfTheRenalScreen();
    void findingsMarkTheirFields_data();
    void findingsMarkTheirFields();
    void hintsBesideTheFields();
    void checkLineUnderTheResult();
    void noteLineUnderTheResult();
};

// "Data entry incomplete" keeps its text and gives the reasons as detail; the
// field at fault is marked until it is edited or Clear All.
void TestScreens::findingsMarkTheirFields_data()
{
    QTest::addColumn<QString>("inputs"); // typed after the clearance's complete inputs
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("reason");

    // One row per kind of field: a value field, a unit list, the gender list
    // (every kind of finding and its text: tst_findings).
    QTest::addRow("empty value") << "SerumCreatinine="
                                 << "SerumCreatinine"
                                 << "Serum creatinine: empty";
    QTest::addRow("unknown unit") << "UnitSerumCreatinine=MG/DL"
                                  << "UnitSerumCreatinine"
                                  << "Serum creatinine unit: \"MG/DL\" is not one of mg/dL, umol/L";
    QTest::addRow("no gender") << "Gender="
                               << "Gender"
                               << "Gender: not chosen";
}

void TestScreens::findingsMarkTheirFields()
{
    QFETCH(QString, inputs);
    QFETCH(QString, field);
    QFETCH(QString, reason);

    CalculatorScreen* screen = proceedTo(Clearance.category, Clearance.position);
    typeAll(screen, QString::fromLatin1(Clearance.inputs) + u' ' + inputs);
    m_fake.clear();
    press(screen, "Calculate");
    const auto messages = m_fake.messages();
    QVERIFY(!messages.isEmpty());
    QCOMPARE(messages.last().text, QStringLiteral("Data entry incomplete"));
    QCOMPARE(messages.last().icon, MessageIcon::Warning);
    QCOMPARE(messages.last().detail, reason);

    QWidget* w = screen->findChild<QWidget*>(field);
    auto* action = screen->findChild<QAction*>(field + QStringLiteral("Mark"));
    QVERIFY(w && action);
    QCOMPARE(screen->marks()->markOf(w), reason);
    QVERIFY(action->isVisible());
    QCOMPARE(action->toolTip(), reason);
    QVERIFY(w->toolTip().endsWith(reason));
    QCOMPARE(w->accessibleDescription(), reason);
    QVERIFY(!w->styleSheet().isEmpty());
    // No other field is marked.
    for (QWidget* other : screen->findChildren<QWidget*>()) {
        if (other != w)
            QCOMPARE(screen->marks()->markOf(other), QString());
    }

    // Typing into the field takes the mark away.
    auto* box = qobject_cast<QComboBox*>(w);
    QTest::keyClick(box ? box->lineEdit() : qobject_cast<QLineEdit*>(w), Qt::Key_End);
    QTest::keyClicks(box ? box->lineEdit() : qobject_cast<QLineEdit*>(w), QStringLiteral("1"));
    QCOMPARE(screen->marks()->markOf(w), QString());
    QVERIFY(!action->isVisible());
    QVERIFY(!w->toolTip().contains(reason));
    QVERIFY(w->styleSheet().isEmpty());

    // So does Clear All.
    typeAll(screen, inputs);
    press(screen, "Calculate");
    QCOMPARE(screen->marks()->markOf(w), reason);
    press(screen, "Clear");
    QCOMPARE(screen->marks()->markOf(w), QString());
    QVERIFY(!action->isVisible());
}

// A hint shows beside a field once it is left, and goes when the value is
// set right; the tooltip gives the reference interval of unit and gender, here
// with decimal commas (the texts themselves: tst_hints, tst_plausibility).
void TestScreens::hintsBesideTheFields()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
    const QString hint = u"Serum creatinine 88,5 mg/dL is above any value seen in patients (up "
                         "to 75 mg/dL). Did you mean 88,5 umol/L (1,0 mg/dL)?"_s;

    CalculatorScreen* screen = proceedTo(Clearance.category, Clearance.position);
    typeAll(screen, QString::fromLatin1(Clearance.inputs));
    auto* creatinine = screen->findChild<QLineEdit*>(QStringLiteral("SerumCreatinine"));
    auto* unit = screen->findChild<QComboBox*>(QStringLiteral("UnitSerumCreatinine"));
    auto* icon = screen->findChild<QAction*>(QStringLiteral("SerumCreatinineHint"));
    QVERIFY(creatinine && unit && icon);
    // The README's example raises no hint on any field.
    Q_EMIT creatinine->editingFinished();
    for (const QAction* action : screen->findChildren<QAction*>()) {
        if (action->objectName().endsWith(QStringLiteral("Hint")))
            QVERIFY2(!action->isVisible(), qPrintable(action->objectName()));
    }
    type(screen, QStringLiteral("SerumCreatinine"), u"88,5"_s);
    QVERIFY(!icon->isVisible()); // not before the field is left
    Q_EMIT creatinine->editingFinished();
    QVERIFY(icon->isVisible());
    QCOMPARE(icon->toolTip(), hint);
    QCOMPARE(creatinine->accessibleDescription(), hint);
    QVERIFY2(creatinine->toolTip().contains(u"Adult reference: 0,7–1,3 mg/dL (men)"_s),
             qPrintable(creatinine->toolTip()));

    // The hint never blocks: Calculate computes from the value as typed.
    m_fake.clear();
    press(screen, "Calculate");
    QVERIFY(!text(screen, "Result").isEmpty());
    QCOMPARE(m_fake.messages().size(), 0);

    // Picking the unit meant takes the hint away and changes the interval.
    unit->setCurrentIndex(unit->findText(QStringLiteral("umol/L")));
    Q_EMIT unit->activated(unit->currentIndex());
    QVERIFY(!icon->isVisible());
    QCOMPARE(creatinine->accessibleDescription(), QString());
    QVERIFY2(creatinine->toolTip().contains(u"Adult reference: 61,9–114,9 umol/L (men)"_s),
             qPrintable(creatinine->toolTip()));
}

// The question about a value stands under the result computed from it, and
// goes with the result: on a failed Calculate, Clear All and Proceed.
void TestScreens::checkLineUnderTheResult()
{
    const QString check = u"Check: Serum creatinine 62 mg/dL is far above the values seen in "
                          "patients. Did you mean 62 umol/L (0.70 mg/dL)?"_s;
    CalculatorScreen* screen = computeItem(Clearance, m_fake);
    auto* line = screen->findChild<QWidget*>(QStringLiteral("CheckLine"));
    auto* lineText = screen->findChild<QLabel*>(QStringLiteral("CheckLineText"));
    QVERIFY(line && lineText && screen->findChild<QLabel*>(QStringLiteral("CheckLineIcon")));
    QCOMPARE(line->accessibleName(), u"Values to check"_s);
    QVERIFY(!line->isVisibleTo(screen)); // ordinary values: no line

    const QString before = text(screen, "Result");
    const auto calculateWith = [&](const QString& fields) {
        typeAll(screen, fields);
        m_fake.clear();
        press(screen, "Calculate");
    };
    calculateWith(u"SerumCreatinine=62"_s);
    QVERIFY(line->isVisibleTo(screen));
    QCOMPARE(lineText->text(), check);
    QCOMPARE(lineText->accessibleDescription(), check);
    // A question never changes the result: computed from 62 mg/dL as typed.
    QVERIFY(!text(screen, "Result").isEmpty() && text(screen, "Result") != before);
    QCOMPARE(m_fake.messages().size(), 0);

    calculateWith(u"Age="_s);
    QVERIFY(!line->isVisibleTo(screen));
    calculateWith(u"Age=40"_s);
    QVERIFY(line->isVisibleTo(screen));
    press(screen, "Clear");
    QVERIFY(!line->isVisibleTo(screen));
    calculateWith(QString::fromLatin1(Clearance.inputs) + u" SerumCreatinine=62"_s);
    QVERIFY(line->isVisibleTo(screen));
    proceedTo(PotassiumExcretion.category, PotassiumExcretion.position);
    QVERIFY(!line->isVisibleTo(screen));
    // The value set right: a result and no line.
    proceedTo(Clearance.category, Clearance.position);
    calculateWith(QString::fromLatin1(Clearance.inputs));
    QCOMPARE(text(screen, "Result"), before);
    QVERIFY(!line->isVisibleTo(screen));
}

// The notes on a result stand under it, made like the check line and gone
// with the result: on a failed Calculate, Clear All and Proceed.
void TestScreens::noteLineUnderTheResult()
{
    CalculatorScreen* screen = computeItem(Clearance, m_fake);
    auto* line = screen->findChild<QWidget*>(QStringLiteral("NoteLine"));
    auto* lineText = screen->findChild<QLabel*>(QStringLiteral("NoteLineText"));
    QVERIFY(line && lineText && screen->findChild<QLabel*>(QStringLiteral("NoteLineIcon")));
    QCOMPARE(line->accessibleName(), u"Notes on the result"_s);
    const auto calculateWith = [&](const QString& fields) {
        typeAll(screen, fields);
        m_fake.clear();
        press(screen, "Calculate");
    };
    // What the line shows is the derivation's notes: context and rounding in
    // full, an evidence note as its tag with its sentence as the tooltip.
    const auto expectNotes = [&] {
        QVERIFY(screen->derivation());
        QStringList full;
        QStringList evidence;
        for (const DerivedRow& row : screen->derivation()->rows) {
            for (const Note& note : row.notes)
                (noteTag(note.kind).isEmpty() ? full : evidence) << note.text;
        }
        QCOMPARE(line->isVisibleTo(screen), !(full.isEmpty() && evidence.isEmpty()));
        for (const QString& text : full)
            QVERIFY2(lineText->text().contains(text), qPrintable(lineText->text()));
        for (const QString& text : evidence) {
            QVERIFY(!lineText->text().contains(text));
            QVERIFY(lineText->toolTip().contains(text));
            QVERIFY(screen->notesText().contains(text));
        }
        QCOMPARE(lineText->accessibleDescription(), screen->notesText());
    };
    expectNotes();
    // Cockcroft-Gault below 18: a context note in full.
    calculateWith(u"Age=16"_s);
    QVERIFY(!text(screen, "Result").isEmpty());
    const QList<Note> notes = screen->derivation()->rows.first().notes;
    QVERIFY(std::any_of(notes.cbegin(), notes.cend(),
                        [](const Note& n) { return n.kind == NoteKind::Context; }));
    expectNotes();

    calculateWith(u"Age="_s);
    QVERIFY(!line->isVisibleTo(screen));
    QVERIFY(screen->notesText().isEmpty());
    calculateWith(u"Age=16"_s);
    QVERIFY(line->isVisibleTo(screen));
    press(screen, "Clear");
    QVERIFY(!line->isVisibleTo(screen));
    calculateWith(QString::fromLatin1(Clearance.inputs) + u" Age=16"_s);
    QVERIFY(line->isVisibleTo(screen));
    proceedTo(PotassiumExcretion.category, PotassiumExcretion.position);
    QVERIFY(!line->isVisibleTo(screen));
}

// Proceed to another item of an open screen empties the result and the
// interpretation, puts the focus on the item's first field and keeps the
// values typed; which fields take input after it: tst_selector.
void TestScreens::proceedStartsClean_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("kept");
    // Computed items, by index into the list below.
    // clang-format off
    QTest::addRow("renal clearance, then fractional potassium") << 0 << 1 << "SerumCreatinine" << "Age=40";
    QTest::addRow("renal urinary potassium rate, then clearance") << 2 << 0 << "Age" << "UrinePotassium=40";
    QTest::addRow("liver ferritin, then saturation") << 4 << 3 << "Iron" << "Ferritin=449.4";
    QTest::addRow("lipid ATP III, then LDL-to-HDL") << 6 << 7 << "HDL" << "Chol=180";
    // clang-format on
}

void TestScreens::proceedStartsClean()
{
    static const Computed* const items[] = {
        &Clearance,    &PotassiumExcretion, &PotassiumRate, &Saturation,
        &FerritinItem, &AlbuminRatio,       &Atp3,          &LdlRatio};
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, focus);
    QFETCH(QString, kept);
    CalculatorScreen* screen = computeItem(*items[from], m_fake);
    QVERIFY2(m_fake.calls().isEmpty(), qPrintable(m_fake.trace().join(u'|')));
    QVERIFY(!(text(screen, "Result") + text(screen, "MoreInfo")).isEmpty());

    QCOMPARE(proceedTo(items[to]->category, items[to]->position), screen);
    QCOMPARE(text(screen, "Result"), QString());
    QCOMPARE(text(screen, "MoreInfo"), QString());
    QCOMPARE(focusName(screen), focus);
    QCOMPARE(text(screen, qPrintable(kept.section(u'=', 0, 0))), kept.section(u'=', 1));
}

void TestScreens::failedCalculateEmptiesResult_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<QString>("broken");
    QTest::addColumn<QString>("errors");
    // clang-format off
    QTest::addRow("liver interpretation only, a zero")
        << FerritinItem.category << FerritinItem.position << FerritinItem.inputs << "Ferritin=0" << "1";
    QTest::addRow("lipid interpretation only, two values removed")
        << Atp3.category << Atp3.position << Atp3.inputs << "HDL= LDL=" << "2";
    // clang-format on
}

void TestScreens::failedCalculateEmptiesResult()
{
    QFETCH(int, category);
    QFETCH(int, position);
    QFETCH(QString, inputs);
    QFETCH(QString, broken);
    QFETCH(QString, errors);
    CalculatorScreen* screen = computeItem({category, position, qPrintable(inputs)}, m_fake);
    QVERIFY(!text(screen, "MoreInfo").isEmpty() || !text(screen, "Result").isEmpty());
    typeAll(screen, broken);
    m_fake.clear();
    press(screen, "Calculate");
    QVERIFY(m_fake.trace().join(u'|').endsWith(QLatin1String("warning:Data entry incomplete")));
    QCOMPARE(text(screen, "Errors"), errors);
    QCOMPARE(text(screen, "Result"), QString());
    QCOMPARE(text(screen, "MoreInfo"), QString());
    // The values stay for the user to correct.
    for (const QString& field : broken.split(u' '))
        QCOMPARE(text(screen, qPrintable(field.section(u'=', 0, 0))), field.section(u'=', 1));
}

void TestScreens::moreInfoBeforeCalculate()
{
    const QString pressFirst = QStringLiteral("Press Calculate first.");
    const QString wastage =
        QStringLiteral("An excretion rate more than 20 mEq/24 hours implies "
                       "potassium 'wastage' (inadequate potassium conservation).");
    CalculatorScreen* screen = proceedTo(PotassiumRate.category, PotassiumRate.position);
    press(screen, "MoreInfoButton");
    ExplainWindow* window = openWindow<ExplainWindow>();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->explanation(), pressFirst);

    typeAll(screen, QString::fromLatin1(PotassiumRate.inputs));
    press(screen, "Calculate");
    press(screen, "MoreInfoButton");
    // The interpretation, then the notes on it in full.
    QVERIFY(!screen->notesText().isEmpty());
    QCOMPARE(window->explanation(), wastage + u"\n\n"_s + screen->notesText());

    // A failed Calculate takes the interpretation away with the result.
    type(screen, QStringLiteral("UrineVolume"), QString());
    press(screen, "Calculate");
    press(screen, "MoreInfoButton");
    QCOMPARE(window->explanation(), pressFirst);
}

void TestScreens::failCorrectAndEnter()
{
    CalculatorScreen* screen = proceedTo(2, 1);
    typeAll(screen, QStringLiteral("Age=100 Weight=50 UnitWeight=kg Gender=Male "
                                   "SerumCreatinine=4 UnitSerumCreatinine=mg/dL"));
    calculate(screen, m_fake, "", "0", "6.94 mL/min", Severe);
    press(screen, "MoreInfoButton");
    ExplainWindow* window = openWindow<ExplainWindow>();
    QVERIFY(window && window->explanation().startsWith(QLatin1String(Severe)));
    // A failure empties the earlier result, so that it never stands beside
    // values it was not computed from, and leaves every field as it was.
    // Values without units: serum creatinine beeps for its unit, weight does not.
    typeAll(screen, QStringLiteral("SerumCreatinine=0.4 UnitSerumCreatinine= UnitWeight="));
    calculate(screen, m_fake, "beep|beep|warning:Data entry incomplete", "2", "", "");
    QCOMPARE(text(screen, "SerumCreatinine"), QStringLiteral("0.4"));
    // Letters: one box, which names the field; units are case-sensitive.
    typeAll(screen, QStringLiteral("Age=abc UnitWeight=kg UnitSerumCreatinine=mg/dl"));
    calculate(
        screen, m_fake,
        "beep|beep|beep|"
        "warning:Data entry incomplete\r\rAge: \"abc\" is not a number. Type a number such as 1.2.",
        "2", "", "");
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
    // No interpretation: only the notes on the result that stands.
    QCOMPARE(window->explanation(), screen->notesText());

    // The keypad's Enter in a value field calculates too.
    typeAll(screen, QStringLiteral("Weight=50 SerumCreatinine=4"));
    QWidget* age = child<QWidget>(screen, "Age");
    age->setFocus();
    QTest::keyClick(age, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(text(screen, "Result"), QStringLiteral("6.94 mL/min"));
    QCOMPARE(text(screen, "MoreInfo"), QString::fromLatin1(Severe));
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

// A value next to the smallest accepted one can still take a ratio beyond the
// doubles: Calculate then fails like any other, and no earlier result stays.
void TestScreens::resultNotFinite()
{
    CalculatorScreen* screen = proceedTo(2, 3);
    typeAll(screen,
            QStringLiteral("SerumCreatinine=1 UnitSerumCreatinine=mg/dL UrineCreatinine=100 "
                           "UnitUrineCreatinine=mg/dL SerumSodium=140 UrineSodium=40"));
    calculate(screen, m_fake, "", "0", "0.29 % FE-Na", "");
    typeAll(screen, QStringLiteral("SerumCreatinine=32767 UrineCreatinine=1e-300 "
                                   "SerumSodium=1e-300 UrineSodium=32767"));
    calculate(screen, m_fake,
              "beep|beep|warning:Data entry incomplete\r\rFractional Sodium Excretion: the result "
              "is not a finite number, so there is none",
              "1", "", "");
}

// Age and Weight keep a value with decimals as typed and compute with it.
void TestScreens::decimalAgeAndWeight_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("age");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("kept"); // the Weight field afterwards
    QTest::addColumn<QString>("result");
    // (140 - age) * weight / (1.0 * 72)
    QTest::addRow("age 40,5 and 70,5 kg in German")
        << QLocale(QLocale::German, QLocale::Germany) << u"40,5"_s << u"70,5"_s << u"70,5"_s
        << u"97,43 mL/min"_s;
    QTest::addRow("seven characters at most")
        << QLocale(QLocale::English, QLocale::UnitedStates) << u"40"_s << u"70.50000001"_s
        << u"70.5000"_s << u"97.92 mL/min"_s;
}

void TestScreens::decimalAgeAndWeight()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, age);
    QFETCH(QString, weight);
    QFETCH(QString, kept);
    QFETCH(QString, result);
    QLocale::setDefault(locale);
    CalculatorScreen* screen = proceedTo(2, 1);
    typeAll(screen,
            u"Gender=Male SerumCreatinine=1 UnitSerumCreatinine=mg/dL UnitWeight=kg Age="_s + age +
                u" Weight="_s + weight);
    press(screen, "Calculate");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(m_fake.trace(), QStringList());
    QCOMPARE(text(screen, "Age"), age);
    QCOMPARE(text(screen, "Weight"), kept);
    QCOMPARE(text(screen, "Result"), result);
}

// Both entries of the Cockcroft-Gault clearance give no result from an age of
// 140 on; the age itself sounds no beep, only "Data entry incomplete" does.
void TestScreens::ageOutsideTheFormula_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("age");
    QTest::addColumn<QString>("dialogs");
    QTest::addColumn<QString>("errors");
    QTest::addColumn<QString>("result");

    // Both entries give the finding: tst_items; 139.99 still computes: tst_items.
    const QString incomplete = u"beep|warning:Data entry incomplete"_s;
    QTest::addRow("GFR, 140") << 4 << u"140"_s << incomplete << u"1"_s << QString();
    QTest::addRow("150 with a weight missing counts two")
        << 1 << u"150 Weight="_s << incomplete << u"2"_s << QString();
}

void TestScreens::ageOutsideTheFormula()
{
    QFETCH(int, position);
    QFETCH(QString, age);
    QFETCH(QString, dialogs);
    QFETCH(QString, errors);
    QFETCH(QString, result);
    CalculatorScreen* screen = proceedTo(2, position);
    typeAll(screen, u"Weight=72 UnitWeight=kg Gender=Male SerumCreatinine=1 "
                    u"UnitSerumCreatinine=mg/dL Age="_s +
                        age);
    m_fake.clear();
    press(screen, "Calculate");
    QCOMPARE(m_fake.trace().join(u'|'), dialogs);
    QCOMPARE(text(screen, "Errors"), errors);
    QCOMPARE(text(screen, "Result"), result);
}

// Urine phosphorus and urine urate stand below Volume in the urine column,
// take input only for the items that use them and come last among the fields
// in keyboard order.
void TestScreens::urineRowsOfTheRenalScreen_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QStringList>("tabs"); // the focus after each Tab

    QTest::addRow("phosphorus clearance")
        << 5 << u"UrineVolume"_s
        << QStringList{u"UrinePhosphorus"_s, u"UnitUrinePhosphorus"_s, u"Calculate"_s};
    QTest::addRow("uric acid ratio")
        << 9 << u"UnitUrineCreatinine"_s
        << QStringList{u"UrineUrate"_s, u"UnitUrineUrate"_s, u"Calculate"_s};
    QTest::addRow("an item without them skips them")
        << 10 << u"UrineVolume"_s << QStringList{u"Calculate"_s};
}

void TestScreens::urineRowsOfTheRenalScreen()
{
    QFETCH(int, position);
    QFETCH(QString, from);
    QFETCH(QStringList, tabs);
    CalculatorScreen* kidney = showCalculatorScreen(ScreenId::Kidney);
    auto* grid = kidney->findChild<QGridLayout*>();
    QVERIFY(grid);
    const auto cellOf = [grid](QWidget* w) {
        int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(w), &row, &column, &rowSpan, &columnSpan);
        return std::pair{row, column};
    };
    const auto [volumeRow, urineColumn] = cellOf(child<QWidget>(kidney, "UrineVolume"));
    int expectedRow = volumeRow + 1;
    for (A id : {A::UrinePhosphorus, A::UrineUrate}) {
        const AnalyteWidgets& w = kidney->form().widgets(id);
        QCOMPARE(cellOf(w.value), std::pair(expectedRow++, urineColumn));
        QVERIFY(!w.value->isEnabled() && !w.unitList->isEnabled());
    }

    CalculatorScreen* screen = proceedTo(2, position);
    QCOMPARE(screen, kidney);
    screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(screen));
    child<QWidget>(screen, qPrintable(from))->setFocus();
    for (const QString& next : tabs) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusName(screen), next);
    }
}

QUARVEX_TEST_MAIN(TestScreens)
#include "tst_screens.moc"
