#include "worksheetpdf.h"

#include "clioptions.h"
#include "clioutput.h"
#include "sheetprinter.h"

#include <QBuffer>
#include <QLocale>

namespace quarvex {

Exit writeWorksheetPdfs(const CliOptions& options, const Worksheet& sheet, const QLocale& locale)
{
    // The pages write their numbers and choose their paper as the default
    // locale does, as in the window.
    QLocale::setDefault(locale);
    const WorksheetDocuments documents =
        worksheetDocuments(sheet, !options.keyPdfPath.isEmpty(), options.keyWorkedSteps);
    const std::pair<QString, const PrintedWorksheet*> files[] = {
        {options.pdfPath, &documents.sheets}, {options.keyPdfPath, &documents.key}};
    for (const auto& [path, document] : files) {
        if (path.isEmpty())
            continue;
        // Drawn whole first: the file is written in one go, or not at all.
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        if (writeWorksheetPdf(*document, pdf) == 0) {
            printErr(Cli::tr("%1: the pages could not be drawn").arg(shownPath(path)));
            return Exit::NotWritten;
        }
        if (const Exit exit = writeBytes(path, pdf.data()); exit != Exit::Written)
            return exit;
    }
    return Exit::Written;
}

} // namespace quarvex
