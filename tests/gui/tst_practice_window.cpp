// The Practice window as a learner uses it: answers typed from the core's
// own exercise, Check, the marks, the feedback, Show step, New case, the
// score of the run, and the ways in from the switchboard and the screens.

#include "app/frmswitchboard.h"
#include "calc/items.h"
#include "fakedialogs.h"
#include "practice/frmpractice.h"
#include "practice/slips.h"
#include "practice/worksheet.h"
#include "quickdriver.h"
#include "steps/stepsview.h"
#include "testmain.h"
#include "worksheet/frmworksheet.h"

#include <QAccessible>
#include <QFile>
#include <QJsonDocument>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::StringLiterals;

namespace {

QWidget* answerField(PracticeWindow* window, const QString& id)
{
    return window->findChild<QWidget*>(u"Answer_"_s + id);
}

// A label's text as read (the word joiners that keep its words whole left out).
QString labelText(PracticeWindow* window, const QString& name)
{
    auto* label = window->findChild<QLabel*>(name);
    return label ? QString(label->text()).remove(QChar(0x2060)) : u"<no "_s + name + u">"_s;
}

// Where the label's text breaks into lines at its width, as QLabel lays it out.
QList<int> lineBreaks(const QLabel* label)
{
    QTextLayout layout(label->text(), label->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QList<int> breaks;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->contentsRect().width());
        if (line.textStart() > 0)
            breaks << line.textStart();
    }
    layout.endLayout();
    return breaks;
}

// Types an answer as a learner does: into the field, or the choice from the list.
void typeAnswer(PracticeWindow* window, const ExerciseStep& step, const QString& text)
{
    QWidget* field = answerField(window, step.id);
    QVERIFY2(field, qPrintable(step.id));
    if (auto* box = qobject_cast<QComboBox*>(field)) {
        box->setCurrentIndex(box->findText(text));
        return;
    }
    auto* edit = qobject_cast<QLineEdit*>(field);
    QVERIFY(edit && !edit->isReadOnly());
    edit->clear();
    QTest::keyClicks(edit, text);
}

// The expected answer of every asked step, as the core's own exercise for
// the window's case gives it (numbers written in `format`).
void typeExpected(PracticeWindow* window, const QLocale& format)
{
    const Exercise& shown = window->exercise();
    const Exercise ex = makeExercise(shown.item, shown.seed, shown.level, std::nullopt, QLocale());
    QCOMPARE(ex.caseText(), shown.caseText());
    for (const ExerciseStep& step : ex.steps) {
        if (step.given)
            continue;
        if (step.kind == StepKind::Choice) {
            typeAnswer(window, step, step.expectedText);
        } else {
            // The text the steps show, in the format asked for (a learner
            // writes no group separators).
            QLocale numbers = format;
            numbers.setNumberOptions(QLocale::OmitGroupSeparator);
            const double value = readAnswerNumber(step.expectedText, QLocale()).value_or(NAN);
            QVERIFY2(std::isfinite(value), qPrintable(step.expectedText));
            const int decimals =
                std::max<int>(0, int(step.expectedText.size() -
                                     step.expectedText.lastIndexOf(QLocale().decimalPoint()) - 1));
            typeAnswer(window, step,
                       step.expectedText.contains(QLocale().decimalPoint())
                           ? numbers.toString(value, 'f', decimals)
                           : numbers.toString(value, 'f', 0));
        }
    }
}

PracticeWindow* practiceOn(ItemId item, quint64 seed, int level)
{
    PracticeWindow* window = showPractice(item);
    window->openCase(seed);
    window->setLevel(level);
    return window;
}

} // namespace

