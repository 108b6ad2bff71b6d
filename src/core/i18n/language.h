#pragma once

#include <QString>
#include <QStringList>

namespace quarvex {

// The translation context of the clinical prose (interpretations, notes,
// comparisons, the wording of worked steps): listed in the translations as
// unfinished until its own translation is done and reviewed; the checks let
// it be unfinished.
inline constexpr const char* ClinicalProseContext = "quarvex::ClinicalProse";

// The languages Quarvex speaks, by their code: "en" (the sources' own
// language, which needs no translation) and "de".
QStringList supportedLanguages();

// The language asked for by the environment, as gettext reads it: the first
// entry of LANGUAGE (a colon-separated list) that Quarvex speaks, else the
// first of LC_ALL, LC_MESSAGES and LANG that is set. "de_DE.UTF-8", "de_AT"
// and "de" give "de"; anything else, "C" and nothing give "en".
QString languageFromEnvironment();

// The same choice from given values, for tests and other callers.
QString languageFrom(const QString& languageList, const QString& lcAll, const QString& lcMessages,
                     const QString& lang);

// The code of a language Quarvex speaks, from what a user typed after
// --lang ("de", "DE", "de_DE"), or an empty text for one it does not speak.
QString parseLanguage(const QString& text);

// Installs the translation of a supported language into the application
// (removing the one installed before), from the translations compiled into
// the program; "en" removes it. False, with the English texts in place, when
// the language is not supported or its translation cannot be loaded.
bool installLanguage(const QString& language);

// Installs a translation from a .qm file instead (the pseudo-translation of
// the tests); false when it cannot be loaded.
bool installTranslationFile(const QString& path);

// The language whose translation is installed ("en" when none is).
QString installedLanguage();

// A name or label that starts a text ("Serum creatinine", "Step 2") as it
// reads inside a sentence of the language installed: English writes a word
// lower case there ("step 2"), but not an abbreviation ("LDL", "eGFR"); a
// translation keeps its own capitals (German nouns: "Schritt 2").
QString inSentence(const QString& text);

// Puts the English texts in place while it lives and the translation
// installed before back after: for what the command line writes as data
// (worked steps, exercises and grades as JSON, worksheets), which reads the
// same in every language.
class EnglishTexts
{
public:
    EnglishTexts();
    ~EnglishTexts();
    EnglishTexts(const EnglishTexts&) = delete;
    EnglishTexts& operator=(const EnglishTexts&) = delete;

private:
    QString m_language;
};

} // namespace quarvex
