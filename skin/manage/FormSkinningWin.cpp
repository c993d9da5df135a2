#include "skin/manage/FormSkinningWin.h"

#include <algorithm>
#include <string>

#include "framework/core/ClassInfo.h"
#include "framework/win/Forms.h"
#include "framework/win/Subclass.h"
#include "skin/controls/ChildSkinning.h"
#include "skin/data/SkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manage/SkinManage.h"
#include "skin/manage/WinSkinPopMenu.h"

namespace tw {

namespace {

// The one whose hook is installed: the hook procedure has no other way to find it.
TWinFormSkinning* hooked = nullptr;

HMODULE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

std::string ClassOf(HWND window) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 256);
    return length > 0 ? Utf8FromWide(std::wstring(name, static_cast<size_t>(length))) : std::string();
}

// The framework control of a window, comparing only the handles forms already have: asking a
// form for its handle would make one.
TWinControl* ControlOf(HWND window) {
    if (Application) {
        for (TForm* form : Application->Forms())
            if (form->HandleAllocated() && form->Handle() == window) return form;
    }
    return FindControlOfWindow(window);
}

bool WindowGone(const TWinSkinForm& skinner) {
    return skinner.SkinState() == stDestroyed || !IsWindow(skinner.Handle());
}

}  // namespace

// Watches one new window until it first shows or goes: the moment to skin it is after its
// creation has completed and before it is visible.
class TWinFormSkinning::TShowWatch {
public:
    TShowWatch(TWinFormSkinning& owner, HWND window) : owner_(owner), window_(window) {
        if (!subclass_.Install(window, TWndMethod::Of<TShowWatch, &TShowWatch::Procedure>(this))) done_ = true;
    }
    TShowWatch(const TShowWatch&) = delete;
    TShowWatch& operator=(const TShowWatch&) = delete;
    // Set as the last thing its procedure does: it may be freed from then on.
    bool Done() const { return done_; }

private:
    void Procedure(TMessage& message) {
        subclass_.CallPrevious(message);
        if (message.Msg == WM_SHOWWINDOW && message.WParam) {
            subclass_.Remove();
            owner_.WindowShowing(window_);
            done_ = true;
        } else if (message.Msg == WM_NCDESTROY) {
            subclass_.Remove();
            done_ = true;
        }
    }

    TWinFormSkinning& owner_;
    HWND window_;
    TWindowSubclass subclass_;
    bool done_ = false;
};

// Watches a new size grip or MDI child until its creation has completed (its WM_CREATE went
// through), or until it goes: only then can nothing veto the window any more.
class TWinFormSkinning::TGripWatch {
public:
    using TCreated = void (TWinFormSkinning::*)(HWND);
    TGripWatch(TWinFormSkinning& owner, HWND window, TCreated created = &TWinFormSkinning::SizeGripCreated)
        : owner_(owner), window_(window), created_(created) {
        if (!subclass_.Install(window, TWndMethod::Of<TGripWatch, &TGripWatch::Procedure>(this))) done_ = true;
    }
    TGripWatch(const TGripWatch&) = delete;
    TGripWatch& operator=(const TGripWatch&) = delete;

    bool Done() const { return done_; }

private:
    void Procedure(TMessage& message) {
        subclass_.CallPrevious(message);
        if (message.Msg == WM_CREATE || message.Msg == WM_NCDESTROY) {
            subclass_.Remove();
            done_ = true;
            if (message.Msg == WM_CREATE && message.Result != -1) (owner_.*created_)(window_);
        }
    }

    TWinFormSkinning& owner_;
    HWND window_;
    TCreated created_;
    TWindowSubclass subclass_;
    bool done_ = false;
};

TWinFormSkinning::TWinFormSkinning(TSkinManage& manager) : manager_(manager) {
    // The control skinners' layer joins here, in code every skinning program links.
    InstallControlSkinners();
}

