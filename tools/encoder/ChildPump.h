// PumpChild: reads a started child's output and diagnostics to their end, one line at a time.
#pragma once

#include <functional>
#include <string>

#include "tools/encoder/ChildProcess.h"

namespace tw::tools {

using LineHandler = std::function<void(const std::string&)>;

// For a child started with ChildStderr::Separate: its diagnostics are read on a thread of their
// own, its output on the calling thread, and the two handlers never run at the same time, so
// that whole lines of both can share one stream. A failure of the output handler (or of the
// reading) ends the child and is passed on once the diagnostics thread has finished; a failure
// of the diagnostics handler only loses the rest of the diagnostics. Returns the exit code.
int PumpChild(ChildProcess& child, const LineHandler& onOutputLine, const LineHandler& onDiagnosticLine);

}  // namespace tw::tools
