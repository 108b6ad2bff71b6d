#include "calc/outcome.h"

#include <QStringList>

namespace quarvex {

QString ResultRow::line() const {
    return name + QLatin1Char('\t') + result + QLatin1Char('\t') + interpretation;
}

ResultRow ResultRow::fromLine(const QString& line) {
    const QStringList cells = line.split(QLatin1Char('\t'));
    ResultRow row;
    row.name = cells.value(0);
    row.result = cells.value(1);
    // Anything after a third tab belongs to the interpretation.
    row.interpretation = cells.mid(2).join(QLatin1Char('\t'));
    return row;
}

} // namespace quarvex
