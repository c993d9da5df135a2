#include "skin/manage/SkinManage.h"

#include <algorithm>

#include "skin/data/SkinData.h"

namespace tw {

namespace {

// Delay between a component's request and the manager's action.
constexpr int kActionDelay = 250;

std::unique_ptr<TSkinManage>& Instance() {
    static std::unique_ptr<TSkinManage> manager;
    return manager;
}

TActionTimerFactory& Factory() {
    static TActionTimerFactory factory;
    return factory;
}

TFormSkinningFactory& SkinningFactory() {
    static TFormSkinningFactory factory;
    return factory;
}

bool closed = false;

TSkinDataHost* HostOfManager(bool create) {
    if (create) return EnsureSkinManager();
    return SkinManager();
}

// Linking this file puts the manager above every skin component.
[[maybe_unused]] const bool hostSourceSet = (SetSkinDataHostSource(&HostOfManager), true);

}  // namespace

TSkinManage::TSkinManage(const TActionTimerFactory& timerFactory, const TFormSkinningFactory& skinningFactory)
    : FTimer(timerFactory ? timerFactory() : CreatePlatformTimer()) {
    FTimer->SetEnabled(false);
    FTimer->SetInterval(100);
    FTimer->OnTimer = [this] { DoAction(); };
    skinning_ = skinningFactory ? skinningFactory(*this) : CreatePlatformFormSkinning(*this);
}

TSkinManage::~TSkinManage() {
    // The hook goes inert first; the form skinning detaches its skinners and removes it last.
    destroying_ = true;
    FSkinning = false;
    FTimer->OnTimer = nullptr;
    FTimer->SetEnabled(false);
    skinning_->Shutdown();
}

void TSkinManage::InstallHook() {
    if (destroying_) return;
    skinning_->InstallHook();
    hookInstalled_ = true;
}

void TSkinManage::AddSkinData(TSkinData* data) {
    if (!data || std::find(FSkinDatas.begin(), FSkinDatas.end(), data) != FSkinDatas.end()) return;
    FSkinDatas.push_back(data);
    if (!FDefaultData && data->SkinFormtype == sfMainform) FDefaultData = data;
}

void TSkinManage::RemoveSkinData(TSkinData* data) {
    FSkinDatas.erase(std::remove(FSkinDatas.begin(), FSkinDatas.end(), data), FSkinDatas.end());
    if (FDefaultData == data) FDefaultData = nullptr;
    if (FPendingData == data) FPendingData = nullptr;
}

void TSkinManage::SkinDataLoaded(TSkinData& data) {
    AddSkinData(&data);
    if (data.SkinFormtype != sfMainform) {
        FSkinning = true;
        ++FActivation;
        if (data.Active()) skinning_->AttachOwnerForm(data);
        return;
    }
    InstallHook();
    if (data.Active()) {
        FPendingData = &data;
        Request(saActivate, kActionDelay);
    }
}

void TSkinManage::SkinDataRemoved(TSkinData& data) {
    RemoveSkinData(&data);
    // The main form frees its components before its window: its skinners must not outlive them.
    if (!destroying_) skinning_->ForgetSkinData(data);
}

void TSkinManage::SkinApplied(TSkinData& data) {
    FPendingData = &data;
    ReloadMetrics();
    if (FActivation == 1) Request(saSkinChanged, kActionDelay);
}

void TSkinManage::SkinActiveChanged(TSkinData& data, bool active) {
    FPendingData = &data;
    if (data.SkinFormtype == sfMainform) {
        if (active) {
            // Requested before marking the manager activated: the very first activation only
            // switches skinning on, and windows are then skinned as they are activated.
            Request(saActivate, kActionDelay);
            FActivation = 1;
        } else {
            Request(saDeactivate, kActionDelay);
        }
    } else if (!(active && data.FNoSkin)) {
        Request(active ? saActivate : saDeactivate, kActionDelay);
    }
}

void TSkinManage::Request(int action, int delay) {
    FAction = action;
    FTimer->SetInterval(delay);
    if (FActivation != 0) {
        FTimer->SetEnabled(true);
    } else if (action == saActivate || action == saDeactivate) {
        FSkinning = action == saActivate;
    }
}

void TSkinManage::ReloadMetrics() {
    if (FPendingData && !destroying_) skinning_->ReloadMetrics(*FPendingData);
}

void TSkinManage::SetMdiChildrenMaximised(bool state) {
    if (state == FMDIMaximized || destroying_) return;
    if (FDefaultData && InSet(FDefaultData->Options, xoMDIChildBorder)) return;
    FMDIMaximized = state;
    skinning_->MdiChildrenMaximisedChanged(state);
}

void TSkinManage::PurgeForms() {
    if (!destroying_) skinning_->PurgeForms();
}

void TSkinManage::DoAction() {
    FTimer->SetEnabled(false);
    TSkinData* data = FPendingData;
    if (!data || destroying_) return;
    const bool onlyItsForm = data->SkinFormtype == sfOnlyThisForm;
    switch (FAction) {
        case saActivate:
            FSkinning = true;
            FSweep = true;
            if (onlyItsForm) {
                skinning_->AttachOwnerForm(*data);
            } else {
                PurgeForms();
                skinning_->AttachAllForms();
            }
            FSweep = false;
            break;
        case saDeactivate:
            FSkinning = false;
            PurgeForms();
            if (onlyItsForm) skinning_->DetachLastOf(*data);
            else
                skinning_->DetachAll();
            break;
        case saSkinChanged:
            PurgeForms();
            skinning_->FollowSkin(*data, onlyItsForm);
            break;
        default:
            break;
    }
    // Modal loops run inside an action: meanwhile a component may have gone, or asked for the
    // next action, which stays pending.
    if (FPendingData == data) FPendingData = nullptr;
    if (std::find(FSkinDatas.begin(), FSkinDatas.end(), data) != FSkinDatas.end()) data->DoSkinChanged();
}

TSkinManage* SkinManager() { return Instance().get(); }

TSkinManage* EnsureSkinManager() {
    if (!Instance() && !closed) Instance() = std::make_unique<TSkinManage>(Factory(), SkinningFactory());
    return Instance().get();
}

void FreeSkinManager() {
    Instance().reset();
    closed = false;
}

void CloseSkinManager() {
    closed = true;
    Instance().reset();
}

void SetSkinManagerTimerFactory(TActionTimerFactory factory) { Factory() = std::move(factory); }

void SetSkinManagerFormSkinningFactory(TFormSkinningFactory factory) { SkinningFactory() = std::move(factory); }

}  // namespace tw
