#pragma once

#include "climessages.h"

class QLocale;

namespace quarvex {

struct CliOptions;
struct Worksheet;

// Writes the PDFs --pdf and --key-pdf ask for, as the window's worksheet
// dialog saves them: with --pdf alone the key follows the versions, with
// --key-pdf it is a document of its own. Each file is replaced only once
// fully written; on an error, says why on standard error. Needs a
// QGuiApplication.
Exit writeWorksheetPdfs(const CliOptions& options, const Worksheet& sheet, const QLocale& locale);

} // namespace quarvex
