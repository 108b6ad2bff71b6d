#include "overview/reportdate.h"

#include <QDateTime>

#include <algorithm>

namespace quarvex {

QDate reportDate()
{
    return reportDate(qEnvironmentVariable("SOURCE_DATE_EPOCH"));
}

QDate reportDate(const QString& sourceDateEpoch)
{
    const bool digitsOnly =
        !sourceDateEpoch.isEmpty() &&
        std::all_of(sourceDateEpoch.begin(), sourceDateEpoch.end(),
                    [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
    bool ok = false;
    const qint64 seconds = digitsOnly ? sourceDateEpoch.toLongLong(&ok) : 0;
    // Up to the last second of 9999, the last year with four digits.
    constexpr qint64 Latest = 253402300799;
    if (ok && seconds <= Latest)
        return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).date();
    return QDate::currentDate();
}

} // namespace quarvex