class TestPracticeWindow : public QObject
{
    Q_OBJECT
    ScopedFakeDialogs m_dialogs;

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void cleanup()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        closeEverything();
    }

    // Every item at every level: the core's expected answers are all marked
    // right, and the run counts the exercise right first time.
    void expectedAnswersAreRight_data()
    {
        QTest::addColumn<int>("itemNumber");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QLocale>("format");
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QLocale german(QLocale::German, QLocale::Germany);
        for (const ItemDescriptor& item : overviewItems())
            QTest::addRow("%s", item.listText) << int(item.id) << english << english;
        QTest::addRow("German, comma") << int(ItemId::CreatinineClearance) << german << german;
        QTest::addRow("German, point")
            << int(ItemId::CreatinineClearance) << german << QLocale::c();
        QTest::addRow("German, ratios") << int(ItemId::UreaCreatinineRatios) << german << german;
    }

    void expectedAnswersAreRight()
    {
        QFETCH(int, itemNumber);
        const auto item = ItemId(itemNumber);
        QFETCH(QLocale, locale);
        QFETCH(QLocale, format);
        QLocale::setDefault(locale);
        int done = 0;
        for (int level = 1; level <= PracticeLevels; ++level) {
            PracticeWindow* window = practiceOn(item, 7 + level, level);
            QCOMPARE(window->exercise().item, item);
            QCOMPARE(window->exercise().level, level);
            typeExpected(window, format);
            if (QTest::currentTestFailed())
                return;
            // Alt+C checks, as the button does (once per item: the click it
            // makes is animated and takes a moment).
            if (level == 1) {
                window->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(window));
                QTest::keyClick(window, Qt::Key_C, Qt::AltModifier);
                QTRY_VERIFY(window->lastGrade());
            } else {
                press(window, "CheckButton");
            }
            QVERIFY(window->lastGrade());
            for (const ExerciseStep& step : window->exercise().steps) {
                const QString mark = labelText(window, u"Mark_"_s + step.id);
                QVERIFY2(mark == (step.given ? u"Given"_s : u"Right"_s),
                         qPrintable(step.id + u": "_s + mark + u" "_s +
                                    labelText(window, u"Feedback_"_s + step.id)));
            }
            ++done;
            QCOMPARE(labelText(window, u"ScoreLine"_s),
                     u"%1 of %1 exercises right first time"_s.arg(done));
            // Done, and right: the worked steps and the next level are offered.
            QVERIFY(child<QPushButton>(window, "WorkedStepsButton")->isEnabled());
            QCOMPARE(child<QPushButton>(window, "NextLevelButton")->isVisible(),
                     level < PracticeLevels);
            QVERIFY(!child<QPushButton>(window, "SameLevelButton")->isVisible());
        }
    }

    // Enter in an answer field checks.
    void enterChecks()
    {
        PracticeWindow* window = practiceOn(ItemId::CholesterolHdlRatio, 3, 3);
        const ExerciseStep* first = nullptr;
        for (const ExerciseStep& step : window->exercise().steps) {
            if (!step.given && step.kind == StepKind::Number && !first)
                first = &step;
        }
        QVERIFY(first);
        auto* edit = qobject_cast<QLineEdit*>(answerField(window, first->id));
        QVERIFY(edit);
        QTest::keyClicks(edit, first->expectedText);
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(window->lastGrade());
        QCOMPARE(labelText(window, u"Mark_"_s + first->id), u"Right"_s);
        // Unanswered steps are not marked right, and the run counts the exercise wrong.
        QVERIFY(!window->lastGrade()->allCorrect());
        QCOMPARE(labelText(window, u"ScoreLine"_s), u"0 of 1 exercises right first time"_s);
        QVERIFY(child<QPushButton>(window, "SameLevelButton")->isVisible());
        QVERIFY(!child<QPushButton>(window, "NextLevelButton")->isVisible());
    }

    // A wrong Check mended step by step: the verdict reads the marks shown
    // now, while the run keeps the first Check's miss. A Check with nothing
    // typed, and every step shown, count nothing.
    void verdictFollowsTheMarks()
    {
        PracticeWindow* window = practiceOn(ItemId::CreatinineClearance, 11, 2);
        press(window, "CheckButton");
        QVERIFY(!window->lastGrade());
        QCOMPARE(window->exercisesDone(), 0);
        QVERIFY(labelText(window, u"Verdict"_s).startsWith(u"Nothing answered yet"_s));

        QList<const ExerciseStep*> numbers;
        for (const ExerciseStep& step : window->exercise().steps) {
            if (!step.given && step.kind == StepKind::Number)
                numbers << &step;
        }
        QVERIFY(numbers.size() >= 2);
        typeExpected(window, QLocale());
        typeAnswer(window, *numbers[0], u"1"_s);
        press(window, "CheckButton");
        QCOMPARE(labelText(window, u"Mark_"_s + numbers[0]->id), u"Wrong"_s);
        const int asked = window->lastGrade()->asked;
        QCOMPARE(labelText(window, u"Verdict"_s),
                 u"%1 of %2 steps right. Mend the steps marked Wrong, or try the same level with "
                 u"a new case."_s.arg(asked - 1)
                     .arg(asked));
        QCOMPARE(labelText(window, u"ScoreLine"_s), u"0 of 1 exercises right first time"_s);

        typeAnswer(window, *numbers[0], numbers[0]->expectedText);
        press(window, "CheckButton");
        QCOMPARE(labelText(window, u"Mark_"_s + numbers[0]->id), u"Right"_s);
        const QString verdict = labelText(window, u"Verdict"_s);
        QVERIFY2(verdict.startsWith(u"%1 of %1 steps right."_s.arg(asked)) &&
                     !verdict.contains(u"Wrong"_s),
                 qPrintable(verdict));
        QCOMPARE(labelText(window, u"ScoreLine"_s), u"0 of 1 exercises right first time"_s);

        // Every step shown, no Check: not counted.
        press(window, "SameLevelButton");
        while (child<QPushButton>(window, "ShowStepButton")->isEnabled())
            press(window, "ShowStepButton");
        QCOMPARE(window->exercisesDone(), 1);
        QCOMPARE(labelText(window, u"Verdict"_s), u"Every step shown."_s);
    }

    // Prompts, feedback and the case break into lines between words only,
    // never inside a unit ("umol/ L") or a hyphenated word, at every width
    // the window can take.
    void linesBreakBetweenWords()
    {
        PracticeWindow* window = practiceOn(ItemId::EgfrCkdEpi, 1, 2);
        for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
            if (edit->objectName().startsWith(u"Answer_"_s) && !edit->isReadOnly())
                edit->setText(u"1"_s);
        }
        press(window, "CheckButton");
        for (const int width : {window->width(), window->minimumWidth()}) {
            window->resize(width, window->height());
            QCoreApplication::processEvents();
            int broken = 0;
            for (QLabel* label : window->findChildren<QLabel*>()) {
                if (!label->wordWrap() || !label->isVisibleTo(window) || label->text().isEmpty())
                    continue;
                const QString text = label->text();
                for (const int at : lineBreaks(label)) {
                    ++broken;
                    QVERIFY2(text[at - 1].isSpace(),
                             qPrintable(label->objectName() + u": "_s +
                                        text.left(at).remove(QChar(0x2060)) + u" | "_s +
                                        text.mid(at).remove(QChar(0x2060))));
                }
            }
            // The narrowest window does break lines.
            if (width == window->minimumWidth())
                QVERIFY(broken > 0);
        }
    }

    // A slip's answer is marked wrong and told the slip, in the words the core
    // gives for it.
    void slipIsNamed()
    {
        const int level = 2;
        for (quint64 seed = 1; seed <= 50; ++seed) {
            const Exercise ex = makeExercise(ItemId::CreatinineClearance, seed, level);
            for (const SlipCase& slipCase : slipCases(ex)) {
                if (QLatin1String(slipCase.slip->id) != "conversion-not-done"_L1)
                    continue;
                const SlipAnswers slipped = slipAnswers(ex, slipCase);
                for (qsizetype i = 0; i < ex.steps.size(); ++i) {
                    const ExerciseStep& step = ex.steps[i];
                    const double value = slipped.numbers.value(i, NAN);
                    if (step.given || step.kind != StepKind::Number || !std::isfinite(value) ||
                        step.tolerance.accepts(step.expected, value))
                        continue;
                    PracticeWindow* window = practiceOn(ex.item, seed, level);
                    const QString typed = QString::number(value, 'g', 10);
                    typeAnswer(window, step, typed);
                    press(window, "CheckButton");
                    QCOMPARE(labelText(window, u"Mark_"_s + step.id), u"Wrong"_s);
                    const Grade core = grade(ex, {{step.id, typed}}, QLocale());
                    const auto g =
                        std::find_if(core.steps.cbegin(), core.steps.cend(),
                                     [&](const StepGrade& sg) { return sg.id == step.id; })[0];
                    QCOMPARE(g.id, step.id);
                    QVERIFY2(!g.slip.isEmpty(), qPrintable(g.feedback));
                    QCOMPARE(labelText(window, u"Feedback_"_s + step.id), g.feedback);
                    QVERIFY(g.feedback.startsWith(u"This is what you get"_s));
                    // A screen reader hears the mark and the feedback on the field.
                    const QString description =
                        answerField(window, step.id)->accessibleDescription();
                    QVERIFY2(description.contains(u"Wrong"_s) && description.contains(g.feedback),
                             qPrintable(description));
                    return;
                }
            }
        }
        QFAIL("no case of the first 50 with the creatinine to convert");
    }

    // Show step fills in the step being worked on, which then counts as not
    // answered: the rest right still leaves the exercise not right first time.
    void shownStepIsNotAnswered()
    {
        PracticeWindow* window = practiceOn(ItemId::CreatinineClearance, 11, 2);
        typeExpected(window, QLocale());
        const ExerciseStep* asked = nullptr;
        for (const ExerciseStep& step : window->exercise().steps) {
            if (!step.given && !asked)
                asked = &step;
        }
        QVERIFY(asked);
        // Cleared again: Show step takes the first step not answered.
        if (auto* edit = qobject_cast<QLineEdit*>(answerField(window, asked->id)))
            edit->clear();
        press(window, "ShowStepButton");
        QCOMPARE(window->answer(asked->id), asked->expectedText);
        QCOMPARE(labelText(window, u"Mark_"_s + asked->id), u"Shown"_s);
        QVERIFY(labelText(window, u"Feedback_"_s + asked->id).contains(asked->expectedText));
        press(window, "CheckButton");
        QVERIFY(window->lastGrade());
        QCOMPARE(window->lastGrade()->correct, window->lastGrade()->asked - 1);
        QCOMPARE(labelText(window, u"Mark_"_s + asked->id), u"Shown"_s);
        QCOMPARE(labelText(window, u"ScoreLine"_s), u"0 of 1 exercises right first time"_s);
        QVERIFY(child<QPushButton>(window, "SameLevelButton")->isVisible());
        QVERIFY(!child<QPushButton>(window, "NextLevelButton")->isVisible());

        // Done (every step right or shown): its worked steps, with the band picture.
        press(window, "WorkedStepsButton");
        WorkedStepsWindow* steps = window->stepsWindow();
        QVERIFY(steps && steps->isVisible());
        QVERIFY(steps->view()->derivation());
        QCOMPARE(steps->view()->derivation()->rows.size(),
                 window->exercise().derivation.rows.size());
        QCOMPARE(steps->view()->derivation()->rows[0].result,
                 window->exercise().derivation.rows[0].result);
        QVERIFY(!steps->view()->pictures().isEmpty());
        // A new case closes the worked steps of the last one.
        press(window, "SameLevelButton");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window->stepsWindow());
        QCOMPARE(window->exercise().level, 2);
    }

    // Show step with the keyboard in a field reveals that field's step.
    void showStepTakesTheCurrentStep()
    {
        PracticeWindow* window = practiceOn(ItemId::CreatinineClearance, 5, 1);
        QList<const ExerciseStep*> asked;
        for (const ExerciseStep& step : window->exercise().steps) {
            if (!step.given)
                asked << &step;
        }
        QVERIFY(asked.size() >= 2);
        window->activateWindow();
        answerField(window, asked[1]->id)->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        if (QApplication::focusWidget() != answerField(window, asked[1]->id))
            QSKIP("no keyboard focus on this platform");
        press(window, "ShowStepButton");
        QCOMPARE(labelText(window, u"Mark_"_s + asked[1]->id), u"Shown"_s);
        QCOMPARE(labelText(window, u"Mark_"_s + asked[0]->id), QString());
    }

    // New case draws another seed; a case number opens that case; another
    // level works the same case.
    void casesBySeed()
    {
        PracticeWindow* window = practiceOn(ItemId::TransferrinSaturation, 1234, 1);
        const Exercise first = window->exercise();
        QCOMPARE(first.seed, quint64(1234));
        QVERIFY(labelText(window, u"CaseText"_s).startsWith(u"Case 1234: "_s));
        QCOMPARE(labelText(window, u"CaseText"_s), u"Case 1234: "_s + first.caseText());
        QCOMPARE(text(window, "CaseNumber"), u"1234"_s);

        press(window, "NewCaseButton");
        QVERIFY(window->exercise().seed != first.seed);
        QCOMPARE(text(window, "CaseNumber"), QString::number(window->exercise().seed));
        QCOMPARE(window->exercise().level, 1);
        QCOMPARE(window->exercise().item, ItemId::TransferrinSaturation);
        QCOMPARE(labelText(window, u"ScoreLine"_s), u"0 of 0 exercises right first time"_s);

        // "Do case 1234": typed into the case number.
        auto* number = child<QLineEdit>(window, "CaseNumber");
        number->clear();
        QTest::keyClicks(number, u"1234"_s);
        QTest::keyClick(number, Qt::Key_Return);
        QCOMPARE(window->exercise().seed, quint64(1234));
        QCOMPARE(window->exercise().caseText(), first.caseText());
        // Enter there loads the case and checks nothing: no marks, no verdict,
        // nothing counted.
        QVERIFY(!window->lastGrade());
        for (const ExerciseStep& step : window->exercise().steps)
            QCOMPARE(labelText(window, u"Mark_"_s + step.id), step.given ? u"Given"_s : QString());
        QVERIFY(!child<QLabel>(window, "Verdict")->isVisibleTo(window));
        QCOMPARE(window->exercisesDone(), 0);

        child<QComboBox>(window, "Level")->setCurrentIndex(2);
        QCOMPARE(window->exercise().level, 3);
        QCOMPARE(window->exercise().seed, quint64(1234));
        QCOMPARE(window->exercise().caseText(), first.caseText());

        // Another item: a case of it.
        auto* chooser = child<QComboBox>(window, "ItemChooser");
        chooser->setCurrentIndex(chooser->findData(int(ItemId::AstAltRatio)));
        QCOMPARE(window->exercise().item, ItemId::AstAltRatio);
        QCOMPARE(window->exercise().level, 3);
    }

    // The window opens on the item of the screen it was asked from, and from
    // the switchboard's third choice.
    void waysIn_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("position");
        QTest::addRow("lipids") << 0 << 1;
        QTest::addRow("liver") << 1 << 1;
        QTest::addRow("renal clearance") << 2 << 4;
    }

    void waysIn()
    {
        QFETCH(int, category);
        QFETCH(int, position);
        CalculatorScreen* screen = proceedTo(category, position);
        QVERIFY(screen && screen->itemId());
        press(screen, "PracticeButton");
        auto* window = qobject_cast<PracticeWindow*>(topLevel("frmPractice"));
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), u"Practice"_s);
        QCOMPARE(window->exercise().item, *screen->itemId());
        QCOMPARE(text(window, "ItemChooser"), QString::fromUtf8(item(*screen->itemId()).listText));
        // The window exists once.
        press(screen, "PracticeButton");
        QCOMPARE(openWindow<PracticeWindow>(), window);
    }

    void switchboardChoice()
    {
        auto* board = showWindow<SwitchboardWindow>();
        auto* option = child<QRadioButton>(board, "Option3");
        QVERIFY(option);
        QCOMPARE(option->text(), u"Practice"_s);
        QVERIFY(!option->accessibleDescription().isEmpty());
        option->setChecked(true);
        press(board, "OKButton");
        QVERIFY(topLevel("frmPractice"));
        QVERIFY(!topLevel("frmMain"));
    }

    // Worksheet… opens the class's sheet on the item being practised.
    void worksheetOfTheItem()
    {
        auto* window = showPractice(ItemId::TransferrinSaturation);
        press(window, "WorksheetButton");
        auto* dialog = qobject_cast<WorksheetDialog*>(topLevel("frmWorksheet"));
        QVERIFY(dialog);
        QCOMPARE(dialog->settings().items, QList<ItemId>{ItemId::TransferrinSaturation});
        dialog->close();
    }

    // A screen with no item chosen has nothing to practise.
    void screenWithoutItem()
    {
        CalculatorScreen* screen = showCalculatorScreen(ScreenId::Heart);
        QVERIFY(!screen->itemId());
        QVERIFY(!child<QPushButton>(screen, "PracticeButton")->isEnabled());
    }

    // Names for a screen reader, and the keyboard order: the chooser, the
    // level, the answers in order, Check.
    void namesAndKeyboard()
    {
        PracticeWindow* window = practiceOn(ItemId::CreatinineClearance, 21, 2);
        QStringList asked;
        for (const ExerciseStep& step : window->exercise().steps) {
            QWidget* field = answerField(window, step.id);
            QVERIFY2(field, qPrintable(step.id));
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(field);
            QCOMPARE(iface->text(QAccessible::Name), u"Answer: "_s + step.label);
            QVERIFY(iface->text(QAccessible::Description).contains(step.prompt));
            if (!step.given)
                asked << field->objectName();
        }
        for (const char* name :
             {"ItemChooser", "Level", "CaseNumber", "CheckButton", "ShowStepButton",
              "NewCaseButton", "WorkedStepsButton", "NextLevelButton", "SameLevelButton"}) {
            QWidget* w = child<QWidget>(window, name);
            QVERIFY2(w && !w->accessibleName().isEmpty(), name);
        }
        QStringList order;
        QWidget* w = child<QWidget>(window, "ItemChooser");

        for (int i = 0; i < asked.size() + 3 && w; ++i) {
            order << w->objectName();
            do
                w = w->nextInFocusChain();
            while (w &&
                   !(w->focusPolicy() & Qt::TabFocus && w->isEnabled() && w->isVisibleTo(window)));
        }
        QCOMPARE(order, QStringList({u"ItemChooser"_s, u"Level"_s}) + asked +
                            QStringList{u"CheckButton"_s});
    }

    // A student opens an exercise of their sheet by the sheet file and the
    // code printed beside it; a mistyped code or another sheet's opens none.
    void exerciseFromSheet()
    {
        WorksheetSettings s;
        s.items = {ItemId::CreatinineClearance, ItemId::TibcCalculated};
        s.count = 2;
        s.versions = 3;
        s.level = 2;
        s.seed = 606;
        QTemporaryDir dir;
        const QString path = dir.filePath(u"sheet.json"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(worksheetJson(makeWorksheet(s))).toJson());
        file.close();
        const Worksheet sheet = makeWorksheet(s);
        PracticeWindow* window = showPractice(ItemId::AstAltRatio);
        for (int version = 1; version <= s.versions; ++version) {
            for (int index = 0; index < 4; ++index) {
                const Exercise& want = sheet.versions[version - 1].exercises[index];
                QVERIFY(window->openSheetExercise(
                    path, worksheetExerciseCode(s, version, index).toLower()));
                QCOMPARE(window->exercise().item, want.item);
                QCOMPARE(window->exercise().seed, want.seed);
                QCOMPARE(window->exercise().level, s.level);
            }
        }
        // Through the button: the file, then the code.
        m_dialogs->clear();
        m_dialogs->answerFileWith(path);
        m_dialogs->answerInputWith(worksheetExerciseCode(s, 2, 3));
        window->findChild<QPushButton*>(u"FromSheetButton"_s)->click();
        QCOMPARE(window->exercise().seed, sheet.versions[1].exercises[3].seed);

        QString mistyped = worksheetExerciseCode(s, 2, 3);
        std::swap(mistyped[5], mistyped[6]); // the version and the hyphen after it
        WorksheetSettings other = s;
        other.seed = 607;
        for (const QString& code : {mistyped, worksheetExerciseCode(other, 1, 0)}) {
            m_dialogs->clear();
            QVERIFY(!window->openSheetExercise(path, code));
            QCOMPARE(m_dialogs->trace().size(), 2);
            QVERIFY(m_dialogs->trace()[1].startsWith(u"warning:No exercise was opened"_s));
            QCOMPARE(window->exercise().seed, sheet.versions[1].exercises[3].seed);
        }
    }
};

QUARVEX_TEST_MAIN(TestPracticeWindow)
#include "tst_practice_window.moc"
