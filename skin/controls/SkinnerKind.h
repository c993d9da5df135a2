// Which control skinner a child control gets: the rules for framework controls (by class and
// kind), for Skin3rd map entries and for bare windows (by window class and style). Pure
// decisions, so they are tested without windows.
#pragma once

#include <cstdint>
#include <string>

namespace tw {

enum class TSkinnerKind {
    None,  // stays unskinned
    Button,
    GroupBox,
    Progress,
    CheckBox,
    RadioButton,
    Combo,
    Edit,
    ListView,
    Scrollbar,
    Box,  // panels, inner forms, bare inner dialogs
    UpDown,
    Tab,
    TabSheet,  // a page of a page control
    Sizer,
    ScControl,  // a scroll bar control: one panel over the whole control
    TrackBar,
    DateTime,
    StatusBar,
    BitButton,    // a push button with a glyph
    MenuButton,   // a push button that drops a menu
    SpeedButton,  // a windowless tool button, painted in its parent's paint
    TabButtons,   // a tab control whose tabs are buttons
    Header,       // a stand-alone header
    TabSet,       // a self-drawn tab set with its tabs at the bottom
    AdvPage,      // a page control that takes its tab backgrounds as bitmaps
    RadioGroup,   // a frame of radio buttons: each button skinned, then the frame as a group box
    ObjImage,     // a check or radio button that takes a glyph strip built from the skin's
    MediaPlayer,  // a media player's buttons, covered by a skinned panel
    Other,        // a kind of skinner this program has no use for (tabs of other families...)
};

// What the framework tells of one control: its class name and which family it belongs to.
struct TControlFacts {
    std::string ClassName;  // as the class calls itself, any case
    bool IsGroupBox = false, IsProgressBar = false, IsComboBox = false, IsListView = false;
    bool IsPushButton = false, IsEdit = false, IsPanel = false, IsForm = false;
    bool HasScrollStyle = false;  // WS_HSCROLL or WS_VSCROLL
    bool IsCheckBox = false, IsRadioButton = false;
    bool IsBitButton = false, IsMenuButton = false, IsSpeedButton = false;
    bool TabButtons = false;  // a tab control with TCS_BUTTONS
    bool IsRadioGroup = false;
};

// The decision for one control: the skinner, and whether its children are dispatched too (a
// container's children are reached here and not only through the tab order).
struct TSkinnerChoice {
    TSkinnerKind Kind = TSkinnerKind::None;
    bool SkinContained = false;  // dispatch the control's own children first
    bool Recolour = false;       // the control's colour follows the skin face while skinned
    bool Decided = false;        // a rule matched (also when it gave no skinner)
    int ObjKind = 0;             // for ObjImage: which strip the control takes (1 to 3)
};

// The class rules for a framework control; skinControls is the skin's set of TSkinControlType
// bits, hasTabs whether the skin has a Tabs object.
TSkinnerChoice ChooseForControl(const TControlFacts& facts, uint32_t skinControls, bool hasTabs);

// What a Skin3rd value (lower case) gives; Decided is always true for a value that came from
// the map, whatever it gives.
TSkinnerChoice ChooseForSkin3rd(const std::string& value, uint32_t skinControls, bool hasTabs);

// The rule for a windowless control (it has no window, so only a skinner that paints it in its
// parent's paint can serve it); mapped is its Skin3rd value (lower case) or empty.
TSkinnerChoice ChooseForWindowless(const TControlFacts& facts, const std::string& mapped, uint32_t skinControls);

// The rules for a bare child window: its class name (any case) and style.
TSkinnerChoice ChooseForWindow(const std::string& className, uint32_t style);

}  // namespace tw
