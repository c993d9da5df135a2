#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "framework/core/ClassInfo.h"
#include "framework/core/Exception.h"
#include "skin/data/SkinData.h"
#include "skin/manage/SkinManage.h"
#include "skin/package/SkinMessage.h"
#include "skin/package/SkinStore.h"
#include "tests/data/SkinTestKit.h"

namespace tw {
namespace {

class SkinDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        FreeSkinManager();
        SetSkinManagerTimerFactory([] { return std::make_unique<TManualTimer>(); });
        previousHook_ = SetSkinMessageHook([this](const std::string& text) { messages_.push_back(text); });
    }
    void TearDown() override {
        FreeSkinManager();
        SetSkinManagerTimerFactory({});
        SetSkinMessageHook(previousHook_);
    }
    static std::vector<uint8_t> Package(const std::string& ini) {
        test::TSkinKit kit;
        kit.Ini(ini).Bmp("b.bmp", test::Solid(50, 20, RGBColor(9, 9, 9)));
        return kit.Package();
    }
    static void AddItem(TSkinStore& store, const std::vector<uint8_t>& bytes) {
        store.Store()->Add()->Data().Write(bytes.data(), bytes.size());
    }
    // Streams a component in as a form would: stored values, then Loaded.
    static void StreamIn(TSkinData& d, bool active) {
        d.BeginLoading();
        d.SetActive(active);
        d.EndLoading();
    }

    TSkinMessageHook previousHook_;
    std::vector<std::string> messages_;
};

TEST_F(SkinDataTest, DefaultsOfANewComponent) {
    TSkinData d(nullptr);
    EXPECT_FALSE(d.Active());
    EXPECT_EQ(0x1FFFFBu, d.SkinControls);
    EXPECT_FALSE(InSet(d.SkinControls, xcMenuItem));
    EXPECT_FALSE(InSet(d.SkinControls, xcFastReport));
    EXPECT_EQ(SetBit(xoPreview) | SetBit(xoToolbarBK), d.Options);
    EXPECT_EQ(99, d.DisableTag);
    EXPECT_EQ("4.11.07.25", d.Version());
    EXPECT_EQ(117, d.Skin3rd().Count());
    EXPECT_EQ(sfMainform, d.SkinFormtype);
    EXPECT_TRUE(d.MenuUpdate);
    EXPECT_FALSE(d.MenuMerge);
    EXPECT_TRUE(d.FNoSkin);
    EXPECT_EQ("(none)", d.SkinStore());
    EXPECT_GT(d.FMaxWidth, 0);
    ASSERT_TRUE(d.Buttons && d.Title && d.Left && d.Right && d.Top && d.Bottom);
    EXPECT_EQ(64, d.MenuGlyphBitmap().Width());
}

TEST_F(SkinDataTest, PropertiesArePublishedByName) {
    TSkinData d(nullptr);
    EXPECT_EQ(0x1FFFFB, GetOrdProp(&d, "SkinControls"));
    EXPECT_EQ(0x48, GetOrdProp(&d, "Options"));
    EXPECT_EQ(99, GetOrdProp(&d, "DisableTag"));
    EXPECT_EQ("sfMainform", GetEnumProp(&d, "SkinFormtype"));
    EXPECT_EQ("False", GetEnumProp(&d, "Active"));
    EXPECT_EQ("True", GetEnumProp(&d, "MenuUpdate"));
    EXPECT_TRUE(SetPropFromText(&d, "SkinFormtype", "sfDialog"));
    EXPECT_EQ(sfDialog, d.SkinFormtype);
    EXPECT_EQ(L"4.11.07.25", GetWideTextProp(&d, "Version"));
    SetPropFromText(&d, "Version", "1.0");
    EXPECT_EQ(L"4.11.07.25", GetWideTextProp(&d, "Version"));
    EXPECT_EQ(L"(none)", GetWideTextProp(&d, "SkinStore"));
    for (const char* name : {"SkinFile", "Skin3rd", "MenuMerge", "Name", "Tag"}) EXPECT_TRUE(HasProp(&d, name)) << name;
}

TEST_F(SkinDataTest, DefaultSkin3rdHasEveryLineOnceSaveTheThreeDoubledOnes) {
    const TStringList lines = DefaultSkin3rd();
    std::set<std::string> distinct;
    for (const std::string& line : lines.Items()) {
        ASSERT_NE(std::string::npos, line.find('=')) << line;
        distinct.insert(LowerCase(line));
    }
    EXPECT_EQ(114u, distinct.size());
    // The LMD group box is listed as a panel and, in another spelling, as a group box; the
    // first line wins.
    TSkinData d(nullptr);
    EXPECT_EQ("panel", d.LookupSkin3rd("TLMDGroupBox"));
}

