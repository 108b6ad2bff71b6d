#include "clioptions.h"

#include "analytes/findings.h"
#include "cases/casefile.h"
#include "climessages.h"
#include "i18n/language.h"
#include "practice/practicejson.h"
#include "practice/worksheet.h"

namespace quarvex {

namespace {

// " (see --help)" after a message.
QString seeHelp(const QString& message)
{
    //: After a message of the command line; %1 is the message.
    return Cli::tr("%1 (see --help)").arg(message);
}

// The language --lang names; an empty text with the error set for one
// Quarvex does not speak.
QString languageValue(const QString& text, QString& error)
{
    const QString language = parseLanguage(text);
    if (language.isEmpty())
        error = seeHelp(Cli::tr("--lang takes de or en, not %1").arg(shownText(text)));
    return language;
}

} // namespace

std::optional<QString> commandLineLanguage(const QStringList& args, QString& error)
{
    QString language = QStringLiteral("en");
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--"))
            break;
        if (args.at(i) != QLatin1String("--lang") || i + 1 >= args.size())
            continue;
        language = languageValue(args.at(++i), error);
        if (language.isEmpty())
            return std::nullopt;
    }
    return language;
}

bool writesPages(const CliOptions& options)
{
    return options.mode == CliOptions::Mode::Worksheet &&
           (!options.pdfPath.isEmpty() || !options.keyPdfPath.isEmpty());
}

