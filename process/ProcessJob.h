// TProcessJob: a job object that ends every process in it when the job is closed.
#pragma once

#include <windows.h>

#include "framework/win/Handles.h"

namespace tw {

// Children put here cannot outlive their runner: closing the job (the runner goes, or the
// program ends and the system closes its handles) ends them and their own children.
class TProcessJob {
public:
    TProcessJob();
    HANDLE Handle() const { return job_.Get(); }
    // False when the process could not be put in the job (for instance a job that forbids it).
    bool Adopt(HANDLE process) const;

private:
    THandle job_;
};

}  // namespace tw
