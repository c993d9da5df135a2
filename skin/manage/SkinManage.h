// TSkinManage: the process-wide skin manager. Knows every skin component, which one is the
// default and which one asked for the pending action, and runs activation, deactivation and
// skin changes from its timer. The components reach it as their TSkinDataHost, the form
// skinners as their TFormSkinnerHost; the windows themselves it reaches through its
// TFormSkinning (the window hook and the form skinners it owns, on Windows).
#pragma once

#include <memory>
#include <vector>

#include "skin/data/SkinDataHost.h"
#include "skin/form/FormSkinnerHost.h"
#include "skin/manage/ActionTimer.h"
#include "skin/manage/FormSkinning.h"

namespace tw {

class TSkinData;

enum TSkinAction { saNone = 0, saActivate = 1, saDeactivate = 2, saSkinChanged = 3 };

class TSkinManage final : public TSkinDataHost, public TFormSkinnerHost {
public:
    explicit TSkinManage(const TActionTimerFactory& timerFactory = {},
                         const TFormSkinningFactory& skinningFactory = {});
    ~TSkinManage();
    TSkinManage(const TSkinManage&) = delete;
    TSkinManage& operator=(const TSkinManage&) = delete;

    // Installs the window hook of the current thread, once.
    void InstallHook();
    bool HookInstalled() const { return hookInstalled_; }

    void AddSkinData(TSkinData* data);
    void RemoveSkinData(TSkinData* data);
    const std::vector<TSkinData*>& SkinDatas() const { return FSkinDatas; }

    // Schedules an action `delay` ms from now, replacing any pending one. Before the first
    // activation an activate or deactivate only switches skinning on or off.
    void Request(int action, int delay);
    // The timer tick: carries out the pending action for FPendingData.
    void DoAction();
    // Every frame skinner of FPendingData reads its frame metrics again.
    void ReloadMetrics();
    // Frees the skinners whose windows are gone; nothing while the manager is being destroyed.
    void PurgeForms();

    TActionTimer& Timer() { return *FTimer; }
    TFormSkinning& FormSkinning() { return *skinning_; }
    // True from the start of the destructor: the hook and the purge do nothing any more.
    bool Destroying() const { return destroying_; }

    // What the components tell it.
    void SkinDataLoaded(TSkinData& data) override;
    void SkinDataRemoved(TSkinData& data) override;
    void SkinApplied(TSkinData& data) override;
    void SkinActiveChanged(TSkinData& data, bool active) override;

    // What the form skinners tell it.
    void AttachingStarted() override { FActivation = 1; }
    void SetMenuContext(int context) override { FMenuContext = context; }
    void BindPopupMenu(void* menu) override { skinning_->BindPopupMenu(menu); }
    void* PopupBackground(void* menu) const override { return skinning_->PopupBackground(menu); }
    void RecordMdiFrame(void* client, void* form) override {
        FMDIClient = client;
        FMDIFrameForm = form;
    }
    void* MdiClient() const override { return FMDIClient; }
    bool MdiChildrenMaximised() const override { return FMDIMaximized; }
    // Nothing when the state is unchanged or MDI children keep the system's frames.
    void SetMdiChildrenMaximised(bool state) override;

    int FAction = saNone;
    TSkinData* FPendingData = nullptr;
    TSkinData* FDefaultData = nullptr;
    // 0 never activated, 1 activated; each secondary component loaded raises it by one.
    int FActivation = 0;
    // Windows are attached only while on.
    bool FSkinning = false;
    // On while an activation walks the existing forms.
    bool FSweep = false;
    int FMenuContext = mcPopup;
    bool FMDIMaximized = false;
    void* FMDIClient = nullptr;     // HWND of the application's MDI client
    void* FMDIFrameForm = nullptr;  // its frame's framework form

private:
    std::vector<TSkinData*> FSkinDatas;
    std::unique_ptr<TActionTimer> FTimer;
    std::unique_ptr<TFormSkinning> skinning_;
    bool hookInstalled_ = false;
    bool destroying_ = false;
};

// The single manager of the process, or null before the first skin component is loaded. Linking
// the manager makes it the host of every skin component.
TSkinManage* SkinManager();
// Creates it when missing (with the platform timer and form skinning unless factories are set)
// and answers it; null once the program's end has closed it.
TSkinManage* EnsureSkinManager();
// Frees it; the next component that needs one makes a new one (tests).
void FreeSkinManager();
// Frees it for good at the program's end, while its timers can still stop in order (static
// destruction keeps none): components made, loaded or freed later find no manager and keep to
// themselves.
void CloseSkinManager();
// The timer factory used by the next EnsureSkinManager; empty restores the platform timer.
void SetSkinManagerTimerFactory(TActionTimerFactory factory);
// The same for its form skinning.
void SetSkinManagerFormSkinningFactory(TFormSkinningFactory factory);

// Closes the manager when the program's run is over: one lives in the entry function, made before
// the application object so that it goes after the forms and their skin components.
class TSkinManagerLifetime {
public:
    TSkinManagerLifetime() = default;
    ~TSkinManagerLifetime() { CloseSkinManager(); }
    TSkinManagerLifetime(const TSkinManagerLifetime&) = delete;
    TSkinManagerLifetime& operator=(const TSkinManagerLifetime&) = delete;
};

}  // namespace tw
