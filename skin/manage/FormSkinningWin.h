// TWinFormSkinning: the skin manager's windows on Windows. A CBT hook of the GUI thread sees
// windows created and activated; a top-level window of ours seen being created is watched until
// it first shows, and is skinned then, before anything of it is painted; one shown earlier is
// skinned when it is activated. The filter chain decides which get a form skinner and with
// which skin component; the skinners it makes are its own (one owner) and it frees them, never
// while one of their procedures is on the stack: a busy one is retired and freed at the next
// purge.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "framework/win/Handles.h"
#include "skin/manage/FormSkinning.h"
#include "skin/manage/WindowFilter.h"

namespace tw {

class TForm;
class TWinSkinForm;
class TWinSkinPopMenu;

class TWinFormSkinning final : public TFormSkinning {
public:
    explicit TWinFormSkinning(TSkinManage& manager);
    ~TWinFormSkinning() override;
    TWinFormSkinning(const TWinFormSkinning&) = delete;
    TWinFormSkinning& operator=(const TWinFormSkinning&) = delete;

    void InstallHook() override;
    void PurgeForms() override;
    void AttachAllForms() override;
    void AttachOwnerForm(TSkinData& data) override;
    void DetachAll() override;
    void DetachLastOf(TSkinData& data) override;
    void FollowSkin(TSkinData& data, bool firstOnly) override;
    void ReloadMetrics(TSkinData& data) override;
    void ForgetSkinData(TSkinData& data) override;
    void Shutdown() override;

    // Runs the filter chain on window and attaches a form skinner when it passes.
    bool AttachWindow(HWND window);
    // A visible top-level form whose window exists: AttachWindow on it.
    bool AttachForm(TForm& form);
    // The listed skinner of window, or null.
    TWinSkinForm* FindFormSkinner(HWND window) const;
    // Takes window's skinner off the list and hands it to the caller (nothing while the
    // manager is being destroyed).
    std::unique_ptr<TWinSkinForm> ForgetFormSkinner(HWND window);
    // What the filter chain knows of window.
    TWindowFacts DescribeWindow(HWND window) const;

    // For the menu code: the newest wrapped popup without a menu gets this one; the background
    // bitmap of the popup showing menu (null when none is bound to it or not painted yet).
    void BindPopupMenu(void* menu) override;
    void* PopupBackground(void* menu) const override;
    void MdiChildrenMaximisedChanged(bool state) override;
    bool IsPopupWrapped(HWND window) const;
    int PopupCount() const { return static_cast<int>(popups_.size()); }

    HHOOK Hook() const { return hook_.Get(); }
    int SkinnerCount() const { return static_cast<int>(forms_.size()); }
    // Detached skinners waiting for their procedures to return.
    int RetiredCount() const { return static_cast<int>(retired_.size()); }

private:
    class TShowWatch;
    class TGripWatch;
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    bool Inert() const;
    void WindowCreated(HWND window, const CREATESTRUCTW& create);
    void WindowActivated(HWND window);
    // A watched window is about to show: skinned and activated at once.
    void WindowShowing(HWND window);
    void DropFinishedWatches();
    // Frees skinner now, or retires it while it is busy.
    void Free(std::unique_ptr<TWinSkinForm> skinner);
    // Gives the window its own frame back and frees the skinner.
    void DetachAndFree(std::unique_ptr<TWinSkinForm> skinner);
    bool Listed(const TWinSkinForm* skinner) const;

    // A size grip made after its dialog was skinned: watched until its creation has completed,
    // then skinned by the dialog's form skinner.
    void SkinSizeGrip(HWND window);
    void SizeGripCreated(HWND window);
    // A popup menu window being created is wrapped when its kind of menu is skinned; the
    // wrapper goes when the window is destroyed.
    void AttachPopup(HWND window);
    void DetachPopup(HWND window);
    // An MDI child is watched until its creation has completed, then attached: its framework
    // form knows its window from then on.
    void AttachMdiChild(HWND window);
    void MdiChildCreated(HWND window);

    TSkinManage& manager_;
    THookHandle hook_;
    std::vector<std::unique_ptr<TWinSkinForm>> forms_;
    std::vector<std::unique_ptr<TWinSkinForm>> retired_;
    std::vector<std::unique_ptr<TShowWatch>> watches_;
    std::vector<std::unique_ptr<TGripWatch>> gripWatches_;
    std::vector<std::unique_ptr<TWinSkinPopMenu>> popups_;
    bool shutDown_ = false;
};

}  // namespace tw
