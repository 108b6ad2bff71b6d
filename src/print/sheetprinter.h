#pragma once

#include "practice/worksheetpages.h"

#include <QPageLayout>

class QIODevice;
class QLocale;
class QPagedPaintDevice;

namespace quarvex {

struct ResultSheet;

// Portrait pages with 15 mm margins: A4, or Letter where the locale measures
// in the US system.
QPageLayout sheetPageLayout(const QLocale& locale);

// Lays the sheet out on the pages of the device and paints it, as text:
// title, date and case, the values entered, the results table (its heading
// repeated on every page it runs onto), the hints and the worked steps; the
// disclaimer and "Page n of m" at the foot of every page. Returns the number
// of pages, or 0 when the device could not be painted on.
int printSheet(const ResultSheet& sheet, QPagedPaintDevice& device);

// Lays a worksheet or its key out the same way: each section from a new
// page, each exercise's case and its table of steps (a box to write in for
// each answer not given), the key's worked steps with band pictures; the
// disclaimer and "Page n of m" at the foot of every page.
int printWorksheet(const PrintedWorksheet& worksheet, QPagedPaintDevice& device);

// The disclaimer as a page's foot prints it: its lines trimmed, one a line.
QString printedDisclaimer();

// A worksheet's documents as the worksheet dialog prints and saves them and
// quarvex-cli --pdf writes them: the students' sheets, with the key's
// sections after all versions unless the key is apart; the key apart, with
// its worked steps or its answer tables only (empty unless apart).
struct WorksheetDocuments {
    PrintedWorksheet sheets;
    PrintedWorksheet key;
};
WorksheetDocuments worksheetDocuments(const Worksheet& worksheet, bool keyApart, bool workedSteps);

// Writes a document as PDF to the device, on the paper of the default
// locale; returns the number of pages, 0 when they could not be drawn.
int writeWorksheetPdf(const PrintedWorksheet& document, QIODevice& device);

} // namespace quarvex
