#include "overview/export.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace quarvex {

namespace {

const char* const Crlf = "\r\n";

void appendLine(QByteArray& out, const QString& line)
{
    out += line.toUtf8();
    out += Crlf;
}

} // namespace

QString exportDate(const QDate& date)
{
    return QLocale::c().toString(date, QStringLiteral("MMM-dd-yyyy"));
}

QByteArray exportBytes(const QDate& date, const QList<ResultRow>& rows)
{
    QByteArray out;
    appendLine(out, QStringLiteral("Quarvex Test Results"));
    appendLine(out, QStringLiteral("generated on ") + exportDate(date));
    appendLine(out, QString());
    appendLine(out, QString());
    appendLine(out, QStringLiteral("Test Item\tResult\tInterpretation"));
    appendLine(out, QString());
    for (const ResultRow& row : rows)
        appendLine(out, row.line());
    return out;
}

bool writeExport(QIODevice& device, const QDate& date, const QList<ResultRow>& rows)
{
    return writeAll(device, exportBytes(date, rows));
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
    // In the language installed, like the platform's own descriptions.
    return text.isEmpty()
               ? QCoreApplication::translate("quarvex::Export", "The file could not be written.")
               : text;
}

// Opened without truncating and without creating: a device or FIFO is written
// in place from its start.
std::optional<QString> writeDevice(const QString& path, const QByteArray& bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                   QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return describe(file);
    }
    if (!writeAll(file, bytes) || !file.flush())
        return describe(file);
    file.close();
    if (file.error() != QFileDevice::NoError)
        return describe(file);
    return std::nullopt;
}

} // namespace

bool isDevice(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

// Writes every byte, going on after a short write: the write that then fails
// (a full disk, a file-size limit) is the one that says why.
bool writeAll(QIODevice& device, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = device.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

std::optional<QString> saveBytes(const QString& path, const QByteArray& bytes)
{
    if (isDevice(path))
        return writeDevice(path, bytes);

    // Unbuffered, so that every write reports its own failure: a failure in
    // the last flush of a buffered QSaveFile can go unnoticed by commit().
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return describe(file);
    if (!writeAll(file, bytes)) {
        const QString error = describe(file);
        file.cancelWriting();
        return error;
    }
    if (!g_commitStep(file))
        return describe(file);
    return std::nullopt;
}

std::optional<QString> saveExport(const QString& path, const QDate& date,
                                  const QList<ResultRow>& rows)
{
    return saveBytes(path, exportBytes(date, rows));
}

void setExportCommitStep(ExportCommitStep step)
{
    g_commitStep = step ? step : commitFile;
}

} // namespace quarvex
