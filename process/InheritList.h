// TInheritList: the handles a child process may inherit, and nothing else it could pick up.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <vector>

namespace tw {

// Without a list a child inherits every inheritable handle of ours, among them the ends of
// pipes meant for another child started at the same moment; a child left running would keep
// those pipes open. With one it gets exactly the handles named (each must be inheritable).
// Null handles are left out, and so are repeats (the system refuses a list with repeats).
// Get() is null when there is nothing to name or the system has no lists (before Vista):
// then start the child without EXTENDED_STARTUPINFO_PRESENT, and with inheritance only when
// HasHandles().
class TInheritList {
public:
    explicit TInheritList(std::initializer_list<HANDLE> handles);
    ~TInheritList();
    TInheritList(const TInheritList&) = delete;
    TInheritList& operator=(const TInheritList&) = delete;

    LPPROC_THREAD_ATTRIBUTE_LIST Get() const { return list_; }
    bool HasHandles() const { return !handles_.empty(); }

private:
    std::vector<HANDLE> handles_;  // the attribute points into this
    std::vector<char> storage_;
    LPPROC_THREAD_ATTRIBUTE_LIST list_ = nullptr;
};

}  // namespace tw
