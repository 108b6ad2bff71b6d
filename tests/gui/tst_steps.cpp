#include "calc/items.h"
#include "cases/casefile.h"
#include "modalguard.h"
#include "overview/frmdata.h"
#include "overview/frmresult.h"
#include "overview/overviewwindows.h"
#include "overview/resultsmodel.h"
#include "overviewdriver.h"
#include "quickdriver.h"
#include "screenfixture.h"
#include "steps/stepsview.h"
#include "testfields.h"
#include "testmain.h"

#include <QHelpEvent>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolTip>

#include <cmath>
#include <optional>

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::StringLiterals;

namespace {

const char* const PressFirst = "Press Calculate first.";

// Transferrin saturation on the liver screen: iron over TIBC, in percent.
constexpr int LiverCategory = 1;
constexpr int SaturationPosition = 4;
constexpr int AlbuminPosition = 1;

QString saturationListText()
{
    return QString::fromLatin1(item(ItemId::TransferrinSaturation).listText);
}

// What the Steps window shows: the value of its first row, or nothing when
// it shows the message instead.
std::optional<double> shownValue(const WorkedStepsWindow* window)
{
    const StepsView* view = window->view();
    if (!view->derivation())
        return std::nullopt;
    return view->derivation()->rows.value(0).value;
}

} // namespace

class TestSteps : public ScreenFixture
{
    Q_OBJECT

private Q_SLOTS:
    void stepsButton();
    void windowStates_data();
    void windowStates();
    void escapeCloses();
    void resultsRowShowsItsSteps_data();
    void resultsRowShowsItsSteps();
    void formulaTooltip();
};

void TestSteps::stepsButton()
{
    CalculatorScreen* screen = proceedTo(LiverCategory, SaturationPosition);
    auto* button = child<QPushButton>(screen, "StepsButton");
    QVERIFY(button);
    QCOMPARE(button->accessibleName(), QStringLiteral("Steps"));
    QCOMPARE(button->shortcut(), QKeySequence(QStringLiteral("Alt+S")));
    // In the row of Calculate and Clear All, after them in the keyboard order.
    auto* clear = child<QPushButton>(screen, "Clear");
    QCOMPARE(button->y(), clear->y());
    QCOMPARE(clear->nextInFocusChain(), button);
    press(screen, "StepsButton");
    QVERIFY(screen->stepsWindow());
    QVERIFY(screen->stepsWindow()->isVisible());
    QCOMPARE(screen->stepsWindow()->windowTitle(), QStringLiteral("Worked Steps"));
}

void TestSteps::windowStates_data()
{
    // Actions in order: open (Steps), calc (Iron 100, TIBC 300), second
    // (Iron 150, Calculate), fail (Iron emptied, Calculate), proceed (to the
    // albumin/globulin item), clear (Clear All).
    QTest::addColumn<QString>("actions");
    QTest::addColumn<double>("value"); // NaN: the message stands

    const double none = std::nan("");
    QTest::addRow("before Calculate") << "open" << none;
    QTest::addRow("after Calculate, opened later") << "calc open" << 100.0 / 3;
    QTest::addRow("after Calculate, opened before") << "open calc" << 100.0 / 3;
    QTest::addRow("following a second Calculate") << "open calc second" << 50.0;
    QTest::addRow("after a failed Calculate") << "open calc fail" << none;
    QTest::addRow("a failed Calculate before opening") << "calc fail open" << none;
    QTest::addRow("after Proceed to another item") << "open calc proceed" << none;
    QTest::addRow("after Clear All") << "open calc clear" << none;
    QTest::addRow("a Calculate after a failure") << "open calc fail second" << 50.0;
}

