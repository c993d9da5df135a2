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
        {Facts("ttabset"), kAll, true, K::TabSet, false, false},
        {Facts("TTabSet"), kAll & ~SetBit(xcTab), true, K::None, false, false},
        {Facts("TTabbedNotebook"), kAll, true, K::Tab, false, false},
        // Our page control handed its tab backgrounds: recoloured, behind xcTab alone.
        {Facts("TBackdropPageControl"), kAll, false, K::AdvPage, false, true},
        {Facts("TBackdropPageControl"), kAll & ~SetBit(xcTab), true, K::None, false, false},
        {Facts("TTabSet"), kAll, false, K::None, false, false},
        {Facts("TMvcPanel"), kAll, false, K::None, true, false},
        {Facts("TUpDown"), kAll, false, K::UpDown, false, false},
        {Facts("TUpDown"), kAll & ~(1u << xcSpin), false, K::None, false, false},
        // A spin edit's arrows are its child: the edit dispatches them.
        {Facts("TSpinEdit", [](TControlFacts& f) { f.IsEdit = true; }), kAll, false, K::Edit, true, false},
        // The media player is covered by a panel drawn with the skin's buttons.
        {Facts("TMediaPlayer"), kAll, false, K::MediaPlayer, false, false},
        {Facts("TMediaPlayer"), kAll & ~(1u << xcButton), false, K::None, false, false},
        {Facts("TDateTimePicker"), kAll, false, K::DateTime, false, false},
        {Facts("TDateTimePicker"), kAll & ~(1u << xcCombo), false, K::None, false, false},
        {Facts("TStatusBar"), kAll, false, K::StatusBar, false, false},
        {Facts("tstatusbar"), kAll & ~(1u << xcStatusBar), false, K::None, false, false},
        // Our tab controls with button tabs, and our stand-alone header.
        {Facts("TTabControl", [](TControlFacts& f) { f.TabButtons = true; }), kAll, true, K::TabButtons, false, false},
        {Facts("TTabControl"), kAll, true, K::Tab, false, false},
        {Facts("TPageControl", [](TControlFacts& f) { f.TabButtons = true; }), kAll, true, K::Tab, false, false},
        {Facts("TTabControl", [](TControlFacts& f) { f.TabButtons = true; }), kAll, false, K::None, false, false},
        {Facts("THeaderControl"), kAll, false, K::Header, false, false},
        {Facts("THeaderControl"), noPanel, false, K::None, false, false},
        {Facts("TWebBrowser"), kAll, false, K::None, false, false},
        // Our scroll bar control and track bar, each behind its own switch; a memo and a list
        // box get scroll panels by name, also while their bars are hidden.
        {Facts("TScrollBar"), kAll, false, K::ScControl, false, false},
        {Facts("TScrollBar"), kAll & ~SetBit(xcScrollbar), false, K::None, false, false},
        {Facts("TTrackBar"), kAll, false, K::TrackBar, false, false},
        {Facts("TTrackBar"), kAll & ~SetBit(xcTrackBar), false, K::None, false, false},
        {Facts("TMemo", [](TControlFacts& f) { f.IsEdit = true; }), kAll, false, K::Scrollbar, false, false},
        {Facts("TMemo", [](TControlFacts& f) { f.IsEdit = true; }), kAll & ~SetBit(xcScrollbar), false, K::Edit, false,
         false},
        {Facts("TListBox"), kAll, false, K::Scrollbar, false, false},
        {Facts("TListBox"), kAll & ~SetBit(xcScrollbar), false, K::None, false, false},
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
        {"nil", kAll, K::None},
        {"button", kAll, K::Button},
        {"BUTTON", kAll, K::Button},
        {"button", kAll & ~SetBit(xcButton), K::None},
        {"groupbox", kAll, K::GroupBox},
        {"progress", kAll, K::Progress},
        {"combobox", kAll, K::Combo},
        {"tab", kAll, K::None},  // no Tabs in the skin
        {"no such word", kAll, K::None},
        {"trackbar", kAll, K::TrackBar},
        {"trackbar", kAll & ~SetBit(xcButton), K::None},
        {"advpagecontrol", kAll, K::AdvPage},
        {"AdvPageControl", kAll & ~SetBit(xcTab), K::None},
        {"mediaplayer", kAll, K::MediaPlayer},
        {"mediaplayer", kAll & ~SetBit(xcButton), K::None},
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
        // A scroll bar is a size box or grip (SBS_SIZEBOX, SBS_SIZEGRIP) or a scroll bar control.
        {"ScrollBar", 0x0, K::ScControl, false},
        {"ScrollBar", 0x1 | tabStop, K::ScControl, false},  // SBS_VERT
        {"ScrollBar", 0x8, K::Sizer, false},
        {"ScrollBar", 0x18, K::Sizer, false},
        {"msctls_trackbar32", 0x2, K::TrackBar, false},  // TBS_VERT
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
        {"msctls_updown32", 0x0, K::UpDown, false},
        {"SysDateTimePick32", 0x0, K::DateTime, false},
        {"msctls_statusbar32", 0x100, K::StatusBar, false},
    };
    for (const Case& c : cases) {
        TSkinnerChoice got = ChooseForWindow(c.cls, c.style);
        EXPECT_EQ(c.kind, got.Kind) << c.cls << " style 0x" << std::hex << c.style;
        EXPECT_EQ(c.contained, got.SkinContained) << c.cls << " style 0x" << std::hex << c.style;
    }
}

