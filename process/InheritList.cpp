#include "process/InheritList.h"

#include <algorithm>

namespace tw {

TInheritList::TInheritList(std::initializer_list<HANDLE> handles) {
    for (HANDLE h : handles)
        if (h && h != INVALID_HANDLE_VALUE && std::find(handles_.begin(), handles_.end(), h) == handles_.end())
            handles_.push_back(h);
    if (handles_.empty()) return;
    SIZE_T size = 0;
    ::InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    if (size == 0) return;
    storage_.resize(size);
    auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage_.data());
    if (!::InitializeProcThreadAttributeList(list, 1, 0, &size)) return;
    if (!::UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, handles_.data(),
                                     handles_.size() * sizeof(HANDLE), nullptr, nullptr)) {
        ::DeleteProcThreadAttributeList(list);
        return;
    }
    list_ = list;
}

TInheritList::~TInheritList() {
    if (list_) ::DeleteProcThreadAttributeList(list_);
}

}  // namespace tw
