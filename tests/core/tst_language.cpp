// The language of the texts: the choice from the environment and --lang, the
// German translation compiled into the programs, and the texts that stay
// English whatever the language installed (what is written to files).

#include "analytes/analyte.h"
#include "analytes/unitnotes.h"
#include "calc/items.h"
#include "catalogue/catalogue.h"
#include "coretestmain.h"
#include "i18n/language.h"
#include "practice/grade.h"
#include "practice/scenarios.h"
#include "practice/worksheetpages.h"

#include <QtTest>

using namespace quarvex;
using namespace Qt::StringLiterals;

class TestLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(installLanguage(u"en"_s)); }

    void fromEnvironment_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcMessages");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("expected");
        QTest::addRow("nothing set") << u""_s << u""_s << u""_s << u""_s << u"en"_s;
        QTest::addRow("LANG German") << u""_s << u""_s << u""_s << u"de_DE.UTF-8"_s << u"de"_s;
        QTest::addRow("LANG Austrian") << u""_s << u""_s << u""_s << u"de_AT"_s << u"de"_s;
        QTest::addRow("LANG English") << u""_s << u""_s << u""_s << u"en_GB.UTF-8"_s << u"en"_s;
        QTest::addRow("LANG French") << u""_s << u""_s << u""_s << u"fr_FR.UTF-8"_s << u"en"_s;
        QTest::addRow("LC_MESSAGES over LANG")
            << u""_s << u""_s << u"de_DE.UTF-8"_s << u"en_US.UTF-8"_s << u"de"_s;
        QTest::addRow("LC_ALL over LC_MESSAGES")
            << u""_s << u"en_US.UTF-8"_s << u"de_DE.UTF-8"_s << u""_s << u"en"_s;
        QTest::addRow("LANGUAGE over LANG")
            << u"de"_s << u""_s << u""_s << u"en_US.UTF-8"_s << u"de"_s;
        QTest::addRow("LANGUAGE English over LANG German")
            << u"en"_s << u""_s << u""_s << u"de_DE.UTF-8"_s << u"en"_s;
        QTest::addRow("LANGUAGE list, first spoken")
            << u"fr:de_CH:en"_s << u""_s << u""_s << u"fr_FR.UTF-8"_s << u"de"_s;
        QTest::addRow("LANGUAGE list of others only")
            << u"fr:it"_s << u""_s << u""_s << u"de_DE.UTF-8"_s << u"en"_s;
        // gettext reads LANGUAGE only when the locale is not C.
        QTest::addRow("LANGUAGE under the C locale")
            << u"de"_s << u"C"_s << u""_s << u""_s << u"en"_s;
        QTest::addRow("LANGUAGE without a locale") << u"de"_s << u""_s << u""_s << u""_s << u"en"_s;
        QTest::addRow("C.UTF-8") << u""_s << u""_s << u""_s << u"C.UTF-8"_s << u"en"_s;
    }

    void fromEnvironment()
    {
        QFETCH(QString, language);
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        QFETCH(QString, expected);
        QCOMPARE(languageFrom(language, lcAll, lcMessages, lang), expected);
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addRow("de") << u"de"_s << u"de"_s;
        QTest::addRow("DE") << u"DE"_s << u"de"_s;
        QTest::addRow("de_DE") << u"de_DE"_s << u"de"_s;
        QTest::addRow("de-AT") << u"de-AT"_s << u"de"_s;
        QTest::addRow("en") << u"en"_s << u"en"_s;
        QTest::addRow("fr") << u"fr"_s << QString();
        QTest::addRow("empty") << QString() << QString();
        QTest::addRow("deutsch") << u"deutsch"_s << QString();
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(parseLanguage(text), expected);
    }

    // The German translation is compiled into the program, and English
    // removes it again.
    void installs()
    {
        const TestItem& first = catalogue().front();
        QVERIFY(installLanguage(u"de"_s));
        QCOMPARE(installedLanguage(), u"de"_s);
        QCOMPARE(categories().front().shownText(), u"Cholesterin und koronare Herzkrankheit"_s);
        QCOMPARE(analyte(AnalyteId::SerumCreatinine).shownName(), u"Serum-Kreatinin"_s);
        QCOMPARE(analyte(AnalyteId::SerumCreatinine).shownUnitName(),
                 u"Serum-Kreatinin, Einheit"_s);
        QCOMPARE(shownUnitNote(AnalyteId::SerumUrea, u"mg/dL"_s),
                 u"mg/dL Harnstoff-Stickstoff (BUN)"_s);
        QVERIFY(first.shownName() != QLatin1String(first.selectorName));

        QVERIFY(installLanguage(u"en"_s));
        QCOMPARE(installedLanguage(), u"en"_s);
        QCOMPARE(first.shownName(), QLatin1String(first.selectorName));
        QVERIFY(!installLanguage(u"fr"_s));
        QCOMPARE(installedLanguage(), u"en"_s);
    }

    // Under German, what is written to files and read back keeps its English:
    // the analytes' names (findings, exports, cases) and the unit notes' own
    // functions; only the shown forms change.
    void writtenTextsStayEnglish()
    {
        QVERIFY(installLanguage(u"de"_s));
        for (const Analyte& a : analytes()) {
            QCOMPARE(a.accessibleName(), QLatin1String(a.name));
            QCOMPARE(a.unitAccessibleName(), QLatin1String(a.name) + u" unit"_s);
            for (const UnitChoice& u : a.unitChoices())
                QCOMPARE(unitNote(a.id, QLatin1String(u.text)).isEmpty(), false);
        }
        QCOMPARE(unitNote(AnalyteId::SerumUrea, u"mg/dL"_s), u"mg/dL of urea nitrogen (BUN)"_s);
    }

    // A printed worksheet speaks the language installed: German for the
    // dialog's pages; the English texts the command line puts in place for
    // its data come back to German when that scope ends.
    void printedWorksheetSpeaksTheLanguage()
    {
        WorksheetSettings settings;
        settings.items = {ItemId::CreatinineClearance};
        settings.level = 2;
        settings.seed = 7;
        QVERIFY(installLanguage(u"de"_s));
        const Worksheet german = makeWorksheet(settings, QLocale(QLocale::German));
        const PrintedSection sheet = worksheetSheets(german, {}, {}).sections.front();
        // With no title given, the default one in the language too.
        QCOMPARE(sheet.header, u"Arbeitsblatt \u00b7 Version 1"_s);
        QCOMPARE(sheet.note, u"Rechnen Sie jeden Wert in die Einheit der Formel um, dann "
                             "berechnen Sie jeden Schritt, das Ergebnis und seine Bewertung. "
                             "Schreiben Sie bei einer Bewertung die Nummer der gewählten auf."_s);
        QVERIFY2(sheet.exercises.front().heading.startsWith(u"Aufgabe 1: "_s),
                 qPrintable(sheet.exercises.front().heading));
        QCOMPARE(worksheetKey(german, {}, {}, false).documentTitle,
                 u"Arbeitsblatt: Lösungsschlüssel"_s);
        {
            const EnglishTexts english;
            QCOMPARE(installedLanguage(), u"en"_s);
            const Worksheet sheetInEnglish = makeWorksheet(settings, QLocale::c());
            const PrintedWorksheet pages = worksheetSheets(sheetInEnglish, {}, {});
            QCOMPARE(pages.sections.front().exercises.front().heading,
                     u"Exercise 1: Creatinine Clearance Estimated (GFR)"_s);
            QCOMPARE(pages.sections.front().note,
                     u"Convert each value into the formula's unit, then work out each step, "
                     "the result and its interpretation. For an interpretation, write the "
                     "number of the one you choose."_s);
        }
        QCOMPARE(installedLanguage(), u"de"_s);
    }

    // What is wrong with a sheet's settings or file is said in the language
    // installed (the command line's standard error, the worksheet dialog).
    void sheetProblemsSpeakTheLanguage()
    {
        QString error;
        QVERIFY(installLanguage(u"de"_s));
        QCOMPARE(worksheetSettingsProblem({}), u"wählen Sie mindestens einen Test"_s);
        QVERIFY(!readWorksheetSettings("{}", error));
        QVERIFY2(error.startsWith(u"keine Arbeitsblatt-Datei"_s), qPrintable(error));
        QVERIFY(installLanguage(u"en"_s));
        QCOMPARE(worksheetSettingsProblem({}), u"choose at least one item"_s);
    }

    // Every shown text of the catalogue and the analytes has its German form
    // (a text missing from the translation would show in English).
    void everyShownTextTranslated()
    {
        QVERIFY(installLanguage(u"de"_s));
        QStringList english;
        // Names and symbols that German writes as English does.
        const QStringList same{u"Transferrin"_s,
                               u"eGFR (CKD-EPI 2021)"_s,
                               u"Renal Failure Index (RFI)"_s,
                               u"ALT"_s,
                               u"ALT:"_s,
                               u"AST"_s,
                               u"AST:"_s,
                               u"Albumin"_s,
                               u"Albumin:"_s,
                               u"Ferritin"_s,
                               u"Ferritin:"_s,
                               u"Globulin"_s,
                               u"Globulin:"_s,
                               u"Transferrin:"_s,
                               u"Amylase:"_s,
                               u"HDL:"_s,
                               u"LDL: "_s,
                               u"Protein:"_s,
                               u"Calcium:"_s,
                               u"CKD G2"_s,
                               u"CKD G3a"_s,
                               u"CKD G3b"_s,
                               u"CKD G4"_s,
                               u"CKD G5"_s,
                               u"LDL 190-400 mg/dL"_s};
        const auto check = [&](const char* source, const QString& shown) {
            if (shown == QLatin1String(source) && !same.contains(shown))
                english << shown;
        };
        for (const CatalogueCategory& c : categories())
            check(c.text, c.shownText());
        for (const TestItem& entry : catalogue()) {
            check(entry.selectorName, entry.shownName());
            check(entry.explanation, entry.shownExplanation());
            check(entry.screenTitle, entry.shownScreenTitle());
        }
        for (const Analyte& a : analytes()) {
            check(a.name, a.shownName());
            check(a.caption, a.shownCaption());
            check(a.dataCaption, a.shownDataCaption());
        }
        for (const UnitNote& note : unitNotes())
            check(note.note, shownUnitNote(note.analyte, QLatin1String(note.unit)));
        for (const Scenario& s : scenarios()) {
            check(s.title, QCoreApplication::translate("quarvex::Scenario", s.title));
            check(s.line, QCoreApplication::translate("quarvex::Scenario", s.line));
        }
        QVERIFY2(english.isEmpty(), qPrintable(english.join(u"\n"_s)));
    }

    // A step's label inside a sentence (another step's prompt, feedback):
    // English writes it lower case, German keeps the noun's capital.
    void labelsInSentences_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("label");      // of step 2
        QTest::addColumn<QString>("inSentence"); // as the result's prompt and feedback name it
        QTest::newRow("English") << u"en"_s << u"Step 2"_s << u"step 2"_s;
        QTest::newRow("German") << u"de"_s << u"Schritt 2"_s << u"Schritt 2"_s;
    }

    void labelsInSentences()
    {
        QFETCH(QString, language);
        QFETCH(QString, label);
        QFETCH(QString, inSentence);
        QVERIFY(installLanguage(language));
        const QLocale locale(language);
        const Exercise ex = makeExercise(ItemId::CreatinineClearance, 7, 2, std::nullopt, locale);
        const ExerciseStep& step = ex.steps[ex.stepIndex(u"step-2"_s)];
        QCOMPARE(step.label, label);
        QCOMPARE(step.sentenceLabel, inSentence);
        const ExerciseStep& result = ex.steps[ex.stepIndex(u"result"_s)];
        QVERIFY2(result.prompt.contains(inSentence), qPrintable(result.prompt));
        const Grade g = grade(ex, {{u"result"_s, u"-1"_s}}, locale);
        const auto answered = std::find_if(g.steps.begin(), g.steps.end(),
                                           [](const StepGrade& s) { return s.id == u"result"_s; });
        QVERIFY2(answered->feedback.contains(inSentence), qPrintable(answered->feedback));

        // No German label comes out lower case inside a sentence, in any item,
        // and no unit says "years".
        if (language != u"de"_s)
            return;
        for (const ItemDescriptor& d : overviewItems()) {
            for (int level = 1; level <= PracticeLevels; ++level) {
                for (const ExerciseStep& s :
                     makeExercise(d.id, 3, level, std::nullopt, locale).steps) {
                    QCOMPARE(s.sentenceLabel, s.label);
                    QVERIFY2(!s.unit.contains(u"years"_s), qPrintable(s.unit));
                    for (const QString& word : {u"schritt"_s, u"ergebnis"_s, u"bewertung"_s})
                        QVERIFY2(!s.prompt.contains(word), qPrintable(s.prompt));
                }
            }
        }
    }

    // A scenario's clause of presenting context follows the person: as the
    // case text writes it in English, agreeing with the sex in German.
    void scenarioClauses()
    {
        for (const Scenario& s : scenarios()) {
            const QString clause = QString::fromUtf8(s.context);
            for (const QString& gender : {u"Male"_s, u"Female"_s, QString()}) {
                QVERIFY(installLanguage(u"en"_s));
                QCOMPARE(shownPersonWithContext(u"P"_s, clause, gender),
                         clause.isEmpty() ? u"P"_s : u"P "_s + clause);
                QVERIFY(installLanguage(u"de"_s));
                const QString german = shownPersonWithContext(u"P"_s, clause, gender);
                QVERIFY2(clause.isEmpty() ||
                             (german.startsWith(u"P, "_s) && !german.contains(clause)),
                         qPrintable(german));
            }
        }
        const QString confusion = u"admitted with confusion"_s;
        QCOMPARE(shownPersonWithContext(u"Ein Mann"_s, confusion, u"Male"_s),
                 u"Ein Mann, der mit Verwirrtheit aufgenommen wurde"_s);
        QCOMPARE(shownPersonWithContext(u"Eine Frau"_s, confusion, u"Female"_s),
                 u"Eine Frau, die mit Verwirrtheit aufgenommen wurde"_s);
    }
};

QUARVEX_CORE_TEST_MAIN(TestLanguage)
#include "tst_language.moc"