TWinFormSkinning::~TWinFormSkinning() { Shutdown(); }

bool TWinFormSkinning::Inert() const { return shutDown_ || manager_.Destroying(); }

void TWinFormSkinning::InstallHook() {
    if (hook_ || Inert()) return;
    hook_.Reset(SetWindowsHookExW(WH_CBT, &TWinFormSkinning::CbtProc, nullptr, GetCurrentThreadId()));
    if (hook_) hooked = this;
}

LRESULT CALLBACK TWinFormSkinning::CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    TWinFormSkinning* self = hooked;
    // The next hook first: a window it vetoes is never looked at.
    const LRESULT answer = CallNextHookEx(self ? self->hook_.Get() : nullptr, code, wParam, lParam);
    if (code < 0 || answer != 0 || !self || self->Inert()) return answer;
    const HWND window = reinterpret_cast<HWND>(wParam);
    // A window that cannot be skinned keeps the system's look; nothing may unwind through here.
    try {
        switch (code) {
            case HCBT_CREATEWND: {
                const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
                if (create && create->lpcs) self->WindowCreated(window, *create->lpcs);
                break;
            }
            case HCBT_DESTROYWND:
                self->DetachPopup(window);
                break;
            case HCBT_ACTIVATE:
                self->WindowActivated(window);
                break;
            default:
                break;
        }
    } catch (...) {
    }
    return answer;
}

void TWinFormSkinning::WindowCreated(HWND window, const CREATESTRUCTW& create) {
    const std::string className = ClassOf(window);
    DropFinishedWatches();
    // Our own top-level windows and dialog boxes; whether one is skinned is decided as it shows.
    const bool topLevel = !(create.style & WS_CHILD) && create.hwndParent != HWND_MESSAGE;
    if (topLevel && (create.hInstance == ThisModule() || className == "#32770"))
        watches_.push_back(std::make_unique<TShowWatch>(*this, window));
    switch (ClassifyCreation(className, static_cast<uint32_t>(create.style), static_cast<uint32_t>(create.dwExStyle))) {
        case TCreationKind::SizeGrip:
            SkinSizeGrip(window);
            break;
        case TCreationKind::PopupMenu:
            AttachPopup(window);
            break;
        case TCreationKind::MdiChild:
            AttachMdiChild(window);
            break;
        case TCreationKind::None:
            break;
    }
}

bool TWinFormSkinning::IsPopupWrapped(HWND window) const {
    return std::any_of(popups_.begin(), popups_.end(), [window](const auto& p) { return p->Window() == window; });
}

void TWinFormSkinning::AttachPopup(HWND window) {
    if (!manager_.FSkinning || Inert() || IsPopupWrapped(window)) return;
    if (SendMessageW(window, SKM_QUERY, 0, 0) == 1) return;
    TSkinData* data = ChooseSkinData(manager_.SkinDatas(), DescribeWindow(window));
    if (!data || data->FNoSkin) return;
    const TSkinControlTypes controls = data->SkinControls;
    bool wanted = true;
    switch (manager_.FMenuContext) {
        case mcPopup:
            wanted = InSet(controls, xcPopupMenu);
            break;
        case mcMenuBar:
            wanted = InSet(controls, xcMainMenu) || InSet(controls, xcMenuItem);
            break;
        case mcSystemMenu:
            wanted = InSet(controls, xcSystemMenu);
            break;
        default:
            break;
    }
    if (!wanted) return;
    auto popup = std::make_unique<TWinSkinPopMenu>();
    auto skinning = [](void* context) { return static_cast<TSkinManage*>(context)->FSkinning; };
    if (popup->Wrap(window, data, nullptr, skinning, &manager_)) popups_.push_back(std::move(popup));
}

void TWinFormSkinning::DetachPopup(HWND window) {
    const auto found = std::find_if(popups_.begin(), popups_.end(),
                                    [window](const auto& p) { return p->Window() == window; });
    if (found == popups_.end()) return;
    popups_.erase(found);
    if (popups_.empty()) manager_.FMenuContext = mcPopup;
}

