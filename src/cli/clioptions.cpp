#include "clioptions.h"

#include "analytes/findings.h"
#include "cases/casefile.h"
#include "practice/practicejson.h"
#include "practice/worksheet.h"

namespace quarvex {

namespace {

const QString SeeHelp = QStringLiteral(" (see --help)");

} // namespace

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
            error = arg + QStringLiteral(" needs a whole number from 1 to %1").arg(most);
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
                error = arg + QStringLiteral(" needs ") + what + SeeHelp;
                return false;
            }
            ++i;
            return true;
        };
        if (!option) {
            if (haveInput) {
                error = QStringLiteral("only one input file can be given") + SeeHelp;
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
            if (!value(QStringLiteral("an item id (see --list-items)")))
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
            if (!value(QStringLiteral("a scenario id (see --list-scenarios)")))
                return std::nullopt;
            options.scenarios = QStringList{args.at(i).trimmed()};
            scenarioOption = true;
        } else if (arg == QLatin1String("--scenarios")) {
            if (!value(QStringLiteral("scenario ids separated by commas (see --list-scenarios)")))
                return std::nullopt;
            options.scenarios.clear();
            for (const QString& id : args.at(i).split(QLatin1Char(',')))
                options.scenarios << id.trimmed();
            worksheetOptions = true;
        } else if (arg == QLatin1String("--worksheet")) {
            worksheet = true;
        } else if (arg == QLatin1String("--items")) {
            if (!value(QStringLiteral("item ids separated by commas (see --list-items)")))
                return std::nullopt;
            options.worksheetItems = args.at(i);
            worksheetOptions = true;
        } else if (arg == QLatin1String("--count")) {
            if (!value(QStringLiteral("a number of exercises per item")) ||
                !wholeValue(arg, args.at(i), MaxWorksheetCount, options.count))
                return std::nullopt;
            worksheetOptions = true;
        } else if (arg == QLatin1String("--versions")) {
            if (!value(QStringLiteral("a number of versions")) ||
                !wholeValue(arg, args.at(i), MaxWorksheetVersions, options.versions))
                return std::nullopt;
            worksheetOptions = true;
        } else if (arg == QLatin1String("--title")) {
            if (!value(QStringLiteral("a title")))
                return std::nullopt;
            options.title = args.at(i);
            worksheetOptions = true;
        } else if (arg == QLatin1String("--moodle-xml")) {
            if (!value(QStringLiteral("a file name")))
                return std::nullopt;
            options.moodleXmlPath = args.at(i);
            worksheetOptions = true;
        } else if (arg == QLatin1String("--class-csv")) {
            if (!value(QStringLiteral("a file name")))
                return std::nullopt;
            options.classCsvPath = args.at(i);
            worksheetOptions = true;
        } else if (arg == QLatin1String("--pdf") || arg == QLatin1String("--key-pdf")) {
            if (!value(QStringLiteral("a file name")))
                return std::nullopt;
            (arg == QLatin1String("--pdf") ? options.pdfPath : options.keyPdfPath) = args.at(i);
            worksheetOptions = true;
        } else if (arg == QLatin1String("--key-without-steps")) {
            options.keyWorkedSteps = false;
            worksheetOptions = true;
        } else if (arg == QLatin1String("--sheet") || arg == QLatin1String("--gradebook")) {
            if (!value(QStringLiteral("a file name")))
                return std::nullopt;
            (arg == QLatin1String("--sheet") ? options.sheetPath : options.gradebookPath) =
                args.at(i);
            classOptions = true;
        } else if (arg == QLatin1String("--seed")) {
            if (!value(QStringLiteral("a whole number")))
                return std::nullopt;
            bool ok = false;
            const quint64 seed = args.at(i).toULongLong(&ok);
            if (!ok || seed > MaxPracticeSeed || !args.at(i).front().isDigit()) {
                error =
                    QStringLiteral("--seed needs a whole number from 0 to %1").arg(MaxPracticeSeed);
                return std::nullopt;
            }
            options.seed = seed;
            practiceOptions = true;
        } else if (arg == QLatin1String("--level")) {
            if (!value(QStringLiteral("1, 2 or 3")))
                return std::nullopt;
            bool ok = false;
            options.level = args.at(i).toInt(&ok);
            if (!ok || options.level < 1 || options.level > PracticeLevels) {
                error = QStringLiteral("--level needs 1, 2 or 3");
                return std::nullopt;
            }
            practiceOptions = true;
        } else if (arg == QLatin1String("--no-carry")) {
            options.countCarried = false;
        } else if (arg == QLatin1String("--answers")) {
            options.answers = true;
            practiceOptions = true;
        } else if (arg == QLatin1String("-o")) {
            if (!value(QStringLiteral("a file name")))
                return std::nullopt;
            if (haveOutput) {
                error = QStringLiteral("only one -o can be given") + SeeHelp;
                return std::nullopt;
            }
            options.outputPath = args.at(i);
            haveOutput = true;
        } else if (arg == QLatin1String("--locale")) {
            if (!value(QStringLiteral("a locale name such as de_DE")))
                return std::nullopt;
            options.locale = localeNamed(args.at(i));
            if (!options.locale) {
                error = QStringLiteral("unknown locale ") + shownText(args.at(i)) +
                        QStringLiteral(" (a name such as en_US or de_DE)");
                return std::nullopt;
            }
        } else if (arg == QLatin1String("--threads")) {
            if (!value(QStringLiteral("a number of threads")))
                return std::nullopt;
            bool ok = false;
            options.threads = args.at(i).toInt(&ok);
            if (!ok || options.threads < 1 || options.threads > 256) {
                error = QStringLiteral("--threads needs a number from 1 to 256");
                return std::nullopt;
            }
            haveThreads = true;
        } else if (arg == QLatin1String("--full")) {
            options.full = true;
        } else if (arg == QLatin1String("--steps") || arg == QLatin1String("--json")) {
            const Format wanted = arg == QLatin1String("--json") ? Format::Json : Format::Steps;
            if (options.format != Format::Export && options.format != wanted) {
                error = QStringLiteral("--steps and --json cannot be used together") + SeeHelp;
                return std::nullopt;
            }
            options.format = wanted;
        } else {
            error = QStringLiteral("unknown option ") + shownText(arg) + SeeHelp;
            return std::nullopt;
        }
    }
    if (options.full && !(batch && options.format == Format::Json && !grade)) {
        error = QStringLiteral("--full can only be used with --batch --json") + SeeHelp;
        return std::nullopt;
    }
    if (!options.countCarried && !grade) {
        error = QStringLiteral("--no-carry can only be used with --grade") + SeeHelp;
        return std::nullopt;
    }
    // --grade --batch grades a class's answers from CSV.
    const bool gradeClass = grade && batch;
    if (gradeClass) {
        if (itemsJson || practice || listItems || worksheet || practiceOptions || scenarioOption ||
            worksheetOptions || haveThreads || options.format != Format::Export) {
            error = QStringLiteral("--grade --batch reads one CSV file and takes no option but -o, "
                                   "--sheet, --gradebook, --locale and --no-carry") +
                    SeeHelp;
            return std::nullopt;
        }
        if (!options.gradebookPath.isEmpty() && options.gradebookPath == options.outputPath) {
            error = QStringLiteral("--gradebook and -o name the same file") + SeeHelp;
            return std::nullopt;
        }
        options.mode = Mode::GradeClass;
        return options;
    }
    if (classOptions) {
        error = QStringLiteral("--sheet and --gradebook can only be used with --grade --batch") +
                SeeHelp;
        return std::nullopt;
    }
    if (int(batch) + int(itemsJson) + int(practice) + int(grade) + int(listItems) + int(worksheet) >
        1) {
        error = QStringLiteral("--batch, --items-json, --practice, --grade, --list-items and "
                               "--worksheet cannot be used together") +
                SeeHelp;
        return std::nullopt;
    }
    if (worksheet) {
        if (options.answers || haveThreads || haveInput || options.format != Format::Export) {
            error = QStringLiteral("--worksheet reads no input and takes no option but --items, "
                                   "--count, --versions, --seed, --level, --title, --scenarios, "
                                   "--locale, --class-csv, --moodle-xml, --pdf, --key-pdf, "
                                   "--key-without-steps and -o") +
                    SeeHelp;
            return std::nullopt;
        }
        // -o writes the sheet file, JSON; a name ending in .pdf means a PDF was wanted.
        for (const QString& path : {options.outputPath, options.classCsvPath}) {
            if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
                error = shownText(path) +
                        QStringLiteral(": --worksheet writes the sheet file (JSON) with -o and the "
                                       "class file (CSV) with --class-csv; name them .json and "
                                       ".csv (the sheets as PDF: --pdf PATH, the key apart: "
                                       "--key-pdf PATH)");
                return std::nullopt;
            }
        }
        if (!options.classCsvPath.isEmpty() && options.classCsvPath == options.outputPath) {
            error = QStringLiteral("--class-csv and -o name the same file") + SeeHelp;
            return std::nullopt;
        }
        if (!options.moodleXmlPath.isEmpty() && options.moodleXmlPath == options.outputPath) {
            error = QStringLiteral("--moodle-xml and -o name the same file") + SeeHelp;
            return std::nullopt;
        }
        if (!options.keyWorkedSteps && options.pdfPath.isEmpty() && options.keyPdfPath.isEmpty()) {
            error = QStringLiteral("--key-without-steps can only be used with --pdf or --key-pdf") +
                    SeeHelp;
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
                    error = document == QLatin1String("-")
                                ? QStringLiteral("%1 - and the sheet file would both go to "
                                                 "standard output; give -o PATH for the sheet "
                                                 "file")
                                      .arg(name)
                                : QStringLiteral("%1 and %2 name the same file").arg(name, other);
                    error += SeeHelp;
                    return std::nullopt;
                }
            }
        }
        if (!options.pdfPath.isEmpty() && options.pdfPath == options.keyPdfPath) {
            error = QStringLiteral("--pdf and --key-pdf name the same file") + SeeHelp;
            return std::nullopt;
        }
        if (options.worksheetItems.isEmpty()) {
            error = QStringLiteral("--worksheet needs --items") + SeeHelp;
            return std::nullopt;
        }
        options.mode = Mode::Worksheet;
        return options;
    }
    if (worksheetOptions) {
        error = QStringLiteral("--items, --count, --versions, --title, --scenarios, --class-csv, "
                               "--moodle-xml, --pdf, --key-pdf and --key-without-steps can only be "
                               "used with --worksheet") +
                SeeHelp;
        return std::nullopt;
    }
    if (scenarioOption && !practice) {
        error = QStringLiteral("--scenario can only be used with --practice (--scenarios with "
                               "--worksheet)") +
                SeeHelp;
        return std::nullopt;
    }
    if (practiceOptions && !practice) {
        error = QStringLiteral("--seed, --level and --answers can only be used with --practice "
                               "(--seed and --level with --worksheet too)") +
                SeeHelp;
        return std::nullopt;
    }
    if (practice || grade || listItems) {
        const QString name = practice                ? QStringLiteral("--practice")
                             : grade                 ? QStringLiteral("--grade")
                             : options.listScenarios ? QStringLiteral("--list-scenarios")
                                                     : QStringLiteral("--list-items");
        if (haveThreads || options.format == Format::Steps ||
            (options.format == Format::Json && !listItems) || (haveInput && !grade)) {
            error =
                name +
                (grade ? QStringLiteral(" reads one file and takes no option but -o, --locale and "
                                        "--no-carry")
                       : QStringLiteral(" reads no input and takes no option but -o, --locale") +
                             (practice ? QStringLiteral(", --seed, --level, --scenario and "
                                                        "--answers")
                                       : QStringLiteral(" and --json"))) +
                SeeHelp;
            return std::nullopt;
        }
        options.mode = practice ? Mode::Practice : grade ? Mode::Grade : Mode::ListItems;
        return options;
    }
    if (itemsJson) {
        if (batch || haveInput || haveThreads || options.format != Format::Export) {
            error = QStringLiteral("--items-json reads no input and takes no option but -o and "
                                   "--locale") +
                    SeeHelp;
            return std::nullopt;
        }
        options.mode = Mode::ItemsJson;
    } else if (batch) {
        if (options.format == Format::Steps) {
            error = QStringLiteral("--steps cannot be used with --batch") + SeeHelp;
            return std::nullopt;
        }
        options.mode = Mode::Batch;
    } else if (haveThreads) {
        error = QStringLiteral("--threads can only be used with --batch") + SeeHelp;
        return std::nullopt;
    }
    return options;
}

} // namespace quarvex
