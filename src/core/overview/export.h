#pragma once

#include "calc/outcome.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

class QIODevice;
class QSaveFile;

namespace quarvex {

// "generated on " date: the English month abbreviation, two-digit day and
// four-digit year ("Dec-06-2026") whatever the language: the date line is
// data that tools read, not prose.
QString exportDate(const QDate& date);

// The export file as bytes: the header block, the heading line and one line
// per row, every line ended by CR LF.
QByteArray exportBytes(const QDate& date, const QList<ResultRow>& rows);

// Writes the export to an open device; false when the device refused a write.
bool writeExport(QIODevice& device, const QDate& date, const QList<ResultRow>& rows);

// Writes every byte to an open device, going on after a short write; false on
// the write that fails.
// Anything that exists and is neither a regular file nor a folder (a device,
// a FIFO): replacing it by a new file would destroy the node, so it is written
// in place.
bool isDevice(const QString& path);

bool writeAll(QIODevice& device, const QByteArray& bytes);

// Writes bytes to path. A regular file is replaced only once everything was
// written, so a failure leaves an existing file exactly as it was and no
// partial file behind; a device (a terminal, a FIFO, /dev/full) is opened
// without truncation and written in place. Returns the platform's description
// of the failure in the language installed, or nothing on success.
std::optional<QString> saveBytes(const QString& path, const QByteArray& bytes);

// Writes the export file of the rows to path with saveBytes.
std::optional<QString> saveExport(const QString& path, const QDate& date,
                                  const QList<ResultRow>& rows);

// The last step of saveExport over a regular file: QSaveFile::commit, which
// puts the fully written temporary file in place of the old one. Tests put a
// failing step here to see that moment fail; nullptr restores the real step.
using ExportCommitStep = bool (*)(QSaveFile& file);
void setExportCommitStep(ExportCommitStep step);

} // namespace quarvex
