#pragma once

#include "analytes/analyte.h"

namespace quarvex {

// How the text of an input field is read, the same for a line of a case file
// (or of quarvex-cli's input) and for a cell of a batch: as typed, except
// that blanks and tabs at the end of a unit or Gender text are dropped, since
// they cannot be seen. Text is a QString or a view of UTF-8 bytes.
template <class Text>
Text typedText(AnalyteId id, bool unit, Text text)
{
    if (!unit && id != AnalyteId::Gender)
        return text;
    qsizetype end = text.size();
    while (end > 0 && (text.at(end - 1) == u' ' || text.at(end - 1) == u'\t'))
        --end;
    return text.first(end);
}

} // namespace quarvex
