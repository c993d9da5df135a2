#include "app/TaskbarProgress.h"

#include <shobjidl.h>

namespace tw {

TTaskbarProgress::TTaskbarProgress() {
    if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList3,
                                reinterpret_cast<void**>(&list_))))
        list_ = nullptr;
    else if (FAILED(list_->HrInit())) {
        list_->Release();
        list_ = nullptr;
    }
}

TTaskbarProgress::~TTaskbarProgress() {
    if (list_) list_->Release();
}

void TTaskbarProgress::Show(HWND window, int position, int maximum) {
    if (!list_) return;
    if (maximum <= 0) {
        list_->SetProgressState(window, TBPF_INDETERMINATE);
        return;
    }
    list_->SetProgressState(window, TBPF_NORMAL);
    list_->SetProgressValue(window, static_cast<ULONGLONG>(position < 0 ? 0 : position),
                            static_cast<ULONGLONG>(maximum));
}

void TTaskbarProgress::Clear(HWND window) {
    if (list_) list_->SetProgressState(window, TBPF_NOPROGRESS);
}

}  // namespace tw
