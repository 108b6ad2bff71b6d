#include "analytes/hints.h"
#include "calc/items.h"
#include "fakedialogs.h"
#include "overview/frmdata.h"
#include "overview/overviewwindows.h"
#include "practice/exercise.h"
#include "practice/scenarios.h"
#include "quickdriver.h"
#include "screenfixture.h"
#include "screens/calculatorscreen.h"
#include "testmain.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::Literals::StringLiterals;

// Example Case on the Data Entry window and on a calculator screen: a menu of
// the clinical scenarios fills the fields with a patient of one, and nothing
// typed is lost without the question the window asks before it.
class TestExampleCase : public ScreenFixture
{
    Q_OBJECT

private Q_SLOTS:
    void dataEntryMenu();
    void dataEntryAsksBeforeReplacing();
    void screenMenuOffersScenariosOfTheItem();
    void screenFillsTheItemAndAsksFirst();
    void exampleCasesRaiseNoHint();
};

namespace {

QMenu* exampleMenu(QWidget* window)
{
    auto* button = window->findChild<QPushButton*>(u"ExampleCaseButton"_s);
    if (!button)
        return nullptr;
    return button->menu();
}

QStringList menuIds(QMenu* menu)
{
    QStringList ids;
    for (QAction* action : menu->actions())
        ids << action->objectName().mid(int(qstrlen("Scenario_")));
    return ids;
}

QAction* scenarioAction(QWidget* window, const QString& id)
{
    QMenu* menu = exampleMenu(window);
    return menu ? menu->findChild<QAction*>(u"Scenario_"_s + id) : nullptr;
}

} // namespace

void TestExampleCase::dataEntryMenu()
{
    OverviewWindows overview(m_fake);
    DataEntryWindow* data = overview.showDataEntry();
    auto* button = data->findChild<QPushButton*>(u"ExampleCaseButton"_s);
    QVERIFY(button);
    QVERIFY(!button->accessibleName().isEmpty());
    QCOMPARE(menuIds(exampleMenu(data)), scenarioIds());

    scenarioAction(data, u"iron-deficiency"_s)->trigger();
    // A patient of the scenario: iron values filled, the others left empty.
    const AnalyteForm& form = data->form();
    QVERIFY(!form.value(AnalyteId::Ferritin).isEmpty());
    QVERIFY(!form.value(AnalyteId::TIBC).isEmpty());
    QVERIFY(!form.value(AnalyteId::Age).isEmpty());
    QVERIFY(form.value(AnalyteId::Chol).isEmpty());
    QVERIFY(form.value(AnalyteId::SerumCreatinine).isEmpty());
    const Inputs inputs(form, QLocale::c());
    QVERIFY(inputs[AnalyteId::Ferritin].converted < 15.0);
    // A new, untitled case: nothing asked, nothing unsaved.
    QVERIFY(m_fake.calls().isEmpty());
    QVERIFY(!data->hasUnsavedChanges());
}

void TestExampleCase::dataEntryAsksBeforeReplacing()
{
    OverviewWindows overview(m_fake);
    DataEntryWindow* data = overview.showDataEntry();
    data->form().setValue(AnalyteId::Age, u"44"_s);
    QVERIFY(data->hasUnsavedChanges());
    // Cancel keeps what was typed.
    m_fake.answerSaveWith(SaveChoice::Cancel);
    scenarioAction(data, u"healthy"_s)->trigger();
    QCOMPARE(m_fake.calls().size(), 1);
    QCOMPARE(m_fake.calls()[0].kind, FakeDialogs::Kind::SaveQuestion);
    QCOMPARE(data->form().value(AnalyteId::Age), u"44"_s);
    QVERIFY(data->form().value(AnalyteId::SerumSodium).isEmpty());
    // Discard takes the example.
    m_fake.answerSaveWith(SaveChoice::Discard);
    scenarioAction(data, u"healthy"_s)->trigger();
    QVERIFY(!data->form().value(AnalyteId::SerumSodium).isEmpty());
}

void TestExampleCase::screenMenuOffersScenariosOfTheItem()
{
    CalculatorScreen* screen = proceedTo(2, 1); // creatinine clearance
    QVERIFY(screen->itemId());
    QStringList expected;
    for (const Scenario& s : scenarios()) {
        if (supports(s, *screen->itemId()))
            expected << QString::fromLatin1(s.id);
    }
    QCOMPARE(menuIds(exampleMenu(screen)), expected);
    QVERIFY(!menuIds(exampleMenu(screen)).contains(u"iron-deficiency"_s));
}

void TestExampleCase::screenFillsTheItemAndAsksFirst()
{
    CalculatorScreen* screen = proceedTo(2, 1);
    QVERIFY(screen->fillExampleCase(u"ckd-g4"_s, 7));
    QVERIFY(m_fake.calls().isEmpty());
    const AnalyteForm& form = screen->form();
    QVERIFY(!form.value(AnalyteId::SerumCreatinine).isEmpty());
    QVERIFY(!form.value(AnalyteId::Weight).isEmpty());
    press(screen, "Calculate");
    QVERIFY(screen->derivation());
    // Values on the screen: asked first; No keeps them.
    const QString creatinine = form.value(AnalyteId::SerumCreatinine);
    m_fake.answerConfirmWith(false);
    QVERIFY(!screen->fillExampleCase(u"healthy"_s, 8));
    QCOMPARE(m_fake.calls().size(), 1);
    QCOMPARE(m_fake.calls()[0].kind, FakeDialogs::Kind::Confirm);
    QCOMPARE(form.value(AnalyteId::SerumCreatinine), creatinine);
    QVERIFY(screen->fillExampleCase(u"healthy"_s, 8));
    // The result of the earlier values no longer stands.
    QVERIFY(!screen->derivation());
}

// Every scenario's example, on the whole Data Entry window, raises no hint.
void TestExampleCase::exampleCasesRaiseNoHint()
{
    QList<AnalyteId> all;
    for (const Analyte& a : analytes())
        all << a.id;
    for (const Scenario& s : scenarios()) {
        for (quint64 seed = 1; seed <= 5; ++seed) {
            const std::optional<MapFields> fields =
                exampleCase(QString::fromLatin1(s.id), all, seed);
            QVERIFY(fields);
            const QList<FieldHint> hints = caseHints(Inputs(*fields, QLocale::c()));
            QVERIFY2(hints.isEmpty(),
                     qPrintable(QLatin1String(s.id) + u": "_s +
                                (hints.isEmpty() ? QString() : hints.first().text)));
        }
    }
    QVERIFY(!exampleCase(u"nope"_s, all, 1));
}

QUARVEX_TEST_MAIN(TestExampleCase)
#include "tst_examplecase.moc"