TEST_F(SkinDataTest, Skin3rdLookupIgnoresCaseAndTheFirstMatchWins) {
    TSkinData d(nullptr);
    EXPECT_EQ("panel", d.LookupSkin3rd("tcontrolbar"));  // stored as "TControlBar=Panel"
    EXPECT_EQ("checkgroup", d.LookupSkin3rd("TRzCheckGroup"));
    EXPECT_EQ("combobox", d.LookupSkin3rd("TWWDBCombobox"));
    EXPECT_EQ("", d.LookupSkin3rd("TRzButtonX"));  // a longer name is another class
    EXPECT_EQ("", d.LookupSkin3rd("TRz"));
    TStringList lines;
    lines.Add("TMyGrid=nil");
    lines.Add("TMyGrid=scrollbar");
    lines.Add("TLong=" + std::string(80, 'K'));
    d.SetSkin3rd(lines);
    EXPECT_EQ("nil", d.LookupSkin3rd("TMYGRID"));
    EXPECT_EQ(std::string(50, 'k'), d.LookupSkin3rd("TLong"));
}

TEST_F(SkinDataTest, LoadedAdjustsTheMenuSwitches) {
    TSkinData withMain(nullptr);
    withMain.SkinControls = kDefaultSkinControls | SetBit(xcMenuItem);
    StreamIn(withMain, false);
    EXPECT_TRUE(InSet(withMain.SkinControls, xcMainMenu));
    EXPECT_FALSE(InSet(withMain.SkinControls, xcMenuItem));
    EXPECT_TRUE(InSet(withMain.SkinControls, xcSystemMenu));

    TSkinData withoutMain(nullptr);
    withoutMain.SkinControls = kDefaultSkinControls & ~SetBit(xcMainMenu);
    StreamIn(withoutMain, false);
    EXPECT_FALSE(InSet(withoutMain.SkinControls, xcSystemMenu));

    ASSERT_NE(nullptr, SkinManager());
    EXPECT_TRUE(SkinManager()->HookInstalled());
    EXPECT_EQ(&withMain, SkinManager()->FDefaultData);
    EXPECT_EQ(2u, SkinManager()->SkinDatas().size());
}

TEST_F(SkinDataTest, ActiveBeforeASkinIsLoaded) {
    TSkinData stored(nullptr);
    StreamIn(stored, true);  // stored True, no skin: Loaded resets it
    EXPECT_FALSE(stored.Active());

    TSkinData d(nullptr);
    StreamIn(d, false);
    d.SetActive(true);  // no skin yet: stays True, nothing is asked of the manager
    EXPECT_TRUE(d.Active());
    EXPECT_FALSE(SkinManager()->FSkinning);
    EXPECT_EQ(0, SkinManager()->FActivation);
    EXPECT_EQ(nullptr, SkinManager()->FPendingData);
}

TEST_F(SkinDataTest, StartUpOrderLoadsThenActivates) {
    TSkinStore store(nullptr);
    for (int i = 0; i < 3; ++i) AddItem(store, Package("[TitlebarSkin]\nSkinName=S" + std::to_string(i) + "\n"));
    TSkinData d(nullptr);
    int changed = 0;
    d.OnSkinChanged = [&](TObject* sender) {
        EXPECT_EQ(&d, sender);
        ++changed;
    };
    StreamIn(d, false);
    d.LoadFromStore(&store, 2);
    EXPECT_EQ("S2", d.FSkinName);
    EXPECT_FALSE(d.FNoSkin);
    EXPECT_EQ("(none)", d.SkinStore());
    TSkinManage& m = *SkinManager();
    EXPECT_EQ(&d, m.FPendingData);
    EXPECT_FALSE(m.Timer().Enabled());  // not activated yet: no skin-changed request
    d.SetActive(true);
    EXPECT_TRUE(m.FSkinning);
    EXPECT_EQ(1, m.FActivation);
    EXPECT_FALSE(m.Timer().Enabled());  // the first activation needs no timer
    // A later skin change runs from the timer, 250 ms after the request.
    d.LoadFromStore(&store, 1);
    EXPECT_TRUE(m.Timer().Enabled());
    EXPECT_EQ(250, m.Timer().Interval());
    EXPECT_EQ(saSkinChanged, m.FAction);
    static_cast<TManualTimer&>(m.Timer()).Fire();
    EXPECT_EQ(1, changed);
    EXPECT_EQ(nullptr, m.FPendingData);
    EXPECT_FALSE(m.Timer().Enabled());
    // Deactivation goes through the timer too.
    d.SetActive(false);
    EXPECT_EQ(saDeactivate, m.FAction);
    static_cast<TManualTimer&>(m.Timer()).Fire();
    EXPECT_FALSE(m.FSkinning);
    EXPECT_EQ(2, changed);
}

