#pragma once

#include "analytes/dialogs.h"
#include "analytes/fields.h"
#include "calc/outcome.h"
#include "catalogue/items.h"

#include <QLocale>
#include <QStringList>

#include <functional>

namespace quarvex {

// Called with the error count of every item evaluation, in item order
// (the data entry screen keeps the last one in its Errors field).
using ErrorCountSink = std::function<void(int errors)>;

// Evaluates the item's checks against the fields; true when none failed.
bool isComputable(const OverviewItem& item, const Fields& fields, Dialogs& dialogs,
                  const QLocale& locale = QLocale(), const ErrorCountSink& sink = {});

// The list texts of the computable items, in item order. Every item is
// evaluated afresh, so a field that reports something (a conversion failure,
// a beep for a missing unit) does so once for every item that checks it.
QStringList computableListTexts(const Fields& fields, Dialogs& dialogs,
                                const QLocale& locale = QLocale(), const ErrorCountSink& sink = {});

// The result rows of every computable item, in item order and, within an
// item, in the order its calculation gives them.
QList<ResultRow> overviewRows(const Fields& fields, Dialogs& dialogs,
                              const QLocale& locale = QLocale(), const ErrorCountSink& sink = {});

} // namespace quarvex
