#pragma once

#include "climessages.h"
#include "clioptions.h"

namespace quarvex {

// The batch mode's part of --help.
QString batchHelpText();

// quarvex-cli --batch with its parsed command line; returns the exit status.
Exit runBatchCommand(const CliOptions& options);

} // namespace quarvex
