// Ownership, free notifications, loading and class identity of the portable component core.
#include "framework/core/Component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tw {
namespace {

std::vector<std::string> gFreed;

class TProbe : public TComponent {
    TW_CLASS_INFO()
public:
    TProbe(TComponent* owner, std::string name) : TComponent(owner) { SetName(std::move(name)); }
    ~TProbe() override { gFreed.push_back(Name()); }
    void Loaded() override {
        loadedWhileOwnerLoading = Owner() && Owner()->IsLoading();
        ++loadedCount;
    }
    int loadedCount = 0;
    bool loadedWhileOwnerLoading = false;
    std::vector<std::string> removed;
    int level = 3;

protected:
    void Notification(TComponent* c, TOperation op) override {
        if (op == TOperation::opRemove) removed.push_back(c->Name());
        TComponent::Notification(c, op);
    }
};

enum class TShade { shLight, shDark };

class TProbeChild : public TProbe {
    TW_CLASS_INFO()
public:
    using TProbe::TProbe;
    std::wstring caption = L"标题";
    TShade shade = TShade::shLight;
    TProbe* buddy = nullptr;
};

const TClassInfo& TProbe::StaticClassInfo() {
    static const TClassInfo info{"TProbe",
                                 &TComponent::StaticClassInfo(),
                                 {IntProp<TProbe>(
                                     "Level", [](const TProbe& p) { return p.level; },
                                     [](TProbe& p, int64_t v) { p.level = static_cast<int>(v); })}};
    return info;
}

const TClassInfo& TProbeChild::StaticClassInfo() {
    static const TClassInfo info{
        "TProbeChild",
        &TProbe::StaticClassInfo(),
        {WStrProp<TProbeChild>(
             "Caption", [](const TProbeChild& p) { return p.caption; },
             [](TProbeChild& p, const std::wstring& v) { p.caption = v; }),
         EnumProp<TProbeChild>(
             "Shade", {"shLight", "shDark"}, [](const TProbeChild& p) { return static_cast<int>(p.shade); },
             [](TProbeChild& p, int64_t v) { p.shade = static_cast<TShade>(v); }),
         ObjProp<TProbeChild>("Buddy", [](const TProbeChild& p) -> TObject* { return p.buddy; })}};
    return info;
}

TEST(Component, OwnerFreesOwnedComponentsOnceLastFirst) {
    gFreed.clear();
    auto* root = new TProbe(nullptr, "root");
    auto* a = new TProbe(root, "a");
    new TProbe(a, "a1");
    new TProbe(root, "b");
    EXPECT_EQ(root->ComponentCount(), 2);
    delete root;
    // Each exactly once: an owner's own destructor body first, then what it owns, the last
    // made first, each with what it owns in turn.
    EXPECT_EQ(gFreed, (std::vector<std::string>{"root", "b", "a", "a1"}));
}

TEST(Component, FreeingAnOwnedComponentLeavesTheOwnerAndTellsIt) {
    gFreed.clear();
    TProbe root(nullptr, "root");
    auto* a = new TProbe(&root, "a");
    new TProbe(&root, "b");
    delete a;
    EXPECT_EQ(root.ComponentCount(), 1);
    EXPECT_EQ(root.Components(0)->Name(), "b");
    EXPECT_EQ(root.removed, (std::vector<std::string>{"a"}));
    EXPECT_EQ(root.FindComponent("A"), nullptr);
    EXPECT_NE(root.FindComponent("B"), nullptr);
}

TEST(Component, FreeNotificationReachesComponentsOfOtherOwners) {
    TProbe left(nullptr, "left");
    auto* watched = new TProbe(nullptr, "watched");
    left.FreeNotification(watched);
    delete watched;
    EXPECT_EQ(left.removed, (std::vector<std::string>{"watched"}));
    // And the watcher going first leaves nothing dangling behind in the watched one.
    auto* watcher = new TProbe(nullptr, "watcher");
    TProbe other(nullptr, "other");
    watcher->FreeNotification(&other);
    delete watcher;
}

TEST(Component, LoadedRunsOnceForEveryComponentMadeWhileLoading) {
    TProbe root(nullptr, "root");
    root.BeginLoading();
    auto* a = new TProbe(&root, "a");
    auto* b = new TProbe(a, "b");
    EXPECT_TRUE(a->IsLoading());
    EXPECT_TRUE(b->IsLoading());
    root.EndLoading();
    EXPECT_EQ(a->loadedCount, 1);
    EXPECT_EQ(b->loadedCount, 1);
    EXPECT_EQ(root.loadedCount, 1);
    EXPECT_FALSE(a->IsLoading());
    // Owned components are told first, while their owner still reads as loading.
    EXPECT_TRUE(a->loadedWhileOwnerLoading);
}

TEST(ClassInfo, AncestryByNameIgnoringCase) {
    TProbeChild c(nullptr, "c");
    EXPECT_EQ(c.ClassName(), "TProbeChild");
    EXPECT_TRUE(c.InheritsFrom("tprobe"));
    EXPECT_TRUE(c.InheritsFrom("TComponent"));
    EXPECT_FALSE(c.InheritsFrom("TControl"));
}

TEST(ClassInfo, PropertiesOfEveryKindByName) {
    TProbe buddy(nullptr, "buddy");
    TProbeChild c(nullptr, "c");
    c.buddy = &buddy;
    EXPECT_EQ(GetOrdProp(&c, "level"), 3);
    EXPECT_EQ(GetOrdProp(&c, "Tag"), 0);
    EXPECT_EQ(GetEnumProp(&c, "Shade"), "shLight");
    EXPECT_EQ(GetWideTextProp(&c, "Caption"), L"标题");
    EXPECT_EQ(GetWideTextProp(&c, "Name"), L"c");
    EXPECT_EQ(GetObjectProp(&c, "Buddy"), &buddy);
    EXPECT_EQ(GetObjectProp(&c, "Buddy", "TProbe"), &buddy);
    EXPECT_EQ(GetObjectProp(&c, "Buddy", "TProbeChild"), nullptr);

    EXPECT_TRUE(SetPropFromText(&c, "Level", "42"));
    EXPECT_EQ(c.level, 42);
    EXPECT_TRUE(SetPropFromText(&c, "shade", "SHDARK"));
    EXPECT_EQ(c.shade, TShade::shDark);
    EXPECT_TRUE(SetPropFromText(&c, "Caption", "新标题"));
    EXPECT_EQ(c.caption, L"新标题");
    EXPECT_TRUE(SetPropFromText(&c, "Tag", "-7"));
    EXPECT_EQ(c.Tag(), -7);
}

TEST(ClassInfo, MissingOrMismatchedPropertiesAreTolerated) {
    TProbeChild c(nullptr, "c");
    EXPECT_EQ(GetOrdProp(&c, "NoSuch"), -1);
    EXPECT_EQ(GetOrdProp(&c, "Caption"), -1);  // not of integer kind
    EXPECT_EQ(GetOrdProp(nullptr, "Level"), -1);
    EXPECT_EQ(GetEnumProp(&c, "Level"), "");
    EXPECT_EQ(GetWideTextProp(&c, "NoSuch"), L"");
    EXPECT_EQ(GetObjectProp(&c, "Caption"), nullptr);
    EXPECT_FALSE(SetPropFromText(&c, "NoSuch", "1"));
    EXPECT_FALSE(SetPropFromText(&c, "Level", "12abc"));
    EXPECT_FALSE(SetPropFromText(&c, "Shade", "shPurple"));
    EXPECT_EQ(c.level, 3);
    EXPECT_EQ(c.shade, TShade::shLight);
}

}  // namespace
}  // namespace tw
