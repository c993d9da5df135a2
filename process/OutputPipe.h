// TOutputPipe: the pipe a child writes its output into, read by overlapped reads that can be waited on.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/win/Handles.h"

namespace tw {

// An anonymous pipe cannot be read overlapped, so this is a named pipe of our own: a name used
// by this run alone, inbound, one instance that we create first (nobody can have made it before
// us), local clients only. Our end reads overlapped and is never inherited; the child's end is
// an ordinary inheritable handle that writes synchronously, as a console program expects.
// Everything here runs on the one thread that owns the pipe.
class TOutputPipe {
public:
    enum class TRead {
        Data,     // a read finished: Data() and Size() hold its bytes (possibly none)
        Pending,  // nothing yet: wait on ReadEvent()
        Ended,    // every writer has closed its end; nothing more will come
    };

    // Throws EDosCommand when the pipe or the child's end cannot be made.
    TOutputPipe(DWORD pipeSize, DWORD readSize);
    // Settles a read in progress first: the system writes into the buffer until it is done.
    ~TOutputPipe();
    TOutputPipe(const TOutputPipe&) = delete;
    TOutputPipe& operator=(const TOutputPipe&) = delete;

    HANDLE ChildEnd() const { return childEnd_.Get(); }
    // Once the child has it, only the child may hold it: the pipe then ends with the child.
    void CloseChildEnd() { childEnd_.Reset(); }

    // Never blocks: collects a finished read, or starts the next one.
    TRead Next();
    // Set when the read in progress finishes.
    HANDLE ReadEvent() const { return readEvent_.Get(); }
    bool ReadPending() const { return pending_; }
    // Gives up the read in progress and waits until the system has let go of the buffer; true
    // when that read had finished with bytes after all (then in Data() and Size()).
    bool CancelRead();

    const char* Data() const { return buffer_.data(); }
    DWORD Size() const { return got_; }

private:
    TRead Collect();

    THandle readEnd_;
    THandle childEnd_;
    THandle readEvent_;
    OVERLAPPED overlapped_{};
    std::vector<char> buffer_;
    DWORD got_ = 0;
    bool pending_ = false;
    bool ended_ = false;
};

}  // namespace tw
