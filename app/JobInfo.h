// TJobInfo: one source file of the job list.
#pragma once

#include <cstdint>
#include <string>

namespace tw {

struct TJobInfo {
    int32_t Duration = 0;   // playing time in whole seconds; 0 when the probe found none
    std::wstring Status;    // the list's status column
    std::wstring FileName;  // full source path
    std::wstring Details;   // a failed run's last diagnostic lines, shown on a double click
};

}  // namespace tw
