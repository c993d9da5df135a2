// TFormSkinning: the skin manager's hands on the windows: the window hook and the form skinners
// it owns. The Windows one hooks window activation and keeps the skinners; builds without a
// desktop have one that skins nothing, and tests put in one that records what it is asked.
#pragma once

#include <functional>
#include <memory>

namespace tw {

class TSkinData;
class TSkinManage;

class TFormSkinning {
public:
    virtual ~TFormSkinning() = default;

    // Hooks window creation and activation of the current thread; a second call keeps the first
    // hook.
    virtual void InstallHook() = 0;
    // Frees the skinners whose window is gone and those retired while they were busy.
    virtual void PurgeForms() = 0;
    // Attaches every visible top-level form of the application, the last made first.
    virtual void AttachAllForms() = 0;
    // Attaches the form that owns data, when its owner is a form.
    virtual void AttachOwnerForm(TSkinData& data) = 0;
    // Gives every window its own frame back and frees the skinners, the first attached first.
    virtual void DetachAll() = 0;
    // The same for the last skinner that reads data.
    virtual void DetachLastOf(TSkinData& data) = 0;
    // The skinners of data follow a new skin in it: every one, or only the first.
    virtual void FollowSkin(TSkinData& data, bool firstOnly) = 0;
    // The skinners of data read its frame metrics again.
    virtual void ReloadMetrics(TSkinData& data) = 0;
    // data is going: no skinner may read it any more.
    virtual void ForgetSkinData(TSkinData& data) = 0;
    // The manager is going: every skinner detached, the last attached first, the hook last.
    virtual void Shutdown() = 0;
    // Popup menus (menu handles): bind the newest unbound popup to menu; its background bitmap.
    virtual void BindPopupMenu(void* /*menu*/) {}
    virtual void* PopupBackground(void* /*menu*/) const { return nullptr; }
    // MDI children switched between the maximised presentation and their skinned frames.
    virtual void MdiChildrenMaximisedChanged(bool /*state*/) {}
};

using TFormSkinningFactory = std::function<std::unique_ptr<TFormSkinning>(TSkinManage& manager)>;

// The platform's (the window hook and form skinners on Windows, nothing elsewhere).
std::unique_ptr<TFormSkinning> CreatePlatformFormSkinning(TSkinManage& manager);

}  // namespace tw