void TWinFormSkinning::BindPopupMenu(void* menu) {
    for (auto it = popups_.rbegin(); it != popups_.rend(); ++it) {
        if ((*it)->Menu()) continue;
        (*it)->BindMenu(static_cast<HMENU>(menu));
        return;
    }
}

void* TWinFormSkinning::PopupBackground(void* menu) const {
    if (!menu) return nullptr;
    for (const auto& popup : popups_)
        if (popup->Menu() == static_cast<HMENU>(menu)) return popup->Background();
    return nullptr;
}

void TWinFormSkinning::SkinSizeGrip(HWND window) {
    gripWatches_.push_back(std::make_unique<TGripWatch>(*this, window));
}

void TWinFormSkinning::SizeGripCreated(HWND window) {
    if (Inert() || !IsWindow(window)) return;
    // A grip in a dialog not skinned yet is found with its other children when that one is.
    try {
        if (TWinSkinForm* skinner = FindFormSkinner(GetAncestor(window, GA_ROOT))) SkinWindow(*skinner, window);
    } catch (...) {
    }
}

void TWinFormSkinning::AttachMdiChild(HWND window) {
    if (!manager_.FSkinning || Inert()) return;
    gripWatches_.push_back(std::make_unique<TGripWatch>(*this, window, &TWinFormSkinning::MdiChildCreated));
}

void TWinFormSkinning::MdiChildCreated(HWND window) {
    if (Inert() || !IsWindow(window) || FindFormSkinner(window)) return;
    // A child that cannot be skinned keeps the system's look.
    try {
        AttachWindow(window);
    } catch (...) {
    }
}

void TWinFormSkinning::MdiChildrenMaximisedChanged(bool state) {
    std::vector<TWinSkinForm*> children;
    for (const auto& skinner : forms_)
        if (skinner->FrameKind() == fkMdiChild && !WindowGone(*skinner)) children.push_back(skinner.get());
    // What one child does may take another off the list: ask only those still listed.
    for (TWinSkinForm* child : children)
        if (Listed(child)) child->FollowMdiMaximised(state);
}

void TWinFormSkinning::WindowActivated(HWND window) {
    if (manager_.FActivation == 0) manager_.FActivation = 1;
    AttachWindow(window);
}

void TWinFormSkinning::WindowShowing(HWND window) {
    if (Inert() || FindFormSkinner(window)) return;
    // A window that cannot be skinned keeps the system's look.
    try {
        if (AttachWindow(window)) {
            if (TWinSkinForm* skinner = FindFormSkinner(window)) skinner->ActivateNow();
        }
    } catch (...) {
    }
}

void TWinFormSkinning::DropFinishedWatches() {
    watches_.erase(std::remove_if(watches_.begin(), watches_.end(), [](const auto& w) { return w->Done(); }),
                   watches_.end());
    gripWatches_.erase(
        std::remove_if(gripWatches_.begin(), gripWatches_.end(), [](const auto& w) { return w->Done(); }),
        gripWatches_.end());
}

TWindowFacts TWinFormSkinning::DescribeWindow(HWND window) const {
    TWindowFacts facts;
    facts.Window = window;
    facts.ClassName = ClassOf(window);
    facts.Style = static_cast<uint32_t>(GetWindowLongPtrW(window, GWL_STYLE));
    facts.ExStyle = static_cast<uint32_t>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    if (facts.Style & WS_CHILD) facts.ParentClassName = ClassOf(GetParent(window));
    facts.Form = ControlOf(window);
    facts.OwnModule = reinterpret_cast<HMODULE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)) == ThisModule();
    RECT rect{};
    GetWindowRect(window, &rect);
    facts.HasArea = rect.right != rect.left && rect.bottom != rect.top;
    facts.HasSkinner = FindFormSkinner(window) != nullptr;
    facts.AnswersQuery = !facts.HasSkinner && SendMessageW(window, SKM_QUERY, 0, 0) == 1;
    return facts;
}

