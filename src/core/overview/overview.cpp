#include "overview/overview.h"

#include "analytes/checks.h"

namespace quarvex {

bool isComputable(const OverviewItem& item, const Fields& fields, Dialogs& dialogs,
                  const QLocale& locale, const ErrorCountSink& sink)
{
    const int errors = evaluate(item.checks(), fields, dialogs, locale);
    if (sink)
        sink(errors);
    return errors == 0;
}

QStringList computableListTexts(const Fields& fields, Dialogs& dialogs, const QLocale& locale,
                                const ErrorCountSink& sink)
{
    QStringList texts;
    for (const OverviewItem& item : overviewItems()) {
        if (isComputable(item, fields, dialogs, locale, sink))
            texts << QString::fromLatin1(item.listText);
    }
    return texts;
}

QList<ResultRow> overviewRows(const Fields& fields, Dialogs& dialogs, const QLocale& locale,
                              const ErrorCountSink& sink)
{
    QList<ResultRow> rows;
    for (const OverviewItem& item : overviewItems()) {
        if (isComputable(item, fields, dialogs, locale, sink))
            rows << item.calculation(fields, locale).rows;
    }
    return rows;
}

} // namespace quarvex