void TestSteps::windowStates()
{
    QFETCH(QString, actions);
    QFETCH(double, value);
    CalculatorScreen* screen = proceedTo(LiverCategory, SaturationPosition);
    for (const QString& action : actions.split(u' ')) {
        if (action == u"open") {
            press(screen, "StepsButton");
        } else if (action == u"calc") {
            typeAll(screen, QStringLiteral("Iron=100 UnitIron=ug/dL TIBC=300 UnitTIBC=ug/dL"));
            press(screen, "Calculate");
        } else if (action == u"second") {
            typeAll(screen, QStringLiteral("Iron=150 UnitIron=ug/dL TIBC=300 UnitTIBC=ug/dL"));
            press(screen, "Calculate");
        } else if (action == u"fail") {
            child<QLineEdit>(screen, "Iron")->clear();
            press(screen, "Calculate");
        } else if (action == u"proceed") {
            QCOMPARE(proceedTo(LiverCategory, AlbuminPosition), screen);
        } else if (action == u"clear") {
            press(screen, "Clear");
        }
    }
    WorkedStepsWindow* window = screen->stepsWindow();
    QVERIFY(window && window->isVisible());
    const QTextBrowser* browser = window->view()->browser();
    const std::optional<double> shown = shownValue(window);
    if (std::isnan(value)) {
        QVERIFY(!shown);
        QCOMPARE(browser->toPlainText(), QString::fromLatin1(PressFirst));
        QVERIFY(window->view()->pictures().isEmpty());
        return;
    }
    QVERIFY(shown);
    QCOMPARE(*shown, value);
    QCOMPARE(window->view()->derivation()->listText, saturationListText());
    QVERIFY(browser->toPlainText() != QString::fromLatin1(PressFirst));
    QVERIFY(browser->textInteractionFlags() & Qt::TextSelectableByMouse);
    // The picture marks the same value in the band the result's text came from.
    const QList<BandPicture*> pictures = window->view()->pictures();
    QCOMPARE(pictures.size(), 1);
    QVERIFY(pictures[0]->scale().value);
    QCOMPARE(*pictures[0]->scale().value, value);
    const DerivedRow& row = window->view()->derivation()->rows.at(0);
    QVERIFY(row.chosenBand >= 0);
    QCOMPARE(pictures[0]->scale().chosen, row.chosenBand);
    QCOMPARE(text(screen, "MoreInfo"), row.bands[row.chosenBand].text.value_or(QString()));
}

void TestSteps::escapeCloses()
{
    CalculatorScreen* screen = proceedTo(LiverCategory, SaturationPosition);
    press(screen, "StepsButton");
    QPointer<WorkedStepsWindow> window = screen->stepsWindow();
    QVERIFY(window && window->isVisible());
    QTest::keyClick(window->view()->browser(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window || !window->isVisible());
    QVERIFY(screen->isVisible()); // only the steps went
    // Steps opens it again.
    press(screen, "StepsButton");
    QVERIFY(screen->stepsWindow() && screen->stepsWindow()->isVisible());
}

void TestSteps::resultsRowShowsItsSteps_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("item");
    // The example's 28 rows: items 1, 4 and 14 give three rows each.
    QTest::addRow("first row of the cholesterol levels") << 0 << int(ItemId::CholesterolLevels);
    QTest::addRow("a row of one") << 3 << int(ItemId::CholesterolHdlRatio);
    QTest::addRow("urea ratios, second row") << 18 << int(ItemId::UreaCreatinineRatios);
    QTest::addRow("last row") << 27 << int(ItemId::TransferrinCalculated);
}

void TestSteps::resultsRowShowsItsSteps()
{
    QFETCH(int, row);
    QFETCH(int, item);
    ModalGuard guard;
    OverviewWindows overview(m_fake);
    typeIntoDataEntry(overview, exampleFields());
    overview.fillResultGrid();
    ResultsWindow* window = overview.results();
    QVERIFY(window);
    QCOMPARE(window->rows()->rowCount(), 34);
    QVERIFY(!window->steps()->derivation()); // nothing selected yet

    window->grid()->selectRow(row);
    const std::optional<Derivation>& shown = window->steps()->derivation();
    QVERIFY(shown);
    QCOMPARE(int(shown->item), item);
    QCOMPARE(shown->listText, QString::fromLatin1(overviewItems()[size_t(item)].listText));
    // The selected row is one of the derivation's rows, with the same result.
    const ResultRow& gridRow = window->rows()->rows().at(row);
    bool found = false;
    for (const DerivedRow& derived : shown->rows)
        found = found || (derived.name == gridRow.name && derived.result == gridRow.result);
    QVERIFY2(found, qPrintable(gridRow.name));
    QVERIFY(window->steps()->browser()->isVisible());
    QCOMPARE(window->splitter()->indexOf(window->steps()), 1);
}

// The formula line shows symbols; resting the pointer on it gives the
// formula in words and as a plain expression.
void TestSteps::formulaTooltip()
{
    const Inputs inputs(F(u"AST=40; ALT=50"_s), English);
    const ItemDescriptor& ratio = item(ItemId::AstAltRatio);
    StepsView view;
    view.resize(800, 600);
    view.setDerivation(derive(ratio, inputs, ratio.compute(inputs)));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTextBrowser* text = view.browser();
    QTextCursor at = text->document()->find(u"AST/ALT = AST ÷ ALT"_s);
    QVERIFY(!at.isNull());
    at.setPosition(at.selectionStart() + 2);
    const QPoint pos = text->cursorRect(at).center();
    QHelpEvent help(QEvent::ToolTip, pos, text->viewport()->mapToGlobal(pos));
    QCoreApplication::sendEvent(text->viewport(), &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), u"AST/ALT = AST ÷ ALT\nExpression: AST / ALT"_s);
    QToolTip::hideText();
}

QUARVEX_TEST_MAIN(TestSteps)
#include "tst_steps.moc"