bool TWinFormSkinning::AttachWindow(HWND window) {
    if (!manager_.FSkinning || Inert() || !IsWindow(window)) return false;
    PurgeForms();
    const TWindowFacts facts = DescribeWindow(window);
    if (FilterWindow(facts, manager_.FSkinning, manager_.FSweep, manager_.FDefaultData) != TAttachVerdict::Attach)
        return false;
    TSkinData* data = ChooseSkinData(manager_.SkinDatas(), facts);
    if (!data || data->FNoSkin) return false;

    auto skinner = std::make_unique<TWinSkinForm>(window, &manager_);
    skinner->ClassNameForEvents = facts.ClassName;
    TWinSkinForm* raw = skinner.get();
    // Listed before it attaches: whatever the attaching sets off finds the window taken.
    forms_.push_back(std::move(skinner));
    try {
        if (auto* form = dynamic_cast<TForm*>(const_cast<TComponent*>(facts.Form))) raw->AttachToForm(data, form);
        else
            raw->AttachToWindow(data);
    } catch (...) {
        if (std::unique_ptr<TWinSkinForm> failed = ForgetFormSkinner(window)) Free(std::move(failed));
        throw;
    }
    PostMessageW(window, SKM_ACTIVATE, 0, kActivateTag);
    return true;
}

bool TWinFormSkinning::AttachForm(TForm& form) {
    if (!form.HandleAllocated()) return false;
    const HWND window = form.Handle();
    if (!IsWindowVisible(window) || (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) return false;
    return AttachWindow(window);
}

void TWinFormSkinning::AttachAllForms() {
    if (!Application) return;
    const std::vector<TForm*> forms = Application->Forms();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
        // An earlier attach may have let a form go.
        const auto& live = Application->Forms();
        if (std::find(live.begin(), live.end(), *it) != live.end()) AttachForm(**it);
    }
}

void TWinFormSkinning::AttachOwnerForm(TSkinData& data) {
    if (auto* form = dynamic_cast<TForm*>(data.Owner())) AttachForm(*form);
}

TWinSkinForm* TWinFormSkinning::FindFormSkinner(HWND window) const {
    for (const auto& skinner : forms_)
        if (skinner->Handle() == window) return skinner.get();
    return nullptr;
}

std::unique_ptr<TWinSkinForm> TWinFormSkinning::ForgetFormSkinner(HWND window) {
    if (manager_.Destroying()) return nullptr;
    auto it = std::find_if(forms_.begin(), forms_.end(), [window](const auto& s) { return s->Handle() == window; });
    if (it == forms_.end()) return nullptr;
    std::unique_ptr<TWinSkinForm> skinner = std::move(*it);
    forms_.erase(it);
    return skinner;
}

bool TWinFormSkinning::Listed(const TWinSkinForm* skinner) const {
    return std::any_of(forms_.begin(), forms_.end(), [skinner](const auto& s) { return s.get() == skinner; });
}

void TWinFormSkinning::Free(std::unique_ptr<TWinSkinForm> skinner) {
    // The manager's timer fires inside modal loops: a procedure of this skinner may be below us.
    if (skinner && skinner->Busy()) retired_.push_back(std::move(skinner));
}

void TWinFormSkinning::DetachAndFree(std::unique_ptr<TWinSkinForm> skinner) {
    const HWND window = skinner->Handle();
    if (!WindowGone(*skinner) && skinner->SkinState() != stDestroying) {
        skinner->Detach();
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
    }
    Free(std::move(skinner));
}

