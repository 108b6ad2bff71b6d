#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace quarvex {

// The command line of quarvex-cli, one parser for every mode, so that an
// option means the same wherever it is allowed.
struct CliOptions {
    enum class Mode {
        Single,     // one case of Name=text lines
        Batch,      // --batch: many cases from CSV
        ItemsJson,  // --items-json: what every case shares, no input
        Help,       // --help
        Practice,   // --practice ITEM: one exercise as JSON
        Grade,      // --grade: the answers to one exercise graded
        ListItems,  // --list-items: the items' stable ids and names
        Worksheet,  // --worksheet: a class's versions of exercises and their answers
        GradeClass, // --grade --batch: a class's answers from CSV graded
    };
    enum class Format { Export, Steps, Json };

    Mode mode = Mode::Single;
    Format format = Format::Export;
    QString inputPath = QStringLiteral("-");  // "-": standard input
    QString outputPath = QStringLiteral("-"); // "-": standard output
    std::optional<QLocale> locale;            // --locale: numbers are read and written so
    QString language = QStringLiteral("en");  // --lang: the language of messages and help
    int threads = 0;                          // --threads; 0: one per core
    bool full = false;                        // --full: --batch --json lines with every text
    QString practiceItem;                     // --practice: an item's id or list text
    std::optional<quint64> seed;              // --seed; none: a seed is drawn
    int level = 1;                            // --level
    bool answers = false;                     // --answers
    bool countCarried = true;                 // --no-carry: carried steps count wrong
    QString worksheetItems;                   // --items: ids or list texts, comma-separated
    int count = 1;                            // --count: exercises per item
    int versions = 1;                         // --versions
    QString title;                            // --title
    QString moodleXmlPath;                    // --moodle-xml: the exercises as Moodle questions
    QString classCsvPath;                     // --class-csv: the class file to fill in
    QString pdfPath;                          // --pdf: the students' sheets (the key after them)
    QString keyPdfPath;                       // --key-pdf: the key as a document of its own
    bool keyWorkedSteps = true;               // --key-without-steps: the answer tables only
    QString sheetPath;                        // --sheet: the sheet file a class file's codes are of
    QString gradebookPath;                    // --gradebook: a row per student
    QStringList scenarios;                    // --scenario (one) or --scenarios (ids); empty: any
    bool listScenarios = false;               // --list-scenarios (mode ListItems)
};

// True when the options ask for pages (--pdf, --key-pdf): only then does
// quarvex-cli need Qt Gui.
bool writesPages(const CliOptions& options);

// The language --lang asks for ("en" without it: the command line keeps its
// English whatever the environment's language), read before anything else so
// that every message after it is in that language. Nothing, with error set,
// for a language Quarvex does not speak.
std::optional<QString> commandLineLanguage(const QStringList& args, QString& error);

// Parses the arguments after the program name. On an error, sets error to a
// message ending in "(see --help)" where that helps, and returns nothing.
std::optional<CliOptions> parseCommandLine(const QStringList& args, QString& error);

} // namespace quarvex
