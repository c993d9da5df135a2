// TSkinData: the skin component. Holds one skin archive, parses it into skin objects and
// colours, carries the switches that say what is skinned, and starts and stops skinning
// through the skin manager above it, which it knows only as its TSkinDataHost.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Component.h"
#include "framework/core/MemoryStream.h"
#include "framework/core/StringList.h"
#include "skin/data/Bitmap.h"
#include "skin/data/SkinObjects.h"

namespace tw {

class TSkinStore;
class TQuickIni;
class TSkinReader;
class TSkinDataPlatform;

// Kinds of menus and controls that can be skinned; bit n of a TSkinControlTypes is element n.
enum TSkinControlType {
    xcMainMenu,
    xcPopupMenu,
    xcMenuItem,
    xcToolbar,
    xcControlbar,
    xcCombo,
    xcCheckBox,
    xcRadioButton,
    xcProgress,
    xcScrollbar,
    xcEdit,
    xcButton,
    xcBitBtn,
    xcSpeedButton,
    xcSpin,
    xcPanel,
    xcGroupBox,
    xcStatusBar,
    xcTab,
    xcTrackBar,
    xcSystemMenu,
    xcFastReport
};
using TSkinControlTypes = uint32_t;

enum TSkinOption {
    xoMDIScrollbar,
    xoMenuMerge,
    xoTransparent,
    xoPreview,
    xoParentBackGround,
    xoNoFocusRect,
    xoToolbarBK,
    xoMDIChildBorder,
    xoMenuBG,
    xoFormScrollbar
};
using TSkinOptions = uint32_t;

constexpr uint32_t SetBit(int element) { return 1u << element; }
constexpr bool InSet(uint32_t set, int element) { return (set & SetBit(element)) != 0; }

constexpr TSkinControlTypes kDefaultSkinControls = 0x1FFFFB;
constexpr TSkinOptions kDefaultSkinOptions = 0x48;

enum TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

using TOnFormSkin = std::function<void(TObject* sender, const std::string& aName, bool& doSkin)>;
using TSkinNotifyEvent = TNotifyEvent;
using TOnSkinControl =
    std::function<void(TComponent* sender, class TSkinData* skinData, TObject* form, TObject* control,
                       const std::string& controlClass, TComponent*& skinnedControl)>;
using TOnSkinForm = std::function<void(TObject* sender, void* ahwnd, const std::string& aName)>;

// The named colours of section "Colours".
struct TSkinColours {
    TColor WindowText = 0, ButtonFace = 0, Scrollbar = 0, HilightText = 0, Hilight = 0, Menubar = 0, Menu = 0,
           MenuText = 0, ButtonText = 0, ButtonHilight = 0, Buttonlight = 0, ButtonShadow = 0, ButtonDkShadow = 0,
           MenuBarText = 0, TitleTextActive = 0, TitleTextNoActive = 0;
};

class TSkinData : public TComponent {
    TW_CLASS_INFO()
public:
    explicit TSkinData(TComponent* owner);
    ~TSkinData() override;

    // Published properties.
    bool Active() const { return active_; }
    void SetActive(bool value);
    int DisableTag = 99;
    TSkinControlTypes SkinControls = kDefaultSkinControls;
    TSkinOptions Options = kDefaultSkinOptions;
    const TStringList& Skin3rd() const { return skin3rd_; }
    void SetSkin3rd(const TStringList& lines) { skin3rd_ = lines; }
    const std::string& SkinFile() const { return skinFile_; }
    void SetSkinFile(const std::string& path);
    // Display only: "(none)" at run time; at design time "(Good)" while a skin is held.
    std::string SkinStore() const;
    TSkinFormType SkinFormtype = sfMainform;
    std::string Version() const { return "4.11.07.25"; }
    bool MenuUpdate = true;
    bool MenuMerge = false;
    TOnFormSkin OnFormSkin;
    TSkinNotifyEvent OnSkinChanged;
    TOnSkinControl OnSkinControl;
    TOnSkinForm OnBeforeSkinForm, OnAfterSkinForm;

