// The windows under the pseudo-translation: every text of the translation
// file wrapped in ⟦ ⟧ (see tests/i18n/pseudo_ts.py). Each window is opened as
// a user opens it and walked: its title, every visible label, button, check
// box, list entry, header, tooltip, accessible name and description, and
// the texts of the dialogs it asked for. A text must be made of marked parts
// alone, apart from numbers, punctuation, unit symbols and the program's
// name, and apart from the exempt controls below, each with its reason. A
// window is added to the walk with one row of walk_data().

#include "analytes/analyte.h"
#include "app/frmabout.h"
#include "app/frmdisclaimer.h"
#include "app/frmsplash.h"
#include "app/frmswitchboard.h"
#include "catalogue/catalogue.h"
#include "fakedialogs.h"
#include "i18n/language.h"
#include "overview/overviewwindows.h"
#include "practice/frmpractice.h"
#include "quickdriver.h"
#include "testmain.h"
#include "worksheet/frmworksheet.h"
#include "worksheet/worksheetdialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>

#include <functional>

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::StringLiterals;

using Opener = std::function<QWidget*()>;
Q_DECLARE_METATYPE(Opener)

namespace {

// Controls whose texts come from elsewhere, by window and object name (the
// control and everything inside it). "*" stands for every window, or for
// every control that no other row names. With
// `lines`, only the lines of the control's text that match it are exempt,
// and its other lines are checked one by one.
struct Exemption {
    const char* window;
    const char* control;
    const char* reason;
    const char* lines = nullptr;
};

// clang-format off
constexpr Exemption Exempt[] = {
    {"frmResult", "FlexGrid", "results and interpretations: the items' result texts and clinical prose"},
    {"frmResult", "StepsPane", "the worked steps: derivation wording and clinical prose"},
    {"*", "NoteLine", "the notes on a result and their tags come from the core's notes: clinical prose"},
    {"*", "MoreInfo", "the interpretations: clinical prose"},
    {"*", "Result", "the result as the item's row shows it (item files)"},
    {"frmSteps", "StepsText", "the worked steps: derivation wording and clinical prose"},
    {"frmSteps", "BandPictures", "band captions, sentences and keys: derivation wording and clinical prose"},
    {"frmPractice", "Answer_*", "an answer's tooltip and description repeat its prompt and feedback; its mark is checked on its Mark_ label"},
    {"frmPractice", "Unit_*", "a step's unit: unit symbols and the practice texts' unit words"},
    {"frmPractice", "Feedback_*", "a named slip's sentence: clinical prose the core still writes in English", "^This is (what you get|the band)"},
};
// clang-format on

// A control name ending in "_*" stands for every control whose name starts so.
bool namesControl(const Exemption& e, const QWidget* w)
{
    const QLatin1String control(e.control);
    if (control.size() > 2 && control.endsWith(QLatin1String("_*")))
        return w->objectName().startsWith(control.chopped(1));
    return w->objectName() == control;
}

const Exemption* exemption(const QWidget* window, const QWidget* w)
{
    const auto inWindow = [window](const Exemption& e) {
        return qstrcmp(e.window, "*") == 0 || window->objectName() == QLatin1String(e.window);
    };
    for (const QWidget* p = w; p && p != window->parentWidget(); p = p->parentWidget()) {
        for (const Exemption& e : Exempt) {
            if (inWindow(e) && namesControl(e, p))
                return &e;
        }
    }
    // A control "*" stands for every control not named above.
    for (const Exemption& e : Exempt) {
        if (inWindow(e) && qstrcmp(e.control, "*") == 0)
            return &e;
    }
    return nullptr;
}

// The unit symbols (never translated) and the program's name.
QStringList untranslatedWords()
{
    // The gender values are typed values of a case, never translated.
    QStringList words{u"Quarvex"_s, u"Male"_s, u"Female"_s};
    for (const Analyte& a : analytes()) {
        if (a.fixedUnit)
            words << QString::fromLatin1(a.fixedUnit);
        for (const UnitChoice& u : a.unitChoices())
            words << QString::fromLatin1(u.text);
    }
    // The longest first, so "mEq/L or mmol/L" goes before "mmol/L".
    std::sort(words.begin(), words.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    words.removeDuplicates();
    return words;
}

// What is left of a text once its marked parts, unit symbols, numbers and
// punctuation are taken out: empty for a text that went through a translation.
QString unmarkedPart(QString text)
{
    static const QRegularExpression marked(u"\u27e6[^\u27e6\u27e7]*\u27e7"_s);
    static const QRegularExpression neutral(
        u"[\\s\\d.,:;()\\[\\]\\-\u2013+\u00d7/%<>=\u2264\u2265'\"\u2026&]+"_s);
    // Innermost first: "⟦Check: ⟦…⟧⟧".
    while (text.contains(marked))
        text.replace(marked, u" "_s);
    for (const QString& word : untranslatedWords())
        text.replace(word, u" "_s);
    text.remove(neutral);
    return text;
}

struct Seen {
    QString where;
    QString text;
};

void collect(QList<Seen>& out, const QString& where, const QString& text)
{
    if (!text.isEmpty())
        out << Seen{where, text};
}

// Every text a user (or a screen reader) meets in a window.
QList<Seen> textsOf(QWidget* window)
{
    QList<Seen> out;
    collect(out, u"window title"_s, window->windowTitle());
    QList<QWidget*> widgets{window};
    widgets += window->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (w != window && (!w->isVisibleTo(window) || w->isWindow()))
            continue;
        const Exemption* exempt = exemption(window, w);
        if (exempt && !exempt->lines)
            continue;
        const QString name = w->objectName().isEmpty()
                                 ? QString::fromLatin1(w->metaObject()->className())
                                 : w->objectName();
        // With an exemption by lines, a text without its exempt lines.
        const QRegularExpression exemptLine(QString::fromLatin1(exempt ? exempt->lines : "(?!)"));
        const auto collectLines = [&](const QString& where, const QString& text) {
            QStringList kept = text.split(u'\n');
            kept.removeIf([&](const QString& line) { return exemptLine.match(line).hasMatch(); });
            collect(out, where, kept.join(u'\n'));
        };
        collectLines(name + u" tooltip"_s, w->toolTip());
        collectLines(name + u" accessible name"_s, w->accessibleName());
        collectLines(name + u" accessible description"_s, w->accessibleDescription());
        if (auto* label = qobject_cast<QLabel*>(w))
            collectLines(name, label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            collectLines(name, button->text());
        if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
            for (const QString& line : edit->toPlainText().split(u'\n')) {
                if (!exemptLine.match(line).hasMatch())
                    collect(out, name + u" line"_s, line);
            }
        }
        if (auto* box = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < box->count(); ++i) {
                collect(out, name + u" entry"_s, box->itemText(i));
                collect(out, name + u" entry tooltip"_s,
                        box->itemData(i, Qt::ToolTipRole).toString());
            }
        }
        if (auto* list = qobject_cast<QListWidget*>(w)) {
            for (int i = 0; i < list->count(); ++i)
                collect(out, name + u" entry"_s, list->item(i)->text());
        }
        if (auto* table = qobject_cast<QTableView*>(w); table && table->model()) {
            for (int c = 0; c < table->model()->columnCount(); ++c)
                collect(out, name + u" heading"_s,
                        table->model()->headerData(c, Qt::Horizontal).toString());
        }
        for (const QAction* action : w->actions())
            collect(out, name + u" action"_s, action->text());
    }
    return out;
}

