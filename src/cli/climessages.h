#pragma once

#include <QCoreApplication>
#include <QString>

namespace quarvex {

// The translation context of quarvex-cli's own texts: its help and
// messages, English unless --lang asks for another language.
struct Cli {
    Q_DECLARE_TR_FUNCTIONS(quarvex::Cli)
};

// quarvex-cli's exit statuses, the same in every mode.
enum class Exit : int {
    Written = 0,     // the results were written
    NotWritten = 1,  // the output could not be written, or memory ran out
    BadInput = 2,    // a bad command line, or input that cannot be used
    RowsSkipped = 3, // batch mode: rows skipped or the input ended inside one; the rest written
};

// One line "quarvex-cli: text" on standard error, every control character
// in the text escaped as shownPath does. Every message goes through here.
void printErr(const QString& text);

// A path as a message shows it: whole, with control characters escaped so
// that none reaches the terminal.
QString shownPath(const QString& path);

// "standard input" for "-", the path as shown otherwise.
QString inputName(const QString& path);

} // namespace quarvex
