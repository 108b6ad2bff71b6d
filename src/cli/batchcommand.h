#pragma once

#include "batch/batchrun.h"
#include "climessages.h"
#include "clioptions.h"

#include <QFile>

#include <functional>
#include <optional>

namespace quarvex {

// The batch mode's part of --help.
QString batchHelpText();

class CliOutput;

// The input of a run over CSV rows: the file named, or standard input for "-".
// Says why it cannot be opened, naming it as `where`.
bool openRowsInput(const QString& path, const QString& where, QFile& input);

// How a run over CSV rows (batch mode, grading a class) ended: says what went
// wrong (`badHeader`, when given, for a header the run did not name itself;
// `columns`, what the first row must name), commits the output when the run
// went through and then calls `done`; an output not committed is left as it
// was. Returns the exit status.
Exit finishRowsRun(BatchSummary::Status status, const QString& error, const QString& where,
                   const std::optional<QString>& badHeader, const QString& columns,
                   CliOutput& output, const std::function<void()>& done = {});

// quarvex-cli --batch with its parsed command line; returns the exit status.
Exit runBatchCommand(const CliOptions& options);

} // namespace quarvex
