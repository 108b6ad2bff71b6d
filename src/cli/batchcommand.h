#pragma once

#include <QStringList>

namespace quarvex {

// The batch mode's part of --help.
QString batchHelpText();

// quarvex-cli --batch, given the command line after the program name;
// returns the exit status.
int runBatchCommand(const QStringList& args);

} // namespace quarvex
