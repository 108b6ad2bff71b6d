#include "calc/outcome.h"

namespace quarvex {

QString ResultRow::line() const
{
    return name + QLatin1Char('\t') + result + QLatin1Char('\t') + interpretation;
}

} // namespace quarvex
