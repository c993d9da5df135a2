#include "skin/manage/SkinManage.h"

#include <algorithm>

#include "skin/data/SkinData.h"

namespace tw {

namespace {

std::unique_ptr<TSkinManage>& Instance() {
    static std::unique_ptr<TSkinManage> manager;
    return manager;
}

TActionTimerFactory& Factory() {
    static TActionTimerFactory factory;
    return factory;
}

}  // namespace

TSkinManage::TSkinManage(const TActionTimerFactory& timerFactory)
    : FTimer(timerFactory ? timerFactory() : CreatePlatformTimer()) {
    FTimer->SetEnabled(false);
    FTimer->SetInterval(100);
    FTimer->OnTimer = [this] { DoAction(); };
}

TSkinManage::~TSkinManage() {
    FActivation = 4;
    FSkinning = false;
    FTimer->OnTimer = nullptr;
    FTimer->SetEnabled(false);
}

void TSkinManage::InstallHook() { hookInstalled_ = true; }

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

void TSkinManage::Request(int action, int delay) {
    FAction = action;
    FTimer->SetInterval(delay);
    if (FActivation != 0) {
        FTimer->SetEnabled(true);
    } else if (action == saActivate || action == saDeactivate) {
        FSkinning = action == saActivate;
    }
}

void TSkinManage::DoAction() {
    FTimer->SetEnabled(false);
    TSkinData* data = FPendingData;
    if (!data) return;
    switch (FAction) {
        case saActivate:
            FSkinning = true;
            // Attaching the application's forms joins here with the frame skinners.
            break;
        case saDeactivate:
            FSkinning = false;
            break;
        default:
            break;
    }
    FPendingData = nullptr;
    data->DoSkinChanged();
}

TSkinManage* SkinManager() { return Instance().get(); }

TSkinManage* EnsureSkinManager() {
    if (!Instance()) Instance() = std::make_unique<TSkinManage>(Factory());
    return Instance().get();
}

void FreeSkinManager() { Instance().reset(); }

void SetSkinManagerTimerFactory(TActionTimerFactory factory) { Factory() = std::move(factory); }

}  // namespace tw