    // The stored skin bytes: a 32-bit little-endian length, then the bytes.
    void WriteSkinStream(TMemoryStream& target) const;
    // Reads the stored form; a length running past the end of source throws tw::Exception and
    // keeps the current skin. At run time a skin read this way is parsed (activation follows
    // from Loaded).
    void ReadSkinStream(TMemoryStream& source);

    // Loads item `index` of a skin store; nothing when index is not below the item count,
    // EListError for a negative index.
    void LoadFromStore(TSkinStore* store, int index);
    // Parses the held archive into the skin objects; false (previous objects kept, FNoSkin set)
    // when the reader refuses it.
    bool ParseSkin();
    // Hands the parsed skin to the manager and asks for a skin change once it is active.
    void ApplySkin();
    void Loaded() override;
    // Asked for every candidate top-level window; doSkin comes in true.
    void DoFormSkin(void* window, const std::string& className, bool& doSkin);
    void DoSkinChanged();
    // Skinner kind that Skin3rd maps a control class to (lower case), or empty.
    std::string LookupSkin3rd(const std::string& className) const;
    // The window DoFormSkin was last asked about.
    void* FormSkinWindow() const { return formSkinWindow_; }

    // Raw skin archive bytes.
    TMemoryStream FSkinBuffer;
    bool FNoSkin = true;
    std::string FSkinName;

    // Skin objects. The six fixed ones always exist; Toolbar, ComboxArrow, Track and TrackVert
    // exist after the first parse; the others only when the skin gives them.
    std::unique_ptr<TDataSkinButton> Buttons;
    std::unique_ptr<TDataSkinTitle> Title;
    std::unique_ptr<TDataSkinBorder> Left, Right, Top, Bottom;
    std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;
    std::unique_ptr<TDataSkinObject> MenuBar;
    std::unique_ptr<TDataSkinBorder> Progress;
    std::unique_ptr<TDataSkinObject> ProgressChunk, GroupBoxEdge;
    std::unique_ptr<TDataSkinBoxLabel> GroupBox;
    std::unique_ptr<TDataSkinBorder> Tabs;
    std::unique_ptr<TDataSkinObject> StatusBarEdges, TabPane, ToolBars;
    std::unique_ptr<TDataSkinBorder> ComboButton;
    std::unique_ptr<TDataSkinObject> SunkEdge, ExtraImages, Headerbar, MenuItem, MenuBackground, Scrollbar;
    std::unique_ptr<TDataSkinObject> HorzScroll, VertScroll, HorzScrollThumb, VertScrollThumb;
    std::unique_ptr<TDataSkinObject> TrackbarThumbHorz, TrackbarThumbVert, TrackbarThumbLeft, TrackbarThumbRight,
        TrackbarThumbUp, TrackbarThumbDown;
    std::unique_ptr<TDataSkinBorder> UpDownHorz, UpDownVert;
    std::unique_ptr<TDataSkinObject> Track, TrackVert;
    std::unique_ptr<TDataSkinObject> Toolbar, ComboxArrow;

    // Skin colours (0xFF0000nn: system colour nn, resolved when drawn).
    TSkinColours Colours;
    std::vector<TColor> FExtraColours;
    std::array<TColor, 10> FCustomColors{};
    TColor TitleSample = 0;

    // The four menu glyphs (restore, maximise, minimise, close; 16 x 16 each, white = mask).
    const TBitmap& MenuGlyphBitmap() const { return menuGlyphs_; }
    // Application small icon on magenta; empty when the program has none.
    TBitmap FAppIcon;
    int FMaxWidth = 0, FMaxHeight = 0;
    // Win32 handles (HIMAGELIST, HFONT, HBRUSH) or null where there is no GDI.
    void* FMenuGlyphs() const;
    void* FCaptionFont() const;
    void* FFaceBrush() const;

private:
    friend class TSkinSchemaReader;
    void BuildDerivedImages();
    void BuildSunkenComboStrip();
    void BuildComboxArrow();
    void BuildToolbarBackground();
    void TakeTitleSample();

    bool active_ = false;
    TStringList skin3rd_;
    std::string skinFile_;
    TBitmap menuGlyphs_;
    void* formSkinWindow_ = nullptr;
    std::unique_ptr<TSkinDataPlatform> platform_;
};

// The 117 stock lines of Skin3rd.
TStringList DefaultSkin3rd();

}  // namespace tw