TEST(SkinnerKindTest, ButtonFamiliesEachBehindTheirOwnSwitch) {
    struct Case {
        TControlFacts facts;
        uint32_t set;
        K kind;
    };
    auto without = [](int member) { return kAll & ~SetBit(member); };
    auto bit = [](TControlFacts& f) {
        f.IsPushButton = true;
        f.IsBitButton = true;
    };
    auto menu = [](TControlFacts& f) {
        f.IsPushButton = true;
        f.IsMenuButton = true;
    };
    const Case cases[] = {
        // Glyph and menu buttons are push buttons, but their own rules come first.
        {Facts("TBitBtn", bit), kAll, K::BitButton},
        {Facts("TMyBitBtn", bit), kAll, K::BitButton},
        {Facts("TBitBtn", bit), without(xcButton), K::None},
        {Facts("TMenuButton", menu), kAll, K::MenuButton},
        {Facts("TMenuButton", menu), without(xcButton), K::None},
        {Facts("tbitbtn"), kAll, K::BitButton},  // by name alone
        {Facts("TCheckBox", [](TControlFacts& f) { f.IsCheckBox = true; }), kAll, K::CheckBox},
        {Facts("TCheckBox", [](TControlFacts& f) { f.IsCheckBox = true; }), without(xcCheckBox), K::None},
        {Facts("TRadioButton", [](TControlFacts& f) { f.IsRadioButton = true; }), kAll, K::RadioButton},
        {Facts("TRadioButton", [](TControlFacts& f) { f.IsRadioButton = true; }), without(xcRadioButton), K::None},
        // A check box switch does not reach radio buttons, nor the other way round.
        {Facts("TRadioButton", [](TControlFacts& f) { f.IsRadioButton = true; }), without(xcCheckBox), K::RadioButton},
        // A speed button has no window: the windowed rules never give it a skinner.
        {Facts("TSpeedButton", [](TControlFacts& f) { f.IsSpeedButton = true; }), kAll, K::None},
    };
    for (const Case& c : cases) EXPECT_EQ(c.kind, ChooseForControl(c.facts, c.set, false).Kind) << c.facts.ClassName;

    struct Windowless {
        const char* name;
        bool speed;
        const char* mapped;
        uint32_t set;
        K kind;
    };
    const Windowless windowless[] = {
        {"TSpeedButton", true, "", kAll, K::SpeedButton},
        {"TToolSpeed", true, "", kAll, K::SpeedButton},
        {"tspeedbutton", false, "", kAll, K::SpeedButton},
        {"TSpeedButton", true, "", without(xcSpeedButton), K::None},
        {"TLabel", false, "", kAll, K::None},
        // A mapped word decides; only the speed button's skinner can paint without a window.
        {"TOtherTool", false, "speedbutton", kAll, K::SpeedButton},
        {"TSpeedButton", true, "button", kAll, K::None},
        {"TSpeedButton", true, "nil", kAll, K::None},
    };
    for (const Windowless& w : windowless) {
        TControlFacts f = Facts(w.name);
        f.IsSpeedButton = w.speed;
        EXPECT_EQ(w.kind, ChooseForWindowless(f, w.mapped, w.set).Kind) << w.name << " " << w.mapped;
    }
    EXPECT_EQ(K::BitButton, ChooseForSkin3rd("bitbtn", kAll, false).Kind);
    EXPECT_EQ(K::MenuButton, ChooseForSkin3rd("menubtn", kAll, false).Kind);
    EXPECT_EQ(K::SpeedButton, ChooseForSkin3rd("speedbutton", kAll, false).Kind);
    EXPECT_EQ(K::None, ChooseForSkin3rd("speedbutton", without(xcSpeedButton), false).Kind);
}

