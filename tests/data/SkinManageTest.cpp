#include <gtest/gtest.h>

#include "skin/data/SkinData.h"
#include "skin/manage/SkinManage.h"

namespace tw {
namespace {

class SkinManageTest : public ::testing::Test {
protected:
    void SetUp() override {
        FreeSkinManager();
        SetSkinManagerTimerFactory([] { return std::make_unique<TManualTimer>(); });
    }
    void TearDown() override {
        FreeSkinManager();
        SetSkinManagerTimerFactory({});
    }
    TManualTimer& Timer(TSkinManage& m) { return static_cast<TManualTimer&>(m.Timer()); }
};

TEST_F(SkinManageTest, StartsIdleWithASlowDisabledTimer) {
    TSkinManage& m = *EnsureSkinManager();
    EXPECT_EQ(&m, SkinManager());
    EXPECT_EQ(&m, EnsureSkinManager());
    EXPECT_EQ(0, m.FActivation);
    EXPECT_FALSE(m.FSkinning);
    EXPECT_FALSE(m.Timer().Enabled());
    EXPECT_EQ(100, m.Timer().Interval());
    EXPECT_FALSE(m.HookInstalled());
}

TEST_F(SkinManageTest, TheFirstMainformComponentIsTheDefault) {
    TSkinData dialog(nullptr), main1(nullptr), main2(nullptr);
    dialog.SkinFormtype = sfDialog;
    TSkinManage& m = *EnsureSkinManager();
    m.AddSkinData(&dialog);
    EXPECT_EQ(nullptr, m.FDefaultData);
    m.AddSkinData(&main1);
    m.AddSkinData(&main2);
    m.AddSkinData(&main1);  // listed once
    EXPECT_EQ(&main1, m.FDefaultData);
    EXPECT_EQ(3u, m.SkinDatas().size());
    m.RemoveSkinData(&main1);
    EXPECT_EQ(nullptr, m.FDefaultData);
    m.RemoveSkinData(&main2);
    m.RemoveSkinData(&dialog);
}

TEST_F(SkinManageTest, RequestsBeforeTheFirstActivationOnlySwitchSkinning) {
    TSkinManage& m = *EnsureSkinManager();
    m.Request(saActivate, 250);
    EXPECT_TRUE(m.FSkinning);
    EXPECT_FALSE(m.Timer().Enabled());
    m.Request(saDeactivate, 250);
    EXPECT_FALSE(m.FSkinning);
    m.Request(saSkinChanged, 250);
    EXPECT_FALSE(m.FSkinning);
    EXPECT_FALSE(m.Timer().Enabled());
}

TEST_F(SkinManageTest, ALaterRequestReplacesThePendingOneAndRunsOnce) {
    TSkinData d(nullptr);
    int changed = 0;
    d.OnSkinChanged = [&](TObject*) { ++changed; };
    TSkinManage& m = *EnsureSkinManager();
    m.AddSkinData(&d);
    m.FActivation = 1;
    m.FPendingData = &d;
    m.Request(saDeactivate, 250);
    const int restarts = Timer(m).Restarts();
    m.Request(saActivate, 300);
    EXPECT_GT(Timer(m).Restarts(), restarts);  // the countdown starts again
    EXPECT_EQ(300, m.Timer().Interval());
    Timer(m).Fire();
    EXPECT_TRUE(m.FSkinning);
    EXPECT_EQ(1, changed);
    Timer(m).Fire();  // disabled by the tick: nothing more
    EXPECT_EQ(1, changed);
    m.RemoveSkinData(&d);
}

TEST_F(SkinManageTest, ATickWithoutAPendingComponentDoesNothing) {
    TSkinManage& m = *EnsureSkinManager();
    m.FActivation = 1;
    m.Request(saActivate, 250);
    Timer(m).Fire();
    EXPECT_FALSE(m.FSkinning);
    EXPECT_FALSE(m.Timer().Enabled());
}

TEST_F(SkinManageTest, SecondaryComponentsMarkTheManagerActivatedWhenLoaded) {
    TSkinData d(nullptr);
    d.SkinFormtype = sfOnlyThisForm;
    d.BeginLoading();
    d.EndLoading();
    TSkinManage& m = *SkinManager();
    EXPECT_TRUE(m.FSkinning);
    EXPECT_EQ(1, m.FActivation);
    EXPECT_FALSE(m.HookInstalled());
    // Its own activation goes through the timer, but not without a skin.
    d.SetActive(true);
    EXPECT_EQ(&d, m.FPendingData);
    EXPECT_FALSE(m.Timer().Enabled());
    m.RemoveSkinData(&d);
}

TEST_F(SkinManageTest, AfterTheProgramsEndLateComponentsFindNoManagerAndBringNoneBack) {
    auto early = std::make_unique<TSkinData>(nullptr);
    early->BeginLoading();
    early->EndLoading();
    ASSERT_NE(nullptr, SkinManager());
    ASSERT_EQ(1u, SkinManager()->SkinDatas().size());

    CloseSkinManager();
    EXPECT_EQ(nullptr, SkinManager());
    early.reset();  // a component freed after the end
    TSkinData late(nullptr);
    late.BeginLoading();
    late.EndLoading();
    late.SetActive(true);
    late.SetActive(false);
    late.ApplySkin();
    TSkinData secondary(nullptr);
    secondary.SkinFormtype = sfOnlyThisForm;
    secondary.BeginLoading();
    secondary.EndLoading();
    secondary.SetActive(true);
    EXPECT_EQ(nullptr, SkinManager());
    EXPECT_EQ(nullptr, EnsureSkinManager());

    FreeSkinManager();  // a test's reset opens it again
    EXPECT_NE(nullptr, EnsureSkinManager());
}

}  // namespace
}  // namespace tw
