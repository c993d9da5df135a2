#include "process/ProcessJob.h"

namespace tw {

TProcessJob::TProcessJob() : job_(::CreateJobObjectW(nullptr, nullptr)) {
    if (!job_) return;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION info{};
    info.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!::SetInformationJobObject(job_.Get(), JobObjectExtendedLimitInformation, &info, sizeof(info)))
        job_.Reset();  // a job that would not end its children is no use
}

bool TProcessJob::Adopt(HANDLE process) const {
    return job_ && ::AssignProcessToJobObject(job_.Get(), process) != FALSE;
}

}  // namespace tw
