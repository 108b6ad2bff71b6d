#pragma once

#include <QDate>

namespace quarvex {

// The date an export says it was "generated on": today, or, when the
// environment variable SOURCE_DATE_EPOCH holds a number of seconds since
// 1970-01-01 00:00 UTC, that moment's day in UTC (the reproducible-builds
// convention: the same input then gives the same bytes on any day). A value
// that is not such a number is ignored.
QDate reportDate();

// The same, from the variable's text (null: not set).
QDate reportDate(const QString& sourceDateEpoch);

} // namespace quarvex
