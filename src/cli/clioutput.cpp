#include "clioutput.h"

#include "climessages.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quarvex {

namespace {

bool statPath(const QString& path, struct stat& out)
{
    return ::stat(QFile::encodeName(path).constData(), &out) == 0;
}

// The standard descriptor (1 or 2) that already has the file at path open.
std::optional<int> ownDescriptor(const QString& path)
{
    struct stat target {};
    if (!statPath(path, target))
        return std::nullopt;
    for (int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        struct stat held {};
        if (::fstat(fd, &held) == 0 && held.st_dev == target.st_dev && held.st_ino == target.st_ino)
            return fd;
    }
    return std::nullopt;
}

// Something that exists and is neither a regular file nor a folder.
bool isDeviceNode(const QString& path)
{
    struct stat info {};
    return statPath(path, info) && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
}

// The path of the temporary file a regular file's output is being written
// to, kept where a program ending in haste can still read it.
char unfinishedPath[4096] = {};

void noteUnfinished(const QSaveFile& file)
{
    unfinishedPath[0] = '\0';
    const QByteArray link = "/proc/self/fd/" + QByteArray::number(file.handle());
    const ssize_t n = ::readlink(link.constData(), unfinishedPath, sizeof unfinishedPath - 1);
    unfinishedPath[n > 0 ? n : 0] = '\0';
}

QString describe(const QFileDevice& file)
{
    const QString text = file.errorString();
    return text.isEmpty() || text == QLatin1String("Unknown error")
               ? Cli::tr("The file could not be written.")
               : text;
}

} // namespace

CliOutput::CliOutput(QString path)
    : m_path(std::move(path))
{}

CliOutput::~CliOutput()
{
    cancel();
}

QString CliOutput::name() const
{
    return m_path == QLatin1String("-") ? Cli::tr("standard output") : shownPath(m_path);
}

std::optional<QString> CliOutput::open()
{
    std::optional<int> fd;
    if (m_path == QLatin1String("-"))
        fd = STDOUT_FILENO;
    else
        fd = ownDescriptor(m_path);
    if (fd) {
        m_file = std::make_unique<QFile>();
        if (!m_file->open(*fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                          QFileDevice::DontCloseHandle))
            return describe(*m_file);
        return std::nullopt;
    }
    if (isDeviceNode(m_path)) {
        const int opened =
            ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (opened < 0)
            return QString::fromLocal8Bit(std::strerror(errno));
        m_file = std::make_unique<QFile>();
        if (!m_file->open(opened, QIODevice::WriteOnly | QIODevice::Unbuffered,
                          QFileDevice::AutoCloseHandle)) {
            ::close(opened);
            return describe(*m_file);
        }
        return std::nullopt;
    }
    // Unbuffered, so that every write reports its own failure.
    m_saveFile = std::make_unique<QSaveFile>(m_path);
    if (!m_saveFile->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const QString error = describe(*m_saveFile);
        m_saveFile.reset();
        return error;
    }
    noteUnfinished(*m_saveFile);
    return std::nullopt;
}

QIODevice& CliOutput::device()
{
    if (m_saveFile)
        return *m_saveFile;
    return *m_file;
}

std::optional<QString> CliOutput::write(QByteArrayView bytes)
{
    QFileDevice& file = m_saveFile ? static_cast<QFileDevice&>(*m_saveFile) : *m_file;
    while (!bytes.isEmpty()) {
        const qint64 n = file.write(bytes.data(), bytes.size());
        if (n <= 0)
            return describe(file);
        bytes = bytes.sliced(n);
    }
    return std::nullopt;
}

std::optional<QString> CliOutput::commit()
{
    if (m_saveFile) {
        unfinishedPath[0] = '\0';
        const bool ok = m_saveFile->commit();
        const QString error = describe(*m_saveFile);
        m_saveFile.reset();
        if (!ok)
            return error;
        return std::nullopt;
    }
    if (m_file) {
        const bool ok = m_file->flush();
        const QString error = describe(*m_file);
        m_file.reset();
        if (!ok)
            return error;
    }
    return std::nullopt;
}

void CliOutput::cancel()
{
    if (m_saveFile)
        unfinishedPath[0] = '\0';
    if (m_saveFile)
        m_saveFile->cancelWriting();
    m_saveFile.reset();
    m_file.reset();
}

void removeUnfinishedOutput() noexcept
{
    if (unfinishedPath[0] != '\0')
        ::unlink(unfinishedPath);
    unfinishedPath[0] = '\0';
}

bool outputIsInput(const QString& outputPath, const QString& inputPath)
{
    if (outputPath == QLatin1String("-"))
        return false;
    struct stat out {};
    if (!statPath(outputPath, out) || !(S_ISREG(out.st_mode) || S_ISFIFO(out.st_mode)))
        return false;
    struct stat in {};
    const bool known =
        inputPath == QLatin1String("-") ? ::fstat(STDIN_FILENO, &in) == 0 : statPath(inputPath, in);
    return known && in.st_dev == out.st_dev && in.st_ino == out.st_ino;
}

// Writes bytes to the output (see CliOutput); on an error, says why on
// standard error.
Exit writeBytes(const QString& outputPath, QByteArrayView bytes)
{
    return writeOutput(outputPath, [bytes](CliOutput& output) { return output.write(bytes); });
}

Exit writeOutput(const QString& outputPath,
                 const std::function<std::optional<QString>(CliOutput&)>& write)
{
    CliOutput output(outputPath);
    std::optional<QString> failure = output.open();
    if (!failure)
        failure = write(output);
    if (!failure)
        failure = output.commit();
    if (failure) {
        output.cancel();
        printErr(output.name() + QStringLiteral(": ") + *failure);
        return Exit::NotWritten;
    }
    return Exit::Written;
}

} // namespace quarvex