std::optional<CliOptions> parseCommandLine(const QStringList& args, QString& error)
{
    using Mode = CliOptions::Mode;
    using Format = CliOptions::Format;
    CliOptions options;
    bool batch = false, itemsJson = false, haveInput = false, haveOutput = false;
    bool haveThreads = false, optionsEnded = false;
    bool practice = false, grade = false, listItems = false, practiceOptions = false;
    bool worksheet = false, worksheetOptions = false, scenarioOption = false;
    bool classOptions = false; // --sheet, --gradebook
    // A whole number from 1 to most after an option; false (with the error set) otherwise.
    const auto wholeValue = [&](const QString& arg, const QString& text, int most, int& out) {
        bool ok = false;
        out = text.toInt(&ok);
        if (!ok || out < 1 || out > most || !text.front().isDigit()) {
            error = Cli::tr("%1 needs a whole number from 1 to %2").arg(arg).arg(most);
            return false;
        }
        return true;
    };
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        const bool option =
            !optionsEnded && arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-");
        // The value after an option; false (with the error set) when there is none.
        const auto value = [&](const QString& what) {
            if (i + 1 >= args.size() || args.at(i + 1).isEmpty()) {
                //: %1 is an option, %2 what it needs ("a file name").
                error = seeHelp(Cli::tr("%1 needs %2").arg(arg, what));
                return false;
            }
            ++i;
            return true;
        };
        if (!option) {
            if (haveInput) {
                error = seeHelp(Cli::tr("only one input file can be given"));
                return std::nullopt;
            }
            options.inputPath = arg;
            haveInput = true;
        } else if (arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            options.mode = Mode::Help;
            return options;
        } else if (arg == QLatin1String("--batch")) {
            batch = true;
        } else if (arg == QLatin1String("--items-json")) {
            itemsJson = true;
        } else if (arg == QLatin1String("--practice")) {
            if (!value(Cli::tr("an item id (see --list-items)")))
                return std::nullopt;
            practice = true;
            options.practiceItem = args.at(i);
        } else if (arg == QLatin1String("--grade")) {
            grade = true;
        } else if (arg == QLatin1String("--list-items")) {
            listItems = true;
        } else if (arg == QLatin1String("--list-scenarios")) {
            listItems = true;
            options.listScenarios = true;
        } else if (arg == QLatin1String("--scenario")) {
            if (!value(Cli::tr("a scenario id (see --list-scenarios)")))
                return std::nullopt;
            options.scenarios = QStringList{args.at(i).trimmed()};
            scenarioOption = true;
        } else if (arg == QLatin1String("--scenarios")) {
            if (!value(Cli::tr("scenario ids separated by commas (see --list-scenarios)")))
                return std::nullopt;
            options.scenarios.clear();
            for (const QString& id : args.at(i).split(QLatin1Char(',')))
                options.scenarios << id.trimmed();
            worksheetOptions = true;
        } else if (arg == QLatin1String("--worksheet")) {
            worksheet = true;
        } else if (arg == QLatin1String("--items")) {
            if (!value(Cli::tr("item ids separated by commas (see --list-items)")))
                return std::nullopt;
            options.worksheetItems = args.at(i);
            worksheetOptions = true;
        } else if (arg == QLatin1String("--count")) {
            if (!value(Cli::tr("a number of exercises per item")) ||
                !wholeValue(arg, args.at(i), MaxWorksheetCount, options.count))
                return std::nullopt;
            worksheetOptions = true;
        } else if (arg == QLatin1String("--versions")) {
            if (!value(Cli::tr("a number of versions")) ||
                !wholeValue(arg, args.at(i), MaxWorksheetVersions, options.versions))
                return std::nullopt;
            worksheetOptions = true;
        } else if (arg == QLatin1String("--title")) {
            if (!value(Cli::tr("a title")))
                return std::nullopt;
            options.title = args.at(i);
            worksheetOptions = true;
        } else if (arg == QLatin1String("--moodle-xml")) {
            if (!value(Cli::tr("a file name")))
                return std::nullopt;
            options.moodleXmlPath = args.at(i);
            worksheetOptions = true;
        } else if (arg == QLatin1String("--class-csv")) {
            if (!value(Cli::tr("a file name")))
                return std::nullopt;
            options.classCsvPath = args.at(i);
            worksheetOptions = true;
        } else if (arg == QLatin1String("--pdf") || arg == QLatin1String("--key-pdf")) {
            if (!value(Cli::tr("a file name")))
                return std::nullopt;
            (arg == QLatin1String("--pdf") ? options.pdfPath : options.keyPdfPath) = args.at(i);
            worksheetOptions = true;
        } else if (arg == QLatin1String("--key-without-steps")) {
            options.keyWorkedSteps = false;
            worksheetOptions = true;
        } else if (arg == QLatin1String("--sheet") || arg == QLatin1String("--gradebook")) {
            if (!value(Cli::tr("a file name")))
                return std::nullopt;
            (arg == QLatin1String("--sheet") ? options.sheetPath : options.gradebookPath) =
                args.at(i);
            classOptions = true;
        } else if (arg == QLatin1String("--seed")) {
            if (!value(Cli::tr("a whole number")))
                return std::nullopt;
            bool ok = false;
            const quint64 seed = args.at(i).toULongLong(&ok);
            if (!ok || seed > MaxPracticeSeed || !args.at(i).front().isDigit()) {
                error = Cli::tr("--seed needs a whole number from 0 to %1").arg(MaxPracticeSeed);
                return std::nullopt;
            }
            options.seed = seed;
            practiceOptions = true;
        } else if (arg == QLatin1String("--level")) {
            if (!value(Cli::tr("1, 2 or 3")))
                return std::nullopt;
            bool ok = false;
            options.level = args.at(i).toInt(&ok);
            if (!ok || options.level < 1 || options.level > PracticeLevels) {
                error = Cli::tr("--level needs 1, 2 or 3");
                return std::nullopt;
            }
            practiceOptions = true;
        } else if (arg == QLatin1String("--no-carry")) {
            options.countCarried = false;
        } else if (arg == QLatin1String("--answers")) {
            options.answers = true;
            practiceOptions = true;
        } else if (arg == QLatin1String("-o")) {
            if (!value(Cli::tr("a file name")))
                return std::nullopt;
            if (haveOutput) {
                error = seeHelp(Cli::tr("only one -o can be given"));
                return std::nullopt;
            }
            options.outputPath = args.at(i);
            haveOutput = true;
        } else if (arg == QLatin1String("--locale")) {
            if (!value(Cli::tr("a locale name such as de_DE")))
                return std::nullopt;
            options.locale = localeNamed(args.at(i));
            if (!options.locale) {
                error = Cli::tr("unknown locale %1 (a name such as en_US or de_DE)")
                            .arg(shownText(args.at(i)));
                return std::nullopt;
            }
        } else if (arg == QLatin1String("--lang")) {
            if (!value(Cli::tr("de or en")))
                return std::nullopt;
            options.language = languageValue(args.at(i), error);
            if (options.language.isEmpty())
                return std::nullopt;
        } else if (arg == QLatin1String("--threads")) {
            if (!value(Cli::tr("a number of threads")))
                return std::nullopt;
            bool ok = false;
            options.threads = args.at(i).toInt(&ok);
            if (!ok || options.threads < 1 || options.threads > 256) {
                error = Cli::tr("--threads needs a number from 1 to 256");
                return std::nullopt;
            }
            haveThreads = true;
        } else if (arg == QLatin1String("--full")) {
            options.full = true;
        } else if (arg == QLatin1String("--steps") || arg == QLatin1String("--json")) {
            const Format wanted = arg == QLatin1String("--json") ? Format::Json : Format::Steps;
            if (options.format != Format::Export && options.format != wanted) {
                error = seeHelp(Cli::tr("--steps and --json cannot be used together"));
                return std::nullopt;
            }
            options.format = wanted;
        } else {
            error = seeHelp(Cli::tr("unknown option %1").arg(shownText(arg)));
            return std::nullopt;
        }
    }
    if (options.full && !(batch && options.format == Format::Json && !grade)) {
        error = seeHelp(Cli::tr("--full can only be used with --batch --json"));
        return std::nullopt;
    }
    if (!options.countCarried && !grade) {
        error = seeHelp(Cli::tr("--no-carry can only be used with --grade"));
        return std::nullopt;
    }
    // --grade --batch grades a class's answers from CSV.
    const bool gradeClass = grade && batch;
    if (gradeClass) {
        if (itemsJson || practice || listItems || worksheet || practiceOptions || scenarioOption ||
            worksheetOptions || haveThreads || options.format != Format::Export) {
            error =
                seeHelp(Cli::tr("--grade --batch reads one CSV file and takes no option but -o, "
                                "--sheet, --gradebook, --locale, --lang and --no-carry"));
            return std::nullopt;
        }
        if (!options.gradebookPath.isEmpty() && options.gradebookPath == options.outputPath) {
            error = seeHelp(Cli::tr("--gradebook and -o name the same file"));
            return std::nullopt;
        }
        options.mode = Mode::GradeClass;
        return options;
    }
    if (classOptions) {
        error = seeHelp(Cli::tr("--sheet and --gradebook can only be used with --grade --batch"));
        return std::nullopt;
    }
    if (int(batch) + int(itemsJson) + int(practice) + int(grade) + int(listItems) + int(worksheet) >
        1) {
        error = seeHelp(Cli::tr("--batch, --items-json, --practice, --grade, --list-items and "
                                "--worksheet cannot be used together"));
        return std::nullopt;
    }
    if (worksheet) {
        if (options.answers || haveThreads || haveInput || options.format != Format::Export) {
            error = seeHelp(Cli::tr("--worksheet reads no input and takes no option but --items, "
                                    "--count, --versions, --seed, --level, --title, --scenarios, "
                                    "--locale, --lang, --class-csv, --moodle-xml, --pdf, "
                                    "--key-pdf, --key-without-steps and -o"));
            return std::nullopt;
        }
        // -o writes the sheet file, JSON; a name ending in .pdf means a PDF was wanted.
        for (const QString& path : {options.outputPath, options.classCsvPath}) {
            if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
                error = Cli::tr("%1: --worksheet writes the sheet file (JSON) with -o and the "
                                "class file (CSV) with --class-csv; name them .json and "
                                ".csv (the sheets as PDF: --pdf PATH, the key apart: "
                                "--key-pdf PATH)")
                            .arg(shownText(path));
                return std::nullopt;
            }
        }
        if (!options.classCsvPath.isEmpty() && options.classCsvPath == options.outputPath) {
            error = seeHelp(Cli::tr("--class-csv and -o name the same file"));
            return std::nullopt;
        }
        if (!options.moodleXmlPath.isEmpty() && options.moodleXmlPath == options.outputPath) {
            error = seeHelp(Cli::tr("--moodle-xml and -o name the same file"));
            return std::nullopt;
        }
        if (!options.keyWorkedSteps && options.pdfPath.isEmpty() && options.keyPdfPath.isEmpty()) {
            error =
                seeHelp(Cli::tr("--key-without-steps can only be used with --pdf or --key-pdf"));
            return std::nullopt;
        }
        // Each file written once: a PDF never takes the place of another output.
        const std::pair<QString, QString> outputs[] = {
            {QStringLiteral("-o"), options.outputPath},
            {QStringLiteral("--class-csv"), options.classCsvPath},
            {QStringLiteral("--moodle-xml"), options.moodleXmlPath}};
        for (const auto& [name, document] : {std::pair{QStringLiteral("--pdf"), options.pdfPath},
                                             {QStringLiteral("--key-pdf"), options.keyPdfPath}}) {
            for (const auto& [other, path] : outputs) {
                if (!document.isEmpty() && document == path) {
                    error = seeHelp(document == QLatin1String("-")
                                        ? Cli::tr("%1 - and the sheet file would both go to "
                                                  "standard output; give -o PATH for the sheet "
                                                  "file")
                                              .arg(name)
                                        : Cli::tr("%1 and %2 name the same file").arg(name, other));
                    return std::nullopt;
                }
            }
        }
        if (!options.pdfPath.isEmpty() && options.pdfPath == options.keyPdfPath) {
            error = seeHelp(Cli::tr("%1 and %2 name the same file")
                                .arg(QStringLiteral("--pdf"), QStringLiteral("--key-pdf")));
            return std::nullopt;
        }
        if (options.worksheetItems.isEmpty()) {
            error = seeHelp(Cli::tr("--worksheet needs --items"));
            return std::nullopt;
        }
        options.mode = Mode::Worksheet;
        return options;
    }
    if (worksheetOptions) {
        error = seeHelp(Cli::tr("--items, --count, --versions, --title, --scenarios, --class-csv, "
                                "--moodle-xml, --pdf, --key-pdf and --key-without-steps can only "
                                "be used with --worksheet"));
        return std::nullopt;
    }
    if (scenarioOption && !practice) {
        error = seeHelp(Cli::tr("--scenario can only be used with --practice (--scenarios with "
                                "--worksheet)"));
        return std::nullopt;
    }
    if (practiceOptions && !practice) {
        error = seeHelp(Cli::tr("--seed, --level and --answers can only be used with --practice "
                                "(--seed and --level with --worksheet too)"));
        return std::nullopt;
    }
    if (practice || grade || listItems) {
        const QString name = practice                ? QStringLiteral("--practice")
                             : grade                 ? QStringLiteral("--grade")
                             : options.listScenarios ? QStringLiteral("--list-scenarios")
                                                     : QStringLiteral("--list-items");
        if (haveThreads || options.format == Format::Steps ||
            (options.format == Format::Json && !listItems) || (haveInput && !grade)) {
            //: %1 is the option (--practice, --grade, --list-items, --list-scenarios).
            error = seeHelp(
                (grade      ? Cli::tr("%1 reads one file and takes no option but -o, --locale, "
                                           "--lang and --no-carry")
                 : practice ? Cli::tr("%1 reads no input and takes no option but -o, --locale, "
                                      "--lang, --seed, --level, --scenario and --answers")
                            : Cli::tr("%1 reads no input and takes no option but -o, --locale, "
                                      "--lang and --json"))
                    .arg(name));
            return std::nullopt;
        }
        options.mode = practice ? Mode::Practice : grade ? Mode::Grade : Mode::ListItems;
        return options;
    }
    if (itemsJson) {
        if (batch || haveInput || haveThreads || options.format != Format::Export) {
            error = seeHelp(Cli::tr("--items-json reads no input and takes no option but -o, "
                                    "--locale and --lang"));
            return std::nullopt;
        }
        options.mode = Mode::ItemsJson;
    } else if (batch) {
        if (options.format == Format::Steps) {
            error = seeHelp(Cli::tr("--steps cannot be used with --batch"));
            return std::nullopt;
        }
        options.mode = Mode::Batch;
    } else if (haveThreads) {
        error = seeHelp(Cli::tr("--threads can only be used with --batch"));
        return std::nullopt;
    }
    return options;
}

} // namespace quarvex