TEST_F(SkinDataTest, StoreIndexesOutsideTheStore) {
    TSkinStore store(nullptr);
    AddItem(store, Package("[TitlebarSkin]\nSkinName=One\n"));
    TSkinData d(nullptr);
    d.LoadFromStore(&store, 1);  // not below the count: nothing
    EXPECT_TRUE(d.FNoSkin);
    EXPECT_EQ(0u, d.FSkinBuffer.Size());
    EXPECT_THROW(d.LoadFromStore(&store, -1), EListError);
    d.LoadFromStore(&store, 0);
    EXPECT_EQ("One", d.FSkinName);
}

TEST_F(SkinDataTest, ARefusedArchiveKeepsThePreviousObjectsAndLeavesNoSkin) {
    TSkinStore store(nullptr);
    AddItem(store, Package("[Buttons]\nBitmap=b.bmp\n[TitlebarSkin]\nSkinName=Good\n"));
    // An archive of another version, packed properly.
    std::vector<uint8_t> old = BuildSkinArchive({{"a.ini", {}}});
    old[0] = 0x1F;
    AddItem(store, PackLzh(old));
    AddItem(store, {1, 2, 3});  // not a package at all
    TSkinData d(nullptr);
    d.LoadFromStore(&store, 0);
    ASSERT_FALSE(d.Buttons->Image.Empty());
    d.LoadFromStore(&store, 1);
    EXPECT_TRUE(d.FNoSkin);
    EXPECT_EQ("Good", d.FSkinName);
    EXPECT_FALSE(d.Buttons->Image.Empty());
    ASSERT_EQ(1u, messages_.size());
    EXPECT_EQ("This is Older Skin File\rPlease update to new version !", messages_[0]);
    d.LoadFromStore(&store, 2);
    EXPECT_TRUE(d.FNoSkin);
    EXPECT_FALSE(d.Buttons->Image.Empty());
    // With no skin, activation has no effect on the manager.
    d.SetActive(true);
    EXPECT_FALSE(SkinManager() && SkinManager()->FSkinning);
}

TEST_F(SkinDataTest, SkinStreamRoundTripsAndRefusesTruncatedData) {
    TSkinData empty(nullptr);
    TMemoryStream stored;
    empty.WriteSkinStream(stored);
    EXPECT_EQ(4u, stored.Size());  // only the zero length

    const std::vector<uint8_t> package = Package("[TitlebarSkin]\nSkinName=Streamed\n");
    TSkinData source(nullptr);
    source.FSkinBuffer.Write(package.data(), package.size());
    TMemoryStream full;
    source.WriteSkinStream(full);
    EXPECT_EQ(4 + package.size(), full.Size());

    TSkinData target(nullptr);
    full.SetPosition(0);
    target.ReadSkinStream(full);
    EXPECT_EQ(package, target.FSkinBuffer.Bytes());
    EXPECT_EQ("Streamed", target.FSkinName);  // parsed at once
    EXPECT_FALSE(target.FNoSkin);
    EXPECT_EQ(nullptr, SkinManager());  // but not applied

    TMemoryStream cut(std::vector<uint8_t>(full.Bytes().begin(), full.Bytes().end() - 1));
    TSkinData other(nullptr);
    other.FSkinBuffer.Write("keep", 4);
    EXPECT_THROW(other.ReadSkinStream(cut), Exception);
    EXPECT_EQ(4u, other.FSkinBuffer.Size());
}