// Types the example of the overview into the data entry window, with the
// values of `changed` instead of the example's.
QWidget* dataEntryWithExample(const QHash<QString, QString>& changed = {})
{
    static auto* overview = new OverviewWindows(dialogs(), qApp);
    overview->showDataEntry();
    QWidget* window = topLevel("frmData");
    QFile file(QStringLiteral(QUARVEX_EXAMPLE_INPUT));
    if (!window || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return nullptr;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u"Locale="_s))
            continue;
        const QString name = line.section(u'=', 0, 0);
        type(window, name, changed.value(name, line.section(u'=', 1)));
    }
    return window;
}

QWidget* results()
{
    press(dataEntryWithExample(), "OKbutton");
    press(topLevel("frmList"), "OKButton");
    return topLevel("frmResult");
}

} // namespace

class TestPseudo : public QObject
{
    Q_OBJECT
    ScopedFakeDialogs m_dialogs;

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(installTranslationFile(QStringLiteral(QUARVEX_PSEUDO_QM)));
        // The markers reach the windows at all.
        QCOMPARE(SwitchboardWindow().windowTitle(), u"\u27e6Quarvex Options\u27e7"_s);
    }

    void cleanupTestCase() { installLanguage(u"en"_s); }

    void cleanup()
    {
        delete openWindow<SplashWindow>();
        closeEverything();
    }

    // The checker itself: what it takes for translated, and what not.
    void unmarkedParts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("translated");
        QTest::addRow("marked") << u"\u27e6Exit\u27e7"_s << true;
        QTest::addRow("marked inside marked") << u"\u27e6Check: \u27e6Age\u27e7\u27e7"_s << true;
        QTest::addRow("marked with a unit and a number") << u"\u27e6Age\u27e7 58 mg/dL"_s << true;
        QTest::addRow("the program's name") << u"Quarvex"_s << true;
        QTest::addRow("plain") << u"Exit"_s << false;
        QTest::addRow("plain beside marked")
            << u"\u27e6Check: %1\u27e7 Serum creatinine"_s << false;
        QTest::addRow("marked inside plain") << u"Check: \u27e6Age\u27e7"_s << false;
    }

    void unmarkedParts()
    {
        QFETCH(QString, text);
        QFETCH(bool, translated);
        QCOMPARE(unmarkedPart(text).isEmpty(), translated);
    }

    // The export file keeps its English under a translation: a translated
    // text in it would carry the markers. It is the example's export to the
    // byte, as worked out by hand.
    void exportStaysEnglish()
    {
        qputenv("SOURCE_DATE_EPOCH", "1709251199"); // 2024-02-29
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(u"export.txt"_s);
        m_dialogs->answerInputWith(path);
        press(results(), "ExportButton");
        qunsetenv("SOURCE_DATE_EPOCH");
        QFile written(path);
        QFile golden(QStringLiteral(QUARVEX_GOLDEN_EXPORT));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), golden.readAll());
    }

    void walk_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QString>("name");
        const auto add = [](const char* tag, const char* name, const Opener& open) {
            QTest::addRow("%s", tag) << open << QString::fromLatin1(name);
        };
        add("splash", "frmSplash", [] { return showWindow<SplashWindow>(60000); });
        add("disclaimer", "frmDisclaimer", [] { return showWindow<DisclaimerWindow>(); });
        add("switchboard", "frmSwitchboard", [] { return showWindow<SwitchboardWindow>(); });
        add("about", "frmAbout", [] { return showWindow<AboutWindow>(); });
        for (int c = 0; c < int(categories().size()); ++c) {
            const QByteArray tag = "selector, category " + QByteArray::number(c);
            add(tag.constData(), "frmMain", [c] {
                SelectorWindow* selector = openSelector();
                pickCategory(selector, c);
                clickItem(selector, 0);
                return selector;
            });
        }
        for (const TestItem& entry : catalogue()) {
            const QByteArray tag = "explanation of " + QByteArray(entry.selectorName);
            add(tag.constData(), "frmExplain", [&entry] {
                SelectorWindow* selector = openSelector();
                pickCategory(selector, entry.category);
                clickItem(selector, entry.position);
                press(selector, "Explain");
                return topLevel("frmExplain");
            });
        }
        add("data entry with the example", "frmData", [] { return dataEntryWithExample(); });
        // One calculator screen of each kind, with a result and its worked steps.
        add("renal screen with a result", "frmKidney", [] {
            return calculated(2, 4,
                              "Age=40 Weight=70 UnitWeight=kg Gender=Female SerumCreatinine=88.4 "
                              "UnitSerumCreatinine=umol/L");
        });
        add("lipid screen with a result", "frmHeart", [] {
            return calculated(
                0, 0,
                "Gender=Male Chol=180 UnitChol=mg/dL HDL=48 UnitHDL=mg/dL LDL=120 UnitLDL=mg/dL");
        });
        add("liver screen with a result", "frmLiver", [] {
            return calculated(1, 1, "Albumin=2 UnitAlbumin=g/dL Globulin=4 UnitGlobulin=g/dL");
        });
        add("worked steps of a screen", "frmSteps", []() -> QWidget* {
            CalculatorScreen* screen = calculated(
                0, 0,
                "Gender=Male Chol=180 UnitChol=mg/dL HDL=48 UnitHDL=mg/dL LDL=120 UnitLDL=mg/dL");
            press(screen, "StepsButton");
            return topLevel("frmSteps");
        });
        add("worksheet dialog", "frmWorksheet",
            []() -> QWidget* { return showWorksheetDialog(nullptr, ItemId::CreatinineClearance); });
        add("practice, checked", "frmPractice",
            [] { return practiceChecked(ItemId::CreatinineClearance); });
        add("list of computable items", "frmList", [] {
            press(dataEntryWithExample(), "OKbutton");
            return topLevel("frmList");
        });
        // The findings: in the critical box and in the lines of what cannot
        // be computed.
        add("list, with values that cannot be read", "frmList", [] {
            press(dataEntryWithExample({{u"Weight"_s, u"abc"_s},
                                        {u"Age"_s, u"40000"_s},
                                        {u"UnitSerumCreatinine"_s, u"st"_s}}),
                  "OKbutton");
            QWidget* list = topLevel("frmList");
            auto* missing = list ? list->findChild<QPlainTextEdit*>(u"MissingItems"_s) : nullptr;
            // The walk must meet the findings' lines, or it checks nothing.
            const QString lines = missing ? missing->toPlainText() : QString();
            return lines.contains(u"    "_s) && lines.contains(u"abc"_s) &&
                           lines.contains(u"40000"_s) && lines.contains(u"st"_s)
                       ? list
                       : nullptr;
        });
        add("results, then Export", "frmResult", [] {
            QWidget* window = results();
            press(window, "ExportButton"); // its prompt is cancelled
            return window;
        });
        add("data entry cleared: the question", "frmResult", [] {
            QWidget* window = results();
            press(topLevel("frmData"), "ClearButton"); // the overview's question
            return window;
        });
    }

    void walk()
    {
        QFETCH(Opener, open);
        QFETCH(QString, name);
        m_dialogs->calls();
        const qsizetype before = m_dialogs->calls().size();
        QWidget* window = open();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->objectName(), name);
        QCoreApplication::processEvents();

        QList<Seen> texts = textsOf(window);
        for (qsizetype i = before; i < m_dialogs->calls().size(); ++i) {
            const FakeDialogs::Call& call = m_dialogs->calls().at(i);
            collect(texts, u"dialog text"_s, call.text);
            collect(texts, u"dialog title"_s, call.title);
            collect(texts, u"dialog detail"_s, call.detail);
            if (call.kind == FakeDialogs::Kind::Confirm)
                collect(texts, u"dialog action"_s, call.defaultText);
        }
        QVERIFY(!texts.isEmpty());
        QStringList faults;
        for (const Seen& seen : std::as_const(texts)) {
            if (const QString rest = unmarkedPart(seen.text); !rest.isEmpty())
                faults << seen.where + u": \""_s + seen.text.left(80) + u'"';
        }
        QVERIFY2(faults.isEmpty(), qPrintable(u"untranslated:\n  "_s + faults.join(u"\n  "_s)));
    }
};

QUARVEX_TEST_MAIN(TestPseudo)
#include "tst_pseudo.moc"
