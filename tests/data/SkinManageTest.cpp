#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/data/SkinData.h"
#include "skin/manage/SkinManage.h"
#include "skin/manage/WindowFilter.h"

namespace tw {
namespace {

// Form skinning that records what the manager asks of it, one line per call.
class TRecordingSkinning final : public TFormSkinning {
public:
    TRecordingSkinning(TSkinManage& manager, std::vector<std::string>& log) : manager_(manager), log_(log) {}
    void InstallHook() override { log_.push_back("hook"); }
    void PurgeForms() override { log_.push_back("purge"); }
    void AttachAllForms() override { log_.push_back(manager_.FSweep ? "attach all, sweeping" : "attach all"); }
    void AttachOwnerForm(TSkinData& d) override { log_.push_back("attach owner of " + d.Name()); }
    void DetachAll() override {
        log_.push_back("detach all");
        if (DuringDetach) DuringDetach();
    }
    std::function<void()> DuringDetach;
    void DetachLastOf(TSkinData& d) override { log_.push_back("detach last of " + d.Name()); }
    void FollowSkin(TSkinData& d, bool firstOnly) override {
        log_.push_back((firstOnly ? "follow first of " : "follow all of ") + d.Name());
    }
    void ReloadMetrics(TSkinData& d) override { log_.push_back("metrics of " + d.Name()); }
    void ForgetSkinData(TSkinData& d) override { log_.push_back("forget " + d.Name()); }
    void Shutdown() override { log_.push_back("shutdown"); }
    void MdiChildrenMaximisedChanged(bool state) override {
        log_.push_back(state ? "children maximised" : "children normal");
    }

private:
    TSkinManage& manager_;
    std::vector<std::string>& log_;
};

class SkinManageTest : public ::testing::Test {
protected:
    void SetUp() override {
        FreeSkinManager();
        SetSkinManagerTimerFactory([] { return std::make_unique<TManualTimer>(); });
        SetSkinManagerFormSkinningFactory([this](TSkinManage& m) {
            auto skinning = std::make_unique<TRecordingSkinning>(m, log_);
            skinning_ = skinning.get();
            return skinning;
        });
    }
    void TearDown() override {
        FreeSkinManager();
        SetSkinManagerTimerFactory({});
        SetSkinManagerFormSkinningFactory({});
    }
    std::vector<std::string> TakeLog() { return std::exchange(log_, {}); }
    std::vector<std::string> log_;
    TRecordingSkinning* skinning_ = nullptr;
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

// The MDI children follow the maximised mode only when it changes, and never while the main
// component lets children keep the system's frames.
TEST_F(SkinManageTest, MdiChildrenFollowOnlyAChangeOfTheMaximisedMode) {
    struct Step {
        bool state;
        bool childBorders;
        std::vector<std::string> told;
        bool after;
    };
    const Step steps[] = {
        {false, false, {}, false}, {true, false, {"children maximised"}, true}, {true, false, {}, true},
        {false, true, {}, true},   {false, false, {"children normal"}, false},  {true, true, {}, false},
    };
    TSkinData main(nullptr);
    TSkinManage& m = *EnsureSkinManager();
    m.AddSkinData(&main);
    TakeLog();
    for (const Step& step : steps) {
        main.Options = step.childBorders ? kDefaultSkinOptions | SetBit(xoMDIChildBorder) : kDefaultSkinOptions;
        m.SetMdiChildrenMaximised(step.state);
        EXPECT_EQ(step.told, TakeLog()) << "to " << step.state << (step.childBorders ? " with child borders" : "");
        EXPECT_EQ(step.after, m.MdiChildrenMaximised());
    }
    int client = 0, form = 0;
    m.RecordMdiFrame(&client, &form);
    EXPECT_EQ(&client, m.MdiClient());
    m.RemoveSkinData(&main);
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

TEST_F(SkinManageTest, ActionsReachTheFormSkinningAndTellTheComponentOnce) {
    TSkinData main(nullptr), only(nullptr);
    main.SetName("main");
    only.SetName("only");
    only.SkinFormtype = sfOnlyThisForm;
    int changed = 0;
    main.OnSkinChanged = only.OnSkinChanged = [&](TObject*) { ++changed; };
    TSkinManage& m = *EnsureSkinManager();
    m.AddSkinData(&main);
    m.AddSkinData(&only);
    m.FActivation = 1;
    struct TCase {
        TSkinData* data;
        int action;
        std::vector<std::string> calls;
        bool skinningAfter;
    };
    const TCase cases[] = {
        {&main, saActivate, {"purge", "attach all, sweeping"}, true},
        {&main, saSkinChanged, {"purge", "follow all of main"}, true},
        {&main, saDeactivate, {"purge", "detach all"}, false},
        {&only, saActivate, {"attach owner of only"}, true},
        {&only, saSkinChanged, {"purge", "follow first of only"}, true},
        {&only, saDeactivate, {"purge", "detach last of only"}, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.data->Name() + " action " + std::to_string(c.action));
        TakeLog();
        const int before = changed;
        m.FPendingData = c.data;
        m.Request(c.action, 250);
        Timer(m).Fire();
        EXPECT_EQ(c.calls, TakeLog());
        EXPECT_EQ(c.skinningAfter, m.FSkinning);
        EXPECT_FALSE(m.FSweep);
        EXPECT_EQ(before + 1, changed);
        EXPECT_EQ(nullptr, m.FPendingData);
    }
    m.RemoveSkinData(&main);
    m.RemoveSkinData(&only);
}

TEST_F(SkinManageTest, PurgingGoesOnAfterFourSecondaryComponentsAndStopsWhenTheManagerGoes) {
    std::vector<std::unique_ptr<TSkinData>> secondary;
    for (int i = 0; i < 4; ++i) {
        secondary.push_back(std::make_unique<TSkinData>(nullptr));
        secondary.back()->SkinFormtype = sfDialog;
        secondary.back()->BeginLoading();
        secondary.back()->EndLoading();
    }
    TSkinManage& m = *SkinManager();
    EXPECT_EQ(4, m.FActivation);
    TakeLog();
    m.PurgeForms();
    EXPECT_EQ(std::vector<std::string>{"purge"}, TakeLog());
    EXPECT_FALSE(m.Destroying());

    FreeSkinManager();
    EXPECT_EQ(std::vector<std::string>{"shutdown"}, TakeLog());
    secondary.clear();  // components freed after the manager tell nobody
    EXPECT_TRUE(TakeLog().empty());
}

TEST_F(SkinManageTest, AComponentThatGoesFirstIsForgottenByTheSkinnersAndAsThePendingOne) {
    auto main = std::make_unique<TSkinData>(nullptr);
    main->SetName("main");
    main->BeginLoading();
    main->EndLoading();
    TSkinData* raw = main.get();
    TSkinManage& m = *SkinManager();
    EXPECT_EQ(std::vector<std::string>{"hook"}, TakeLog());
    m.FActivation = 1;
    m.FPendingData = raw;
    m.Request(saDeactivate, 250);
    main.reset();
    EXPECT_EQ(std::vector<std::string>{"forget main"}, TakeLog());
    EXPECT_EQ(nullptr, m.FPendingData);
    EXPECT_EQ(nullptr, m.FDefaultData);
    Timer(m).Fire();  // nothing left to act for
    EXPECT_TRUE(TakeLog().empty());
}

TEST_F(SkinManageTest, ASecondaryComponentLoadedActiveAttachesItsOwnerAtOnce) {
    TSkinData d(nullptr);
    d.SetName("own");
    d.SkinFormtype = sfOnlyThisForm;
    d.BeginLoading();
    d.SetActive(true);
    d.EndLoading();
    EXPECT_EQ(std::vector<std::string>{"attach owner of own"}, TakeLog());
    SkinManager()->RemoveSkinData(&d);
}

TEST_F(SkinManageTest, WhatHappensInsideAnActionIsNeitherLostNorToldToAComponentThatWent) {
    auto first = std::make_unique<TSkinData>(nullptr);
    TSkinData second(nullptr);
    int firstChanged = 0, secondChanged = 0;
    first->OnSkinChanged = [&](TObject*) { ++firstChanged; };
    second.OnSkinChanged = [&](TObject*) { ++secondChanged; };
    TSkinManage& m = *EnsureSkinManager();
    m.AddSkinData(first.get());
    m.AddSkinData(&second);
    m.FActivation = 1;

    // A modal loop inside the action lets another component ask for its own action.
    skinning_->DuringDetach = [&] {
        m.FPendingData = &second;
        m.Request(saSkinChanged, 250);
    };
    m.FPendingData = first.get();
    m.Request(saDeactivate, 250);
    Timer(m).Fire();
    EXPECT_EQ(1, firstChanged);
    EXPECT_EQ(&second, m.FPendingData);
    EXPECT_TRUE(m.Timer().Enabled());
    Timer(m).Fire();
    EXPECT_EQ(1, secondChanged);

    // The component that asked goes while its action runs.
    skinning_->DuringDetach = [&] { first.reset(); };
    m.FPendingData = first.get();
    m.Request(saDeactivate, 250);
    Timer(m).Fire();
    EXPECT_EQ(nullptr, m.FPendingData);
    EXPECT_EQ(1, firstChanged);
    m.RemoveSkinData(&second);
}

// A framework form standing in for a window's form in the decisions.
class TFakeForm : public TComponent {
public:
    explicit TFakeForm(int tag) : TComponent(nullptr) { SetTag(tag); }
};

TEST(WindowFilter, TheChainTakesAWindowOnlyWhenEveryRuleLetsItThrough) {
    TFakeForm form(0), disabled(kNeverSkinTag), tagFive(5);
    TSkinData data(nullptr);
    data.DisableTag = 5;
    int window = 0;
    auto base = [&] {
        TWindowFacts w;
        w.Window = &window;
        w.ClassName = "TFrmMain";
        w.Form = &form;
        w.OwnModule = true;
        w.HasArea = true;
        return w;
    };
    using V = TAttachVerdict;
    struct TCase {
        const char* name;
        std::function<void(TWindowFacts&)> change;
        V expected;
        bool skinning = true;
        bool sweep = false;
        TSkinOptions options = kDefaultSkinOptions;
    };
    const TCase cases[] = {
        {"a form of ours", [](TWindowFacts&) {}, V::Attach},
        {"skinning off", [](TWindowFacts&) {}, V::SkinningOff, false},
        {"already answers the query", [](TWindowFacts& w) { w.AnswersQuery = true; }, V::AlreadySkinned},
        {"already has a skinner", [](TWindowFacts& w) { w.HasSkinner = true; }, V::AlreadySkinned},
        {"a plain child", [](TWindowFacts& w) { w.Style = kStyleChild; }, V::PlainChild},
        {"a plain child in the sweep", [](TWindowFacts& w) { w.Style = kStyleChild; }, V::Attach, true, true},
        {"a child of an MDI client",
         [](TWindowFacts& w) {
             w.Style = kStyleChild;
             w.ParentClassName = "MDIClient";
         },
         V::Attach},
        {"a window of another module",
         [](TWindowFacts& w) {
             w.Form = nullptr;
             w.OwnModule = false;
             w.ClassName = "OtherTop";
         },
         V::Foreign},
        {"a dialog box of another module",
         [](TWindowFacts& w) {
             w.Form = nullptr;
             w.OwnModule = false;
             w.ClassName = "#32770";
         },
         V::Attach},
        {"a bare window of ours", [](TWindowFacts& w) { w.Form = nullptr; }, V::Attach},
        {"no area", [](TWindowFacts& w) { w.HasArea = false; }, V::NoArea},
        {"an MDI child without area",
         [](TWindowFacts& w) {
             w.HasArea = false;
             w.Style = kStyleChild;
             w.ExStyle = kExStyleMdiChild;
         },
         V::Attach},
        {"Tag 99 whatever DisableTag says", [&](TWindowFacts& w) { w.Form = &disabled; }, V::DisabledTag},
        {"Tag equal to DisableTag", [&](TWindowFacts& w) { w.Form = &tagFive; }, V::Attach},
        {"a popup edit window", [](TWindowFacts& w) { w.ClassName = "TcxPopupEditPopupWindowX"; }, V::ExcludedClass},
        {"the application window", [](TWindowFacts& w) { w.ClassName = "TApplication"; }, V::ExcludedClass},
        {"a preview with xoPreview", [](TWindowFacts& w) { w.ClassName = "TPrintPreviewForm"; }, V::Attach},
        {"a preview without xoPreview", [](TWindowFacts& w) { w.ClassName = "TPrintPreviewForm"; }, V::Preview, true,
         false, SetBit(xoToolbarBK)},
        {"refused by the component", [](TWindowFacts& w) { w.ClassName = "SysMonthCal32"; }, V::RefusedByData},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TWindowFacts w = base();
        c.change(w);
        data.Options = c.options;
        EXPECT_EQ(c.expected, FilterWindow(w, c.skinning, c.sweep, &data));
    }

    // The component's own handler alone decides, and learns which window it is asked about.
    std::string asked;
    data.OnFormSkin = [&](TObject*, const std::string& name, bool& doSkin) {
        asked = name;
        doSkin = name == "SysMonthCal32";
    };
    TWindowFacts month = base();
    month.ClassName = "SysMonthCal32";
    EXPECT_EQ(TAttachVerdict::Attach, FilterWindow(month, true, false, &data));
    EXPECT_EQ(&window, data.FormSkinWindow());
    EXPECT_EQ(TAttachVerdict::RefusedByData, FilterWindow(base(), true, false, &data));
    EXPECT_EQ("TFrmMain", asked);
    // Without a default component there is nobody to ask.
    TWindowFacts preview = base();
    preview.ClassName = "TPreview";
    EXPECT_EQ(TAttachVerdict::Attach, FilterWindow(preview, true, false, nullptr));
}

TEST(WindowFilter, EachWindowTakesTheComponentMeantForIt) {
    TFakeForm formA(0), formB(0);
    auto* only = new TSkinData(&formA);  // formA frees it
    only->SkinFormtype = sfOnlyThisForm;
    TSkinData main1(nullptr), main2(nullptr), dialog(nullptr), dialog2(nullptr);
    dialog.SkinFormtype = dialog2.SkinFormtype = sfDialog;
    auto facts = [](const TComponent* form, const char* cls) {
        TWindowFacts w;
        w.Form = form;
        w.ClassName = cls;
        return w;
    };
    const std::vector<TSkinData*> all{&main1, only, &dialog, &main2, &dialog2};
    struct TCase {
        const char* name;
        std::vector<TSkinData*> datas;
        TWindowFacts window;
        TSkinData* expected;
    };
    const TCase cases[] = {
        {"the form that owns a one-form component", all, facts(&formA, "TFormA"), only},
        {"another form: the last main-form one", all, facts(&formB, "TFormB"), &main2},
        {"a bare dialog box: the last dialog one", all, facts(nullptr, "#32770"), &dialog2},
        {"a message form", all, facts(&formB, "TMessageForm"), &dialog2},
        {"a dialog box without dialog components", {&main1, &main2}, facts(nullptr, "#32770"), &main2},
        {"no main-form component: the first listed", {&dialog, only}, facts(&formB, "TFormB"), &dialog},
        {"nothing listed", {}, facts(&formB, "TFormB"), nullptr},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, ChooseSkinData(c.datas, c.window));
    }
}

}  // namespace
}  // namespace tw
