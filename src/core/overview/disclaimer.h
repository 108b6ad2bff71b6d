#pragma once

#include <QString>

namespace quarvex {

// The disclaimer text as the program holds it, in the language installed;
// its two line breaks are carriage returns. The disclaimer window shows it,
// and every printed page carries it at its foot.
QString disclaimerText();

} // namespace quarvex