TEST(SkinnerKindTest, RadioGroupsAndGlyphStripButtons) {
    auto without = [](int member) { return kAll & ~SetBit(member); };
    const struct {
        TControlFacts facts;
        uint32_t set;
        K kind;
        int objKind;
        bool recolour;
    } cases[] = {
        // Our radio group is a group box too, but takes the radio groups' rule.
        {Facts("TRadioGroup",
               [](TControlFacts& f) {
                   f.IsGroupBox = true;
                   f.IsRadioGroup = true;
               }),
         kAll, K::RadioGroup, 0, true},
        {Facts("TMyRadioGroup",
               [](TControlFacts& f) {
                   f.IsGroupBox = true;
                   f.IsRadioGroup = true;
               }),
         without(xcGroupBox), K::None, 0, false},
        {Facts("tradiogroup"), kAll, K::RadioGroup, 0, true},
        // Buttons of other families that take a strip: each kind behind its own switch.
        {Facts("TRzCheckBox"), kAll, K::ObjImage, 1, true},
        {Facts("TRZDBCHECKBOX"), kAll, K::ObjImage, 1, true},
        {Facts("TRzCheckBox"), without(xcCheckBox), K::None, 0, false},
        {Facts("TRzRadioButton"), kAll, K::ObjImage, 2, true},
        {Facts("TRzDBRadioButton"), without(xcRadioButton), K::None, 0, false},
        {Facts("TcxCheckBox"), kAll, K::ObjImage, 3, true},
        {Facts("TcxDBCheckBox"), kAll, K::ObjImage, 3, true},
        // Ours takes the 9-cell strip, though it is a check box of the framework too.
        {Facts("TGlyphCheckBox", [](TControlFacts& f) { f.IsCheckBox = true; }), kAll, K::ObjImage, 1, true},
        {Facts("TGlyphCheckBox", [](TControlFacts& f) { f.IsCheckBox = true; }), without(xcCheckBox), K::None, 0,
         false},
    };
    for (const auto& c : cases) {
        const TSkinnerChoice got = ChooseForControl(c.facts, c.set, false);
        EXPECT_EQ(c.kind, got.Kind) << c.facts.ClassName;
        EXPECT_EQ(c.objKind, got.ObjKind) << c.facts.ClassName;
        EXPECT_EQ(c.recolour, got.Recolour) << c.facts.ClassName;
    }
    EXPECT_EQ(K::RadioGroup, ChooseForSkin3rd("RadioGroup", kAll, false).Kind);
    EXPECT_EQ(K::None, ChooseForSkin3rd("radiogroup", without(xcGroupBox), false).Kind);
    EXPECT_TRUE(ChooseForSkin3rd("radiogroup", without(xcGroupBox), false).Decided);
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
