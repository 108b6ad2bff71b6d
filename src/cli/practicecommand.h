#pragma once

#include "climessages.h"
#include "clioptions.h"

namespace quarvex {

// --practice, --grade and --list-items.
Exit runPracticeCommand(const CliOptions& options);

// The help text of the three.
QString practiceHelpText();

} // namespace quarvex
