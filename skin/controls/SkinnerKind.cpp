#include "skin/controls/SkinnerKind.h"

#include <algorithm>
#include <cctype>

#include "skin/data/SkinData.h"

namespace tw {

namespace {

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

TSkinnerChoice Gives(TSkinnerKind kind, bool contained = false, bool recolour = false) {
    TSkinnerChoice c;
    c.Kind = kind;
    c.SkinContained = contained;
    c.Recolour = recolour;
    c.Decided = true;
    return c;
}

// Style bits the bare-window rules read (the values of the system headers).
constexpr uint32_t kTabStop = 0x00010000;
constexpr uint32_t kButtonBitmap = 0x00000080;
constexpr uint32_t kComboSimple = 0x0001;
constexpr uint32_t kComboTypeMask = 0x0003;
constexpr uint32_t kTabOwnerDrawFixed = 0x2000;
constexpr uint32_t kScrollSizeBox = 0x0008;  // SBS_SIZEBOX; SBS_SIZEGRIP (0x10) is always with it
constexpr uint32_t kScrollSizeGrip = 0x0010;
constexpr uint32_t kTabButtons = 0x0100;

}  // namespace

TSkinnerChoice ChooseForControl(const TControlFacts& f, uint32_t set, bool hasTabs) {
    const std::string name = Upper(f.ClassName);
    auto in = [set](int member) { return InSet(set, member); };
    if (name == "TTABSET" && in(xcTab) && hasTabs) return Gives(TSkinnerKind::TabSet);
    if (name == "TTABBEDNOTEBOOK" && in(xcTab) && hasTabs) return Gives(TSkinnerKind::Tab);
    // Our page control that is handed its tab backgrounds, as the Skin3rd word would have it.
    if (name == "TBACKDROPPAGECONTROL") return ChooseForSkin3rd("advpagecontrol", set, hasTabs);
    auto objImage = [](int kind) {
        TSkinnerChoice c = Gives(TSkinnerKind::ObjImage, false, true);
        c.ObjKind = kind;
        return c;
    };
    // Check and radio buttons of other families that take their glyphs as a strip.
    if ((name == "TRZDBCHECKBOX" || name == "TRZCHECKBOX") && in(xcCheckBox)) return objImage(1);
    if ((name == "TRZRADIOBUTTON" || name == "TRZDBRADIOBUTTON") && in(xcRadioButton)) return objImage(2);
    if ((name == "TCXDBCHECKBOX" || name == "TCXCHECKBOX") && in(xcCheckBox)) return objImage(3);
    // Our own check box that draws itself from a 9-cell strip it is handed.
    if (name == "TGLYPHCHECKBOX" && in(xcCheckBox)) return objImage(1);
    // Our own tab and page controls and their pages.
    if (name == "TTABCONTROL" && f.TabButtons && in(xcTab) && hasTabs) return Gives(TSkinnerKind::TabButtons);
    if ((name == "TTABCONTROL" || name == "TPAGECONTROL") && in(xcTab) && hasTabs) return Gives(TSkinnerKind::Tab);
    // Our stand-alone header, drawn as a list's header is.
    if (name == "THEADERCONTROL" && in(xcPanel)) return Gives(TSkinnerKind::Header);
    if (name == "TTABSHEET" && in(xcTab) && hasTabs) return Gives(TSkinnerKind::TabSheet);
    if (name == "TMVCPANEL") return Gives(TSkinnerKind::None, true);
    if ((name == "TUPDOWN" || name == "TSPINBUTTON") && in(xcSpin)) return Gives(TSkinnerKind::UpDown);
    if (name == "TMEDIAPLAYER" && in(xcButton)) return Gives(TSkinnerKind::MediaPlayer);
    // Our own scroll bar control and track bar, and the scrolled memo and list box.
    if (name == "TSCROLLBAR" && in(xcScrollbar)) return Gives(TSkinnerKind::ScControl);
    if (name == "TTRACKBAR" && in(xcTrackBar)) return Gives(TSkinnerKind::TrackBar);
    if ((name == "TMEMO" || name == "TLISTBOX") && in(xcScrollbar)) return Gives(TSkinnerKind::Scrollbar);
    // A spin edit is an edit whose arrows are a child of its own, reached through the edit.
    if (name == "TSPINEDIT" && in(xcEdit)) return Gives(TSkinnerKind::Edit, true);
    if (name == "TDATETIMEPICKER" && in(xcCombo)) return Gives(TSkinnerKind::DateTime);
    if (name == "TSTATUSBAR" && in(xcStatusBar)) return Gives(TSkinnerKind::StatusBar);
    // Our own radio group takes the rule of the radio groups the skin's map names.
    if (f.IsRadioGroup || name == "TRADIOGROUP") return ChooseForSkin3rd("radiogroup", set, hasTabs);
    if (f.IsGroupBox && in(xcPanel)) return Gives(TSkinnerKind::GroupBox, true);
    if (f.IsProgressBar && in(xcProgress)) return Gives(TSkinnerKind::Progress);
    if (f.IsComboBox && in(xcCombo)) return Gives(TSkinnerKind::Combo);
    if (name == "TRICHEDIT" && in(xcScrollbar)) return Gives(TSkinnerKind::Scrollbar);
    if (f.IsPanel && in(xcPanel)) return Gives(TSkinnerKind::Box, true, true);
    if (f.IsListView && in(xcScrollbar)) return Gives(TSkinnerKind::ListView);
    if (in(xcScrollbar) && f.HasScrollStyle) return Gives(TSkinnerKind::Scrollbar);
    // Our own glyph and menu buttons are push buttons too: they come first.
    if ((f.IsMenuButton || name == "TMENUBUTTON") && in(xcButton)) return Gives(TSkinnerKind::MenuButton);
    if ((f.IsBitButton || name == "TBITBTN") && in(xcButton)) return Gives(TSkinnerKind::BitButton);
    if (f.IsPushButton && in(xcButton)) return Gives(TSkinnerKind::Button);
    if (f.IsCheckBox && in(xcCheckBox)) return Gives(TSkinnerKind::CheckBox);
    if (f.IsRadioButton && in(xcRadioButton)) return Gives(TSkinnerKind::RadioButton);
    if (f.IsEdit && in(xcEdit)) return Gives(TSkinnerKind::Edit);
    if (f.IsForm) return Gives(TSkinnerKind::Box, true, true);
    return TSkinnerChoice{};
}

TSkinnerChoice ChooseForSkin3rd(const std::string& rawValue, uint32_t set, bool hasTabs) {
    const std::string value = Lower(rawValue);
    auto when = [set](int member, TSkinnerKind kind, bool contained = false, bool recolour = false) {
        return InSet(set, member) ? Gives(kind, contained, recolour) : Gives(TSkinnerKind::None);
    };
    if (value == "combobox" || value == "datetimepicker") return when(xcCombo, TSkinnerKind::Combo);
    if (value == "edit") return when(xcEdit, TSkinnerKind::Edit);
    if (value == "radiobutton") return when(xcRadioButton, TSkinnerKind::RadioButton);
    if (value == "checkbox") return when(xcCheckBox, TSkinnerKind::CheckBox);
    if (value == "panel") return when(xcPanel, TSkinnerKind::Box, false, true);
    if (value == "button") return when(xcButton, TSkinnerKind::Button);
    if (value == "progress") return when(xcProgress, TSkinnerKind::Progress);
    if (value == "scrollbar") return when(xcScrollbar, TSkinnerKind::Scrollbar, true);
    if (value == "singlescrollbar") return when(xcScrollbar, TSkinnerKind::Scrollbar);
    if (value == "groupbox") return when(xcGroupBox, TSkinnerKind::GroupBox, false, true);
    if (value == "container") return Gives(TSkinnerKind::None, true);
    if (value == "tab") return hasTabs ? when(xcTab, TSkinnerKind::Tab) : Gives(TSkinnerKind::None);
    if (value == "trackbar") return when(xcButton, TSkinnerKind::TrackBar);
    if (value == "bitbtn") return when(xcButton, TSkinnerKind::BitButton);
    if (value == "menubtn") return when(xcButton, TSkinnerKind::MenuButton);
    if (value == "mediaplayer") return when(xcButton, TSkinnerKind::MediaPlayer);
    if (value == "pngbitbtn") return when(xcButton, TSkinnerKind::Other);
    if (value == "speedbutton") return when(xcSpeedButton, TSkinnerKind::SpeedButton);
    if (value == "advpagecontrol") return when(xcTab, TSkinnerKind::AdvPage, false, true);
    if (value == "radiogroup") return when(xcGroupBox, TSkinnerKind::RadioGroup, false, true);
    if (value == "checkgroup" || value == "embedscrollbar") return Gives(TSkinnerKind::Other);
    return Gives(TSkinnerKind::None);  // "nil" and any word not known
}

TSkinnerChoice ChooseForWindowless(const TControlFacts& f, const std::string& mapped, uint32_t set) {
    if (!mapped.empty()) {
        const TSkinnerChoice choice = ChooseForSkin3rd(mapped, set, false);
        // Only the speed button's skinner paints without a window of its own.
        return choice.Kind == TSkinnerKind::SpeedButton ? choice : Gives(TSkinnerKind::None);
    }
    if ((f.IsSpeedButton || Upper(f.ClassName) == "TSPEEDBUTTON") && InSet(set, xcSpeedButton))
        return Gives(TSkinnerKind::SpeedButton);
    return TSkinnerChoice{};
}

TSkinnerChoice ChooseForWindow(const std::string& className, uint32_t style) {
    const std::string cls = Lower(className);
    const bool tabStop = (style & kTabStop) != 0;
    if (cls == "button") {
        const uint32_t type = style & 15;
        if (type == 11 || type == 15) return Gives(TSkinnerKind::None);  // owner-drawn
        if (type == 7 || (style & kButtonBitmap)) return Gives(TSkinnerKind::None);
        if (type == 2 || type == 3 || type == 5 || type == 6 || type == 10) return Gives(TSkinnerKind::CheckBox);
        if (type == 4 || type == 9 || type == 12 || type == 13) return Gives(TSkinnerKind::RadioButton);
        return Gives(TSkinnerKind::Button);
    }
    if (cls == "combobox") {
        if ((style & kComboTypeMask) == kComboSimple) return Gives(TSkinnerKind::None);
        return Gives(TSkinnerKind::Combo);
    }
    if (cls == "comboboxex32") return Gives(TSkinnerKind::Combo);
    if (cls == "scrollbar")
        return (style & (kScrollSizeBox | kScrollSizeGrip)) ? Gives(TSkinnerKind::Sizer)
                                                            : Gives(TSkinnerKind::ScControl);
    if (cls == "msctls_trackbar32") return Gives(TSkinnerKind::TrackBar);
    if (cls == "#32770") return tabStop ? Gives(TSkinnerKind::None) : Gives(TSkinnerKind::Box, true);
    if (cls == "tpanel" || cls == "ttntpanel.unicodeclass" || cls == "ttntsilentpaintpanel.unicodeclass")
        return Gives(TSkinnerKind::None, true, true);
    if (cls == "tsilentpaintpanel") return Gives(TSkinnerKind::None, false, true);
    if (cls == "tcheckbox") return Gives(TSkinnerKind::CheckBox);
    if (cls == "tcombobox") return Gives(TSkinnerKind::Combo);
    if (cls == "tbutton") return Gives(TSkinnerKind::Button);
    if (cls == "tprogressbar") return Gives(TSkinnerKind::Progress);
    if (cls == "systabcontrol32") {
        if (style & kTabOwnerDrawFixed) return Gives(TSkinnerKind::None);
        return (style & kTabButtons) ? Gives(TSkinnerKind::TabButtons) : Gives(TSkinnerKind::Tab);
    }
    // A header met as a child of a bare window is not a list's (those are skinned with the list).
    if (cls == "sysheader32") return Gives(TSkinnerKind::Header);
    if (cls == "edit") return Gives(TSkinnerKind::Edit);
    if (cls == "msctls_updown32") return Gives(TSkinnerKind::UpDown);
    if (cls == "sysdatetimepick32") return Gives(TSkinnerKind::DateTime);
    if (cls == "msctls_statusbar32") return Gives(TSkinnerKind::StatusBar);
    return Gives(TSkinnerKind::None);
}

}  // namespace tw
