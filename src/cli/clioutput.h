#pragma once

#include "climessages.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace quarvex {

// Where quarvex-cli writes, in every mode:
// - "-": standard output;
// - a name of the program's own standard output or error ("/dev/stdout",
//   "/dev/fd/2", "/proc/self/fd/1", or any path of the file the shell opened
//   for it): through that descriptor, as the shell opened it, so ">>" appends;
// - a device or FIFO: opened without truncation and written in place;
// - anything else: a regular file, replaced only once fully written, so a
//   failure leaves an existing file as it was and nothing behind.
class CliOutput
{
public:
    // The name of the output for messages.
    explicit CliOutput(QString path);
    ~CliOutput();
    CliOutput(const CliOutput&) = delete;
    CliOutput& operator=(const CliOutput&) = delete;

    // Opens the output; on a failure returns why.
    std::optional<QString> open();
    QIODevice& device();
    // Writes every byte; on a failure returns why.
    std::optional<QString> write(QByteArrayView bytes);
    // Ends a successful run: a regular file takes the place of the old one.
    std::optional<QString> commit();
    // Ends a failed run: a regular file is left as it was.
    void cancel();

    // "standard output" or the path as shown.
    QString name() const;

private:
    QString m_path;
    std::unique_ptr<QFile> m_file;         // a descriptor or device written in place
    std::unique_ptr<QSaveFile> m_saveFile; // a regular file
};

// Removes the temporary file of a regular file's output not yet committed,
// if there is one: for a program ending in haste (memory ran out where no
// exception can be caught), which may call nothing but the system.
void removeUnfinishedOutput() noexcept;

// True when the output path names the input (a path, or "-" for standard
// input): the same regular file or FIFO. Writing it would destroy what is
// being read, so the command line is refused.
bool outputIsInput(const QString& outputPath, const QString& inputPath);

// Writes bytes to the output in one go; on an error, says why on standard
// error and returns NotWritten.
Exit writeBytes(const QString& outputPath, QByteArrayView bytes);
// Opens the output, lets `write` fill it (an error text, or none), and commits
// it; on an error the old output is kept and why is said on standard error.
Exit writeOutput(const QString& outputPath,
                 const std::function<std::optional<QString>(CliOutput&)>& write);

} // namespace quarvex
