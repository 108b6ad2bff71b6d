#pragma once

#include "analytes/fields.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QLocale>
#include <QStringList>

#include <optional>
#include <span>

class QIODevice;

namespace quarvex {

// One name a command-line input may set: an analyte's value field or, with
// unit set, its unit list.
struct InputField {
    QString name;
    AnalyteId id;
    bool unit;
};

// Every such name, in the order of the analyte table.
const QList<InputField>& inputFields();

// The names a command-line input file may set: the data entry screen's value
// fields ("Age", "Gender", "SerumCreatinine", ...) and unit lists
// ("UnitWeight", "UnitSerumCreatinine", ...), in the order of the analyte table.
QStringList inputFieldNames();

// The most an input may hold, in bytes: the whole input and one line (without
// its line end). Nothing a person types comes near either.
inline constexpr qint64 MaxInputBytes = 1024 * 1024;
inline constexpr qint64 MaxLineBytes = 4096;

// Data entry fields read from "Name=text" lines.
struct CaseInput {
    MapFields fields;
    // The line each field name was set on, for messages about it.
    QHash<QString, int> lines;
    // The number format the values were written in, from a "Locale=de_DE"
    // line; none for a file without one (its values are read as the reader's).
    std::optional<QLocale> locale;
};

// The name of the line that records a case's number format.
inline constexpr const char* LocaleLineName = "Locale";

// The locale a name means, as a case's Locale= line and quarvex-cli's
// --locale take it: "C", "POSIX", or a language code with an optional script
// and territory ("de", "de_DE", "en-US", "sr_Latn_RS") that Qt knows as
// written; nothing for any other text (a territory Qt does not know, a code
// set such as ".UTF-8", control characters), rather than a guess.
std::optional<QLocale> localeNamed(const QString& name);

// Rewrites the values of a case written in another number format in the
// reader's: every value that reads as a number in the case's format is
// written again in `reader`'s ("1.1" under English becomes "1,1" under
// German); any other text stays as typed. A case without a Locale line, or
// with one whose decimal point is the reader's, is left as it is. Afterwards
// the case counts as written in `reader`'s format.
void takeNumbersInto(CaseInput& input, const QLocale& reader);

// The translation context of the case files' error texts.
inline constexpr const char* CaseFileContext = "quarvex::CaseFile";

// `message` is English whatever the language, for the command line; `shown`
// is the same in the language installed when the error was made, for the
// windows.
struct CaseFileError {
    int line = 0; // 0: the error is about the input as a whole (it could not be read)
    QString message;
    QString shown = {};

    QString shownMessage() const { return shown.isEmpty() ? message : shown; }
};

// Reads "Name=text" lines from a device, line by line, stopping at the first
// bad line. LF, CR LF and a lone CR each end a line. The text after the first
// "=" is taken as typed, except that blanks and tabs at the end of a unit or
// Gender text are dropped (they cannot be seen); blank lines and lines
// starting with "#" are skipped. An unknown name, a line without "=", a name
// given twice, a "Locale=" line naming no known locale, a line over MaxLineBytes or an input over
// MaxInputBytes is an error naming the line.
std::optional<CaseFileError> readCaseInput(QIODevice& device, CaseInput& input);

// The same over a text held in memory.
std::optional<CaseFileError> parseCaseText(const QString& text, CaseInput& input);

// A case file is the same format as bytes: UTF-8 (a leading byte order mark
// is skipped), lines ended by LF, CR LF or CR. A line that is not UTF-8 is an
// error too. On success input holds the file's fields and nothing else; on
// an error it is left as it was.
std::optional<CaseFileError> parseCase(const QByteArray& bytes, CaseInput& input);

// The largest case file that is read; anything bigger is not a case.
inline constexpr qint64 MaxCaseFileSize = 1024 * 1024;

// Reads the case file at path whole, then parses it as parseCase does. A file
// that cannot be read or is too large is an error on line 0.
std::optional<CaseFileError> readCaseFile(const QString& path, CaseInput& input);

// The file suffix of a case, without the dot.
inline constexpr const char* CaseSuffix = "quarvex";

// A case file: a comment naming the program and the date it was saved on,
// a "Locale=" line naming the number format of its values (`locale`'s),
// then one "Name=text" line, ended by LF, for every field that holds text:
// each analyte of order (the order of the data entry screen) with its value,
// then its unit text. A line break inside a text becomes a space, so every
// field stays on its own line.
QByteArray caseBytes(const Fields& fields, std::span<const AnalyteId> order, const QDate& date,
                     const QLocale& locale = QLocale());

// Saves the case to path as the export is saved (saveBytes): the old file is
// replaced only once the new one is fully written, so a failure leaves it
// exactly as it was. Returns the platform's description of the failure, or
// nothing on success.
std::optional<QString> saveCaseFile(const QString& path, const Fields& fields,
                                    std::span<const AnalyteId> order, const QDate& date,
                                    const QLocale& locale = QLocale());

} // namespace quarvex
