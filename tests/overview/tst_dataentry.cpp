#include "app/navigation.h"
#include "app/windows.h"
#include "fakedialogs.h"
#include "modalguard.h"
#include "overview/frmdata.h"
#include "overview/frmlist.h"
#include "overviewfixture.h"
#include "testmain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

using namespace quarvex;
using namespace quarvex::test;

namespace {

FrmData* openData() {
    showDataEntry();
    return openWindow<FrmData>();
}

QTabWidget* tabs(FrmData* data) {
    return data->findChild<QTabWidget*>(QStringLiteral("TabStrip1"));
}

QWidget* page(FrmData* data, int index) {
    return data->findChild<QWidget*>(QStringLiteral("Frame1_%1").arg(index));
}

} // namespace

class TestDataEntry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { closeOverviewWindows(); }

    void texts_data();
    void texts();
    void fieldsInTheirPagesAndOrder_data();
    void fieldsInTheirPagesAndOrder();
    void loadState();
    void tabSwitching();
    void urineValuesCountFromTheBloodTab();
    void clearEmptiesFieldsOnly();
    void typedUnitStaysAsTyped();
    void exitLosesValues();
    void tabOrderFollowsTheColumns();
};

void TestDataEntry::texts_data() {
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("text");
    const char* const rows[][2] = {
        {"IronStudiesLabel", "Iron Studies"},
        {"MineralsLabel", "Minerals"},
        {"LipidsLabel", "Lipids"},
        {"KidneyLabel", "Kidney Function"},
        {"LiverLabel", "Liver Functions"},
        {"Label1", "Urine Sample (24-hour)"},
        {"ClearButton", "Clear"},
        {"OKbutton", "OK"},
        {"EXITbutton", "EXIT"},
        {"AgeLabel", "Age:"},
        {"CholLabel", "Cholesterol:"},
        {"HDLLabell", "HDL:"},
        {"LDLLabel", "LDL: "},
        {"UnitUrineVolume", "ml"},
        {"UnitSerumSodium", "mEq/L or mmol/L"},
    };
    for (const auto& row : rows)
        QTest::addRow("%s", row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
}

void TestDataEntry::texts() {
    QFETCH(QString, objectName);
    QFETCH(QString, text);
    FrmData* data = openData();
    QCOMPARE(data->windowTitle(), QStringLiteral("Data Entry"));
    QWidget* w = data->findChild<QWidget*>(objectName);
    QVERIFY2(w, qPrintable(objectName));
    if (auto* label = qobject_cast<QLabel*>(w))
        QCOMPARE(label->text(), text);
    else
        QCOMPARE(qobject_cast<QPushButton*>(w)->text(), text);
}

void TestDataEntry::fieldsInTheirPagesAndOrder_data() {
    QTest::addColumn<QString>("pageName");
    QTest::addColumn<QStringList>("fields"); // top to bottom, left column first
    QTest::addRow("above the tabs") << QString() << strs({"Age", "Gender", "Weight"});
    QTest::addRow("blood") << QStringLiteral("Frame1_1")
                           << strs({"Iron",
                                    "Ferritin",
                                    "TIBC",
                                    "Transferrin",
                                    "SerumCalcium",
                                    "SerumPhosphorus",
                                    "SerumPotassium",
                                    "SerumSodium",
                                    "Chol",
                                    "HDL",
                                    "LDL",
                                    "SerumCreatinine",
                                    "SerumUrate",
                                    "SerumUrea",
                                    "Albumin",
                                    "SerumAmylase",
                                    "ALT",
                                    "AST",
                                    "BilirubinDirect",
                                    "BilirubinTotal",
                                    "Globulin"});
    QTest::addRow("urine") << QStringLiteral("Frame1_2")
                           << strs({"UrineAmylase", "UrineCalcium", "UrineCreatinine",
                                    "UrineProtein", "UrinePotassium", "UrineSodium", "UrineUrea",
                                    "UrineVolume"});
}

void TestDataEntry::fieldsInTheirPagesAndOrder() {
    QFETCH(QString, pageName);
    QFETCH(QStringList, fields);
    FrmData* data = openData();
    QWidget* container = pageName.isEmpty() ? data : page(data, pageName.back().digitValue());
    tabs(data)->setCurrentWidget(pageName == QLatin1String("Frame1_2") ? page(data, 2)
                                                                       : page(data, 1));
    data->adjustSize();
    QPoint previous(-1, -1);
    for (const QString& name : fields) {
        QWidget* field = container->findChild<QWidget*>(name);
        QVERIFY2(field, qPrintable(name));
        if (!pageName.isEmpty())
            QCOMPARE(field->parentWidget(), container);
        const Analyte& a = *std::find_if(analytes().begin(), analytes().end(),
                                         [&](const Analyte& x) { return x.fieldName() == name; });
        // Caption to the left of its field, unit to the right.
        auto* caption = data->findChild<QLabel*>(a.labelName());
        QCOMPARE(caption->buddy(), field);
        QVERIFY(caption->geometry().right() < field->geometry().left());
        if (QWidget* unit = data->findChild<QWidget*>(a.unitFieldName()))
            QVERIFY(unit->geometry().left() > field->geometry().right());
        // Same column below the previous one, or a later (right-hand) column.
        const QPoint at = field->mapTo(data, QPoint(0, 0));
        if (pageName.isEmpty())
            QVERIFY(previous.x() < 0 || (at.x() > previous.x() && qAbs(at.y() - previous.y()) < 8));
        else
            QVERIFY2(at.x() > previous.x() + 20 ||
                         (qAbs(at.x() - previous.x()) < 4 && at.y() > previous.y()),
                     qPrintable(name));
        previous = at;
    }
}

void TestDataEntry::loadState() {
    FrmData* data = openData();
    QCOMPARE(data->currentFrame(), 1);
    QCOMPARE(tabs(data)->count(), 2);
    QCOMPARE(tabs(data)->tabText(0), QStringLiteral("Blood"));
    QCOMPARE(tabs(data)->tabText(1), QStringLiteral("Urine"));
    QVERIFY(page(data, 1)->isVisible());
    QVERIFY(!page(data, 2)->isVisible());
    for (const Analyte& a : analytes()) {
        QCOMPARE(data->form().value(a.id), QString());
        QCOMPARE(data->form().unit(a.id), QString());
    }
    auto* unit = data->findChild<QComboBox*>(QStringLiteral("UnitFerritin"));
    QCOMPARE(unit->count(), 3);
    QCOMPARE(unit->itemText(2), QStringLiteral("pmol/L"));
    auto* errors = data->findChild<QLineEdit*>(QStringLiteral("Errors"));
    QVERIFY(errors && !errors->isVisible());
    QCOMPARE(data->findChild<QLineEdit*>(QStringLiteral("Age"))->maxLength(), 3);
    QCOMPARE(data->findChild<QLineEdit*>(QStringLiteral("Weight"))->maxLength(), 3);
}

void TestDataEntry::tabSwitching() {
    FrmData* data = openData();
    QTabBar* bar = tabs(data)->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QCOMPARE(data->currentFrame(), 2);
    QVERIFY(page(data, 2)->isVisible());
    QVERIFY(!page(data, 1)->isVisible());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QCOMPARE(data->currentFrame(), 2);
    QVERIFY(page(data, 2)->isVisible());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    QCOMPARE(data->currentFrame(), 1);
    QVERIFY(page(data, 1)->isVisible());
    QVERIFY(!page(data, 2)->isVisible());
}

void TestDataEntry::urineValuesCountFromTheBloodTab() {
    ScopedFakeDialogs fake;
    FrmData* data = openData();
    tabs(data)->setCurrentIndex(1);
    QTest::keyClicks(data->findChild<QLineEdit*>(QStringLiteral("UrineVolume")),
                     QStringLiteral("1500"));
    QTest::keyClicks(data->findChild<QLineEdit*>(QStringLiteral("UrinePotassium")),
                     QStringLiteral("45"));
    tabs(data)->setCurrentIndex(0);
    QCOMPARE(data->form().value(AnalyteId::UrineVolume), QStringLiteral("1500"));
    QTest::mouseClick(data->findChild<QPushButton*>(QStringLiteral("OKbutton")), Qt::LeftButton);
    FrmList* list = openWindow<FrmList>();
    QVERIFY(list && list->isVisible());
    QCOMPARE(list->list()->count(), 1);
    QCOMPARE(list->list()->item(0)->text(), QStringLiteral("Urinary Potassium Excretion Rate"));
    QVERIFY(openWindow<FrmData>()); // stays open underneath
}

void TestDataEntry::clearEmptiesFieldsOnly() {
    FrmData* data = openData();
    typeIntoDataEntry(exampleFields());
    data->form().setUnit(AnalyteId::UrineCalcium, QStringLiteral("mmol/L"));
    data->setErrors(3);
    tabs(data)->setCurrentIndex(1);
    QTest::mouseClick(data->findChild<QPushButton*>(QStringLiteral("ClearButton")), Qt::LeftButton);
    for (const Analyte& a : analytes()) {
        QCOMPARE(data->form().value(a.id), QString());
        QCOMPARE(data->form().unit(a.id), QString());
    }
    QCOMPARE(data->errors(), 0);
    QCOMPARE(data->findChild<QLabel*>(QStringLiteral("UnitUrineVolume"))->text(),
             QStringLiteral("ml"));
    QCOMPARE(data->currentFrame(), 2);
    QCOMPARE(tabs(data)->currentIndex(), 1);
    // The lists stay filled for a new choice.
    auto* unit = data->findChild<QComboBox*>(QStringLiteral("UnitUrineCalcium"));
    QCOMPARE(unit->count(), 2);
    unit->setCurrentIndex(1);
    QCOMPARE(data->form().unit(AnalyteId::UrineCalcium), QStringLiteral("mmol/L"));
}

void TestDataEntry::typedUnitStaysAsTyped() {
    ScopedFakeDialogs fake;
    FrmData* data = openData();
    auto* unit = data->findChild<QComboBox*>(QStringLiteral("UnitSerumCreatinine"));
    QTest::keyClicks(data->findChild<QLineEdit*>(QStringLiteral("SerumCreatinine")),
                     QStringLiteral("1.0"));
    QTest::keyClicks(data->findChild<QLineEdit*>(QStringLiteral("SerumUrate")),
                     QStringLiteral("6"));
    QTest::keyClicks(unit->lineEdit(), QStringLiteral("MG/DL"));
    data->form().setUnit(AnalyteId::SerumUrate, QStringLiteral("mg/dL"));
    QCOMPARE(data->form().unit(AnalyteId::SerumCreatinine), QStringLiteral("MG/DL"));
    QTest::mouseClick(data->findChild<QPushButton*>(QStringLiteral("OKbutton")), Qt::LeftButton);
    QCOMPARE(openWindow<FrmList>()->list()->count(), 0); // item 12 needs an exact unit
    QCOMPARE(fake->beeps(), 8); // serum creatinine beeps for each item that checks it
    QCOMPARE(data->form().unit(AnalyteId::SerumCreatinine), QStringLiteral("MG/DL"));
}

void TestDataEntry::exitLosesValues() {
    FrmData* data = openData();
    data->form().setValue(AnalyteId::Age, QStringLiteral("40"));
    tabs(data)->setCurrentIndex(1);
    QTest::mouseClick(data->findChild<QPushButton*>(QStringLiteral("EXITbutton")), Qt::LeftButton);
    QVERIFY(!openWindow<FrmData>());
    data = openData();
    QCOMPARE(data->form().value(AnalyteId::Age), QString());
    QCOMPARE(data->currentFrame(), 1);
    QVERIFY(page(data, 1)->isVisible());
}

void TestDataEntry::tabOrderFollowsTheColumns() {
    FrmData* data = openData();
    // The next widget that Tab can reach (an editable list counts with its line edit).
    auto next = [&](const char* name) {
        QWidget* w = data->findChild<QWidget*>(QString::fromLatin1(name));
        if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit())
            w = combo->lineEdit();
        do {
            w = w->nextInFocusChain();
        } while (!(w->focusPolicy() & Qt::TabFocus));
        if (auto* combo = qobject_cast<QComboBox*>(w->parentWidget()))
            return static_cast<QWidget*>(combo);
        return w;
    };
    QCOMPARE(next("Age"), data->findChild<QWidget*>(QStringLiteral("Gender")));
    QCOMPARE(next("Weight"), data->findChild<QWidget*>(QStringLiteral("UnitWeight")));
    QCOMPARE(next("UnitWeight"), static_cast<QWidget*>(tabs(data)->tabBar()));
    QCOMPARE(tabs(data)->tabBar()->nextInFocusChain(),
             data->findChild<QWidget*>(QStringLiteral("Iron")));
    QCOMPARE(next("UnitLDL"), data->findChild<QWidget*>(QStringLiteral("SerumCreatinine")));
    QCOMPARE(next("Globulin"), data->findChild<QWidget*>(QStringLiteral("UnitGlobulin")));
    QCOMPARE(next("UnitGlobulin"), data->findChild<QWidget*>(QStringLiteral("UrineAmylase")));
    QCOMPARE(next("UrineVolume"), data->findChild<QWidget*>(QStringLiteral("OKbutton")));
}

QUARVEX_TEST_MAIN(TestDataEntry)
#include "tst_dataentry.moc"
