#pragma once

#include "app/navigation.h"

#include <QString>

namespace quarvex {

class CalculatorScreen;
class ExplainWindow;

// The text of a failed look-up of a window by name.
inline constexpr const char* FormNotInList = "Form name not in global list";

// The explanation window for "Explain" (created, not shown, if not open);
// any other name fails: nullptr, with the failure's text in *failure.
ExplainWindow* GetTargetForm(const QString& name, QString* failure = nullptr);

// The renal screen for "Kidney" (nullptr when it is not open); any other name
// fails: nullptr, with the failure's text in *failure.
CalculatorScreen* GetSourceForm(const QString& name, QString* failure = nullptr);

} // namespace quarvex