void TWinFormSkinning::PurgeForms() {
    if (Inert()) return;
    DropFinishedWatches();
    for (size_t i = retired_.size(); i-- > 0;) {
        if (retired_[i]->Busy()) continue;
        std::unique_ptr<TWinSkinForm> done = std::move(retired_[i]);
        retired_.erase(retired_.begin() + static_cast<std::ptrdiff_t>(i));
    }
    for (size_t i = forms_.size(); i-- > 0;) {
        if (i >= forms_.size() || !WindowGone(*forms_[i]) || forms_[i]->Busy()) continue;
        std::unique_ptr<TWinSkinForm> gone = std::move(forms_[i]);
        forms_.erase(forms_.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

void TWinFormSkinning::DetachAll() {
    std::vector<std::unique_ptr<TWinSkinForm>> all = std::move(forms_);
    forms_.clear();
    for (auto& skinner : all) DetachAndFree(std::move(skinner));
}

void TWinFormSkinning::DetachLastOf(TSkinData& data) {
    for (size_t i = forms_.size(); i-- > 0;) {
        if (forms_[i]->SkinData() != &data) continue;
        std::unique_ptr<TWinSkinForm> skinner = std::move(forms_[i]);
        forms_.erase(forms_.begin() + static_cast<std::ptrdiff_t>(i));
        DetachAndFree(std::move(skinner));
        return;
    }
}

void TWinFormSkinning::FollowSkin(TSkinData& data, bool firstOnly) {
    std::vector<TWinSkinForm*> followers;
    for (const auto& skinner : forms_) {
        if (skinner->SkinData() != &data || WindowGone(*skinner)) continue;
        followers.push_back(skinner.get());
        if (firstOnly) break;
    }
    // What one of them sets off may take another off the list: ask only those still listed.
    for (TWinSkinForm* skinner : followers)
        if (Listed(skinner)) skinner->RebuildFrame();
    for (TWinSkinForm* skinner : followers)
        if (Listed(skinner)) skinner->ReapplySkin();
}

void TWinFormSkinning::ReloadMetrics(TSkinData& data) {
    std::vector<TWinSkinForm*> readers;
    for (const auto& skinner : forms_)
        if (skinner->SkinData() == &data && !WindowGone(*skinner)) readers.push_back(skinner.get());
    for (TWinSkinForm* skinner : readers)
        if (Listed(skinner)) skinner->RebuildFrame();
}

void TWinFormSkinning::ForgetSkinData(TSkinData& data) {
    // The component goes with its form, whose window follows: a quick detach leaves the window
    // to go as it is.
    for (size_t i = forms_.size(); i-- > 0;) {
        if (i >= forms_.size() || forms_[i]->SkinData() != &data) continue;
        std::unique_ptr<TWinSkinForm> skinner = std::move(forms_[i]);
        forms_.erase(forms_.begin() + static_cast<std::ptrdiff_t>(i));
        if (skinner->Attached()) skinner->DetachQuick();
        Free(std::move(skinner));
    }
}

void TWinFormSkinning::Shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    popups_.clear();
    // Nothing of ours may be on the stack now; one that is anyway is detached and left alone
    // rather than freed under its own procedure.
    auto release = [](std::unique_ptr<TWinSkinForm>& skinner) {
        if (skinner->Busy()) {
            if (skinner->Attached()) skinner->DetachQuick();
            static_cast<void>(skinner.release());
        }
    };
    while (!forms_.empty()) {
        std::unique_ptr<TWinSkinForm> skinner = std::move(forms_.back());
        forms_.pop_back();
        if (!WindowGone(*skinner) && skinner->SkinState() != stDestroying && !skinner->Busy()) skinner->Detach();
        release(skinner);
    }
    for (auto& skinner : retired_) release(skinner);
    retired_.clear();
    watches_.clear();
    gripWatches_.clear();
    hook_.Reset();
    if (hooked == this) hooked = nullptr;
}

std::unique_ptr<TFormSkinning> CreatePlatformFormSkinning(TSkinManage& manager) {
    return std::make_unique<TWinFormSkinning>(manager);
}

}  // namespace tw
