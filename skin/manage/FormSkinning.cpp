// Builds without a desktop have no windows to skin.
#include "skin/manage/FormSkinning.h"

namespace tw {

namespace {

class TNoFormSkinning final : public TFormSkinning {
public:
    void InstallHook() override {}
    void PurgeForms() override {}
    void AttachAllForms() override {}
    void AttachOwnerForm(TSkinData&) override {}
    void DetachAll() override {}
    void DetachLastOf(TSkinData&) override {}
    void FollowSkin(TSkinData&, bool) override {}
    void ReloadMetrics(TSkinData&) override {}
    void ForgetSkinData(TSkinData&) override {}
    void Shutdown() override {}
};

}  // namespace

std::unique_ptr<TFormSkinning> CreatePlatformFormSkinning(TSkinManage&) { return std::make_unique<TNoFormSkinning>(); }

}  // namespace tw