TEST_F(SkinDataTest, SkinFileLoadsExistingFilesAndIgnoresMissingOnes) {
    TSkinStore store(nullptr);
    AddItem(store, Package("[TitlebarSkin]\nSkinName=Stored\n"));
    TSkinData d(nullptr);
    d.LoadFromStore(&store, 0);
    d.SetSkinFile("/nonexistent/dir/skin.skn");
    EXPECT_EQ("/nonexistent/dir/skin.skn", d.SkinFile());
    EXPECT_FALSE(d.FNoSkin);  // the current skin stays in use
    EXPECT_EQ("Stored", d.FSkinName);

    const std::string path = ::testing::TempDir() + "tw_skinfile_test.skn";
    TMemoryStream file(Package("[TitlebarSkin]\nSkinName=FromFile\n"));
    ASSERT_TRUE(file.SaveToFile(path));
    d.SetSkinFile(path);
    EXPECT_EQ("FromFile", d.FSkinName);
    EXPECT_FALSE(d.FNoSkin);
    std::remove(path.c_str());
}

// Files named as the system names them, without the component's own routines: a UTF-8 path
// goes to the wide calls on Windows, as it is elsewhere.
std::FILE* OpenNamed(const std::string& path, bool write) {
#ifdef _WIN32
    return _wfopen(WideFromUtf8(path).c_str(), write ? L"wb" : L"rb");
#else
    return std::fopen(path.c_str(), write ? "wb" : "rb");
#endif
}
std::vector<uint8_t> ReadNamed(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (std::FILE* f = OpenNamed(path, false)) {
        for (int c; (c = std::fgetc(f)) != EOF;) bytes.push_back(static_cast<uint8_t>(c));
        std::fclose(f);
    }
    return bytes;
}
void RemoveNamed(const std::string& path) {
#ifdef _WIN32
    _wremove(WideFromUtf8(path).c_str());
#else
    std::remove(path.c_str());
#endif
}

TEST_F(SkinDataTest, SkinFilesWithBlanksAndChineseInTheirNames) {
    const std::string read = ::testing::TempDir() + "皮肤 文件 读.skn";
    const std::vector<uint8_t> package = Package("[TitlebarSkin]\nSkinName=蓝色\n");
    std::FILE* f = OpenNamed(read, true);
    ASSERT_NE(nullptr, f);
    ASSERT_EQ(package.size(), std::fwrite(package.data(), 1, package.size(), f));
    std::fclose(f);

    TSkinData d(nullptr);
    d.SetSkinFile(read);
    EXPECT_FALSE(d.FNoSkin);
    EXPECT_EQ("蓝色", d.FSkinName);

    // Saved under the very name given, not under its bytes read in another code page.
    const std::string written = ::testing::TempDir() + "皮肤 文件 写.skn";
    ASSERT_TRUE(TMemoryStream(package).SaveToFile(written));
    EXPECT_EQ(package, ReadNamed(written));
    TMemoryStream back;
    ASSERT_TRUE(back.LoadFromFile(written));
    EXPECT_EQ(package, back.Bytes());
    RemoveNamed(read);
    RemoveNamed(written);
}

TEST_F(SkinDataTest, DoFormSkinRules) {
    TSkinData d(nullptr);
    auto ask = [&](const std::string& cls) {
        bool skin = true;
        d.DoFormSkin(reinterpret_cast<void*>(0x1234), cls, skin);
        return skin;
    };
    EXPECT_FALSE(ask("SysMonthCal32"));
    EXPECT_TRUE(ask("sysmonthcal32"));
    EXPECT_TRUE(ask("TfrPreviewForm"));  // xcFastReport is off by default
    d.SkinControls |= SetBit(xcFastReport);
    EXPECT_FALSE(ask("TfrPreviewForm"));
    EXPECT_TRUE(ask("TForm1"));
    EXPECT_EQ(reinterpret_cast<void*>(0x1234), d.FormSkinWindow());
    std::string seen;
    d.OnFormSkin = [&](TObject* sender, const std::string& name, bool& doSkin) {
        EXPECT_EQ(&d, sender);
        seen = name;
        doSkin = name == "SysMonthCal32";
    };
    EXPECT_TRUE(ask("SysMonthCal32"));  // the handler alone decides
    EXPECT_FALSE(ask("TfrReport"));
    EXPECT_EQ("TfrReport", seen);
}

TEST_F(SkinDataTest, DestroyedComponentsLeaveTheManager) {
    auto d = std::make_unique<TSkinData>(nullptr);
    StreamIn(*d, false);
    TSkinManage& m = *SkinManager();
    m.FPendingData = d.get();
    EXPECT_EQ(d.get(), m.FDefaultData);
    d.reset();
    EXPECT_TRUE(m.SkinDatas().empty());
    EXPECT_EQ(nullptr, m.FDefaultData);
    EXPECT_EQ(nullptr, m.FPendingData);
}

}  // namespace
}  // namespace tw
