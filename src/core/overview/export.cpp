#include "overview/export.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace quarvex {

namespace {

const char* const Crlf = "\r\n";

void appendLine(QByteArray& out, const QString& line)
{
    out += line.toUtf8();
    out += Crlf;
}

} // namespace

QString exportDate(const QDate& date, const QLocale& locale)
{
    return locale.toString(date, QStringLiteral("MMM-dd-yyyy"));
}

QByteArray exportBytes(const QDate& date, const QList<ResultRow>& rows, const QLocale& locale)
{
    QByteArray out;
    appendLine(out, QStringLiteral("Quarvex Test Results"));
    appendLine(out, QStringLiteral("generated on ") + exportDate(date, locale));
    appendLine(out, QString());
    appendLine(out, QString());
    appendLine(out, QStringLiteral("Test Item\tResult\tInterpretation"));
    appendLine(out, QString());
    for (const ResultRow& row : rows)
        appendLine(out, row.line());
    return out;
}

bool writeExport(QIODevice& device, const QDate& date, const QList<ResultRow>& rows,
                 const QLocale& locale)
{
    const QByteArray bytes = exportBytes(date, rows, locale);
    // A short write (the disk filled up) is followed by another attempt, which
    // fails with the reason and lets the device describe it.
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += qsizetype(written);
    }
    return true;
}

namespace {

bool commitFile(QSaveFile& file)
{
    return file.commit();
}

ExportCommitStep g_commitStep = commitFile;

QString describe(const QFileDevice& file)
{
    const QString text = file.errorString();
    return text.isEmpty() ? QStringLiteral("The file could not be written.") : text;
}

// Anything that exists and is neither a regular file nor a folder: replacing
// it by a new file would destroy the device node, so it is written in place.
bool isDevice(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

std::optional<QString> writeDevice(const QString& path, const QDate& date,
                                   const QList<ResultRow>& rows, const QLocale& locale)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return describe(file);
    if (!writeExport(file, date, rows, locale) || !file.flush())
        return describe(file);
    file.close();
    if (file.error() != QFileDevice::NoError)
        return describe(file);
    return std::nullopt;
}

} // namespace

std::optional<QString> saveExport(const QString& path, const QDate& date,
                                  const QList<ResultRow>& rows, const QLocale& locale)
{
    if (isDevice(path))
        return writeDevice(path, date, rows, locale);

    // Unbuffered, so that every write reports its own failure: a failure in
    // the last flush of a buffered QSaveFile can go unnoticed by commit().
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return describe(file);
    if (!writeExport(file, date, rows, locale)) {
        const QString error = describe(file);
        file.cancelWriting();
        return error;
    }
    if (!g_commitStep(file))
        return describe(file);
    return std::nullopt;
}

void setExportCommitStep(ExportCommitStep step)
{
    g_commitStep = step ? step : commitFile;
}

} // namespace quarvex
