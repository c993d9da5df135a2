// Which skinner a control gets: framework controls by family and class name, Skin3rd words, bare
// windows by class and style; and the button frame for each state.
#include <gtest/gtest.h>

#include "skin/controls/ButtonFrame.h"
#include "skin/controls/ProgressFill.h"
#include "skin/controls/SkinnerKind.h"
#include "skin/data/SkinData.h"

namespace tw {
namespace {

using K = TSkinnerKind;
constexpr uint32_t kAll = kDefaultSkinControls;

TControlFacts Facts(const char* name, void (*set)(TControlFacts&) = nullptr) {
    TControlFacts f;
    f.ClassName = name;
    if (set) set(f);
    return f;
}

TEST(SkinnerKindTest, FrameworkControlsByFamilyThenByName) {
    struct Case {
        TControlFacts facts;
        uint32_t set;
        bool tabs;
        K kind;
        bool contained, recolour;
    };
    const uint32_t noPanel = kAll & ~SetBit(xcPanel);
    const uint32_t noButton = kAll & ~SetBit(xcButton);
    const Case cases[] = {
        {Facts("TButton", [](TControlFacts& f) { f.IsPushButton = true; }), kAll, false, K::Button, false, false},
        {Facts("TButton", [](TControlFacts& f) { f.IsPushButton = true; }), noButton, false, K::None, false, false},
        // A group box: its children first, then its own skinner; not without xcPanel.
        {Facts("TGroupBox", [](TControlFacts& f) { f.IsGroupBox = true; }), kAll, false, K::GroupBox, true, false},
        {Facts("TGroupBox", [](TControlFacts& f) { f.IsGroupBox = true; }), noPanel, false, K::None, false, false},
        {Facts("TPanel", [](TControlFacts& f) { f.IsPanel = true; }), kAll, false, K::Box, true, true},
        {Facts("TProgressBar", [](TControlFacts& f) { f.IsProgressBar = true; }), kAll, false, K::Progress, false,
         false},
        {Facts("TComboBox", [](TControlFacts& f) { f.IsComboBox = true; }), kAll, false, K::Combo, false, false},
        {Facts("TListView",
               [](TControlFacts& f) {
                   f.IsListView = true;
                   f.HasScrollStyle = true;
               }),
         kAll, false, K::ListView, false, false},
        // A scrolled edit is a scroll-bar case before it is an edit.
        {Facts("TMemo",
               [](TControlFacts& f) {
                   f.IsEdit = true;
                   f.HasScrollStyle = true;
               }),
         kAll, false, K::Scrollbar, false, false},
        {Facts("TEdit", [](TControlFacts& f) { f.IsEdit = true; }), kAll, false, K::Edit, false, false},
        {Facts("TFrmInner", [](TControlFacts& f) { f.IsForm = true; }), kAll, false, K::Box, true, true},
        // Names decide regardless of case; tab sets need the skin's Tabs.
        {Facts("ttabset"), kAll, true, K::Tab, false, false},
        {Facts("TTabSet"), kAll, false, K::None, false, false},
        {Facts("TMvcPanel"), kAll, false, K::None, true, false},
        {Facts("TUpDown"), kAll, false, K::UpDown, false, false},
        // Our tab controls with button tabs, and our stand-alone header.
        {Facts("TTabControl", [](TControlFacts& f) { f.TabButtons = true; }), kAll, true, K::TabButtons, false, false},
        {Facts("TTabControl"), kAll, true, K::Tab, false, false},
        {Facts("TPageControl", [](TControlFacts& f) { f.TabButtons = true; }), kAll, true, K::Tab, false, false},
        {Facts("TTabControl", [](TControlFacts& f) { f.TabButtons = true; }), kAll, false, K::None, false, false},
        {Facts("THeaderControl"), kAll, false, K::Header, false, false},
        {Facts("THeaderControl"), noPanel, false, K::None, false, false},
        {Facts("TWebBrowser"), kAll, false, K::None, false, false},
    };
    for (const Case& c : cases) {
        TSkinnerChoice got = ChooseForControl(c.facts, c.set, c.tabs);
        EXPECT_EQ(c.kind, got.Kind) << c.facts.ClassName;
        EXPECT_EQ(c.contained, got.SkinContained) << c.facts.ClassName;
        EXPECT_EQ(c.recolour, got.Recolour) << c.facts.ClassName;
    }
}

TEST(SkinnerKindTest, Skin3rdWordsDecideEvenWhenTheyGiveNothing) {
    struct Case {
        const char* value;
        uint32_t set;
        K kind;
    };
    const Case cases[] = {
        {"nil", kAll, K::None},          {"button", kAll, K::Button},
        {"BUTTON", kAll, K::Button},     {"button", kAll & ~SetBit(xcButton), K::None},
        {"groupbox", kAll, K::GroupBox}, {"progress", kAll, K::Progress},
        {"combobox", kAll, K::Combo},    {"tab", kAll, K::None},  // no Tabs in the skin
        {"no such word", kAll, K::None},
    };
    for (const Case& c : cases) {
        TSkinnerChoice got = ChooseForSkin3rd(c.value, c.set, false);
        EXPECT_TRUE(got.Decided) << c.value;
        EXPECT_EQ(c.kind, got.Kind) << c.value;
    }
    EXPECT_TRUE(ChooseForSkin3rd("container", kAll, false).SkinContained);
}

TEST(SkinnerKindTest, BareWindowsByClassAndStyle) {
    struct Case {
        const char* cls;
        uint32_t style;
        K kind;
        bool contained;
    };
    const uint32_t tabStop = 0x00010000, bitmap = 0x80;
    const Case cases[] = {
        {"Button", 0x0, K::Button, false},            // BS_PUSHBUTTON
        {"BUTTON", 0x1 | tabStop, K::Button, false},  // BS_DEFPUSHBUTTON
        {"Button", 0x7, K::None, false},              // group box
        {"Button", 0x0 | bitmap, K::None, false},     // picture button
        {"Button", 0xB, K::None, false},              // owner-drawn
        {"Button", 0xF, K::None, false},
        {"Button", 0x3, K::CheckBox, false},  // auto check box
        {"Button", 0x5, K::CheckBox, false},
        {"Button", 0x9, K::RadioButton, false},  // auto radio button
        {"Button", 0x8, K::Button, false},       // user button: any other type
        {"ComboBox", 0x2, K::Combo, false},
        {"ComboBox", 0x1, K::None, false},  // simple
        {"ScrollBar", 0x0, K::Sizer, false},
        {"ScrollBar", tabStop, K::None, false},
        {"#32770", 0x0, K::Box, true},
        {"#32770", tabStop, K::None, false},
        {"TPanel", 0x0, K::None, true},
        {"SysTreeView32", 0x0, K::None, false},
        {"SysTabControl32", 0x0, K::Tab, false},
        {"SysTabControl32", 0x2000, K::None, false},
        {"SysTabControl32", 0x0100, K::TabButtons, false},
        {"SysTabControl32", 0x0108, K::TabButtons, false},
        {"SysHeader32", 0x0, K::Header, false},
        {"Edit", 0x0, K::Edit, false},
        {"ToolbarWindow32", 0x0, K::None, false},
    };
    for (const Case& c : cases) {
        TSkinnerChoice got = ChooseForWindow(c.cls, c.style);
        EXPECT_EQ(c.kind, got.Kind) << c.cls << " style 0x" << std::hex << c.style;
        EXPECT_EQ(c.contained, got.SkinContained) << c.cls << " style 0x" << std::hex << c.style;
    }
}

TEST(SkinnerKindTest, ButtonFrameForEveryState) {
    // Rows: pressed, hot, focused, enabled -> frame. Disabled wins, then pressed, hot, focused.
    const struct {
        bool pressed, hot, focused, enabled;
        int frame;
    } cases[] = {
        {false, false, false, true, bfNormal}, {true, false, false, true, bfPressed},
        {true, true, true, true, bfPressed},   {false, true, false, true, bfHot},
        {false, true, true, true, bfHot},      {false, false, true, true, bfFocused},
        {true, true, true, false, bfDisabled}, {false, false, false, false, bfDisabled},
    };
    for (const auto& c : cases) {
        TButtonLook look;
        look.Pressed = c.pressed;
        look.Hot = c.hot;
        look.Focused = c.focused;
        look.Enabled = c.enabled;
        EXPECT_EQ(c.frame, ButtonFrameFor(look)) << c.pressed << c.hot << c.focused << c.enabled;
    }
}

TEST(SkinnerKindTest, ProgressFillStaysWithinTheBar) {
    const struct {
        int length, pos, max, fill;
    } cases[] = {
        {180, 60, 100, 108},
        {180, 0, 100, 0},
        {180, 100, 100, 180},
        {180, 150, 100, 180},
        {180, 5, 0, 0},
        {180, -3, 100, 0},
        {0, 50, 100, 0},
        {1000, 1, 3, 333},
        {32000, 2000000000, 2100000000, 30476},  // no overflow on large positions
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.fill, ProgressFill(c.length, c.pos, c.max)) << c.length << " " << c.pos << "/" << c.max;
}

}  // namespace
}  // namespace tw
