// Serve: "twdriver --serve", one process answering a script's calls one after another, so a
// call costs no Wine process start.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tw::driver {

// Runs one command line as the one-shot driver would and returns its exit status.
using CommandRunner = std::function<int(const std::vector<std::wstring>& args)>;

// Reads requests from stdin until it ends or says quit (framing in ServeFrame.h); each is run
// by run, with its stdout and stderr captured, and answered on stdout. Returns the exit status.
int Serve(const CommandRunner& run);

}  // namespace tw::driver
