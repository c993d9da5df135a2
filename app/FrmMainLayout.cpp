// TFrmMain's stored values: the form, every control as one row of a table, and the components.
#include <variant>

#include "app/FrmMain.h"
#include "app/MainFormSkin.h"
#include "app/SourceFilter.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinCaption.h"
#include "skin/package/SkinStore.h"

namespace tw {

namespace {

// The contact address shown in the caption and at the bottom of the window.
constexpr wchar_t kContact[] = L"support@tarnwick.example";
constexpr int kGb2312Charset = 134;
constexpr int kClientWidth = 538;
constexpr int kClientHeight = 433;

// The parent of a row that sits on the form itself.
constexpr const char* kForm = nullptr;

// Left, top, width and height in the parent's client area. A label sizes itself to its
// caption, so only its left and top count.
struct TPlace {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

template <class T>
using TSlot = T* TFrmMain::*;

// The member that keeps a row's control; its type is the kind of control the row makes.
using TControlSlot = std::variant<TSlot<TWebBrowser>, TSlot<TGroupBox>, TSlot<TLabel>, TSlot<TProgressBar>,
                                  TSlot<TPanel>, TSlot<TListView>, TSlot<TButton>, TSlot<TComboBox>, TSlot<TEdit>>;

using TClickHandler = void (TFrmMain::*)(TObject*);
using TListDataHandler = void (TFrmMain::*)(TObject*, TListItem&);
using TDropFilesHandler = void (TFrmMain::*)(TObject*, const std::vector<std::wstring>&);
using TItemHandler = void (TFrmMain::*)(TObject*, int);

// One control of the main window as it is stored on the form. The options after the caption
// are read only by the kinds that have them; the named setters below say which.
struct TControlSpec {
    TControlSpec(TControlSlot slot, const char* name, const char* parent, TPlace place, std::wstring caption = {})
        : Slot(slot), Name(name), Parent(parent), Place(place), Caption(std::move(caption)) {}

    TControlSlot Slot;
    const char* Name;
    const char* Parent;  // the name of a control of an earlier row, or kForm
    TPlace Place;
    std::wstring Caption;

    std::wstring Tagline;              // banner: the line under the headline
    std::vector<std::wstring> Items;   // drop-down list: its choices
    std::vector<TListColumn> Columns;  // list view: its report columns
    bool Hidden = false;
    bool ReadOnly = false;
    bool GridLines = false, RowSelect = false, OwnerData = false, AcceptFiles = false;
    TViewStyle ViewStyle = TViewStyle::vsIcon;
    TBorderStyle BorderStyle = TBorderStyle::bsSingle;
    TBevelCut BevelOuter = TBevelCut::bvRaised;
    int RightEdge = -1;  // label: where its right edge sits, its left then follows the caption
    TClickHandler OnClick = nullptr;
    TListDataHandler OnData = nullptr;
    TDropFilesHandler OnDropFiles = nullptr;
    TItemHandler OnDblClick = nullptr;

    TControlSpec& Hide() {
        Hidden = true;
        return *this;
    }
    TControlSpec& MakeReadOnly() {
        ReadOnly = true;
        return *this;
    }
    TControlSpec& EndingAt(int right) {
        RightEdge = right;
        return *this;
    }
    TControlSpec& Bevel(TBevelCut outer) {
        BevelOuter = outer;
        return *this;
    }
    TControlSpec& View(TViewStyle style) {
        ViewStyle = style;
        return *this;
    }
    TControlSpec& Border(TBorderStyle style) {
        BorderStyle = style;
        return *this;
    }
    TControlSpec& WithGridLines() {
        GridLines = true;
        return *this;
    }
    TControlSpec& WithRowSelect() {
        RowSelect = true;
        return *this;
    }
    // An owner-data list asks the form for each row it shows.
    TControlSpec& WithOwnerData(TListDataHandler handler) {
        OwnerData = true;
        OnData = handler;
        return *this;
    }
    TControlSpec& WithDroppedFiles(TDropFilesHandler handler) {
        AcceptFiles = true;
        OnDropFiles = handler;
        return *this;
    }
    TControlSpec& WithDoubleClick(TItemHandler handler) {
        OnDblClick = handler;
        return *this;
    }
};

// Named constructors, one per kind: each takes what every control of its kind has.
TControlSpec Banner(TSlot<TWebBrowser> slot, const char* name, const char* parent, TPlace place, std::wstring headline,
                    std::wstring tagline) {
    TControlSpec row{slot, name, parent, place, std::move(headline)};
    row.Tagline = std::move(tagline);
    return row;
}
TControlSpec Group(TSlot<TGroupBox> slot, const char* name, const char* parent, TPlace place, std::wstring caption) {
    return {slot, name, parent, place, std::move(caption)};
}
TControlSpec Label(TSlot<TLabel> slot, const char* name, const char* parent, TPlace place, std::wstring caption) {
    return {slot, name, parent, place, std::move(caption)};
}
TControlSpec Progress(TSlot<TProgressBar> slot, const char* name, const char* parent, TPlace place) {
    return {slot, name, parent, place};
}
TControlSpec Panel(TSlot<TPanel> slot, const char* name, const char* parent, TPlace place) {
    return {slot, name, parent, place};
}
TControlSpec List(TSlot<TListView> slot, const char* name, const char* parent, TPlace place,
                  std::vector<TListColumn> columns) {
    TControlSpec row{slot, name, parent, place};
    row.Columns = std::move(columns);
    return row;
}
TControlSpec Button(TSlot<TButton> slot, const char* name, const char* parent, TPlace place, std::wstring caption,
                    TClickHandler onClick) {
    TControlSpec row{slot, name, parent, place, std::move(caption)};
    row.OnClick = onClick;
    return row;
}
TControlSpec DropDownList(TSlot<TComboBox> slot, const char* name, const char* parent, TPlace place,
                          std::vector<std::wstring> items) {
    TControlSpec row{slot, name, parent, place};
    row.Items = std::move(items);
    return row;
}
TControlSpec Edit(TSlot<TEdit> slot, const char* name, const char* parent, TPlace place) {
    return {slot, name, parent, place};
}

void SetPlace(TControl& control, const TPlace& p) { control.SetBounds(p.Left, p.Top, p.Width, p.Height); }

// What each kind takes from its row, in the order the form has always set it.
void Apply(TFrmMain&, TWebBrowser& c, const TControlSpec& s) {
    SetPlace(c, s.Place);
    c.SetBannerText(s.Caption, s.Tagline);
}
void Apply(TFrmMain&, TGroupBox& c, const TControlSpec& s) {
    SetPlace(c, s.Place);
    c.SetCaption(s.Caption);
    if (s.Hidden) c.SetVisible(false);
}
void Apply(TFrmMain&, TLabel& c, const TControlSpec& s) {
    c.SetLeft(s.Place.Left);
    c.SetTop(s.Place.Top);
    c.SetCaption(s.Caption);
    if (s.RightEdge >= 0) c.SetLeft(s.RightEdge - c.Width());
}
void Apply(TFrmMain&, TProgressBar& c, const TControlSpec& s) { SetPlace(c, s.Place); }
void Apply(TFrmMain&, TPanel& c, const TControlSpec& s) {
    c.SetBevelOuter(s.BevelOuter);
    SetPlace(c, s.Place);
}
void Apply(TFrmMain& form, TListView& c, const TControlSpec& s) {
    SetPlace(c, s.Place);
    c.SetViewStyle(s.ViewStyle);
    c.SetBorderStyle(s.BorderStyle);
    c.SetGridLines(s.GridLines);
    c.SetRowSelect(s.RowSelect);
    c.SetReadOnly(s.ReadOnly);
    c.SetOwnerData(s.OwnerData);
    c.SetAcceptFiles(s.AcceptFiles);
    c.SetColumns(s.Columns);
    if (TListDataHandler handler = s.OnData)
        c.OnData = [&form, handler](TObject* sender, TListItem& item) { (form.*handler)(sender, item); };
    if (TDropFilesHandler handler = s.OnDropFiles)
        c.OnDropFiles = [&form, handler](TObject* sender, const std::vector<std::wstring>& files) {
            (form.*handler)(sender, files);
        };
    if (TItemHandler handler = s.OnDblClick)
        c.OnDblClick = [&form, handler](TObject* sender, int index) { (form.*handler)(sender, index); };
}
void Apply(TFrmMain& form, TButton& c, const TControlSpec& s) {
    SetPlace(c, s.Place);
    c.SetCaption(s.Caption);
    if (TClickHandler handler = s.OnClick) c.OnClick = [&form, handler](TObject* sender) { (form.*handler)(sender); };
}
void Apply(TFrmMain&, TComboBox& c, const TControlSpec& s) {
    c.SetStyle(TComboBoxStyle::csDropDownList);
    SetPlace(c, s.Place);
    c.SetItems(s.Items);
}
void Apply(TFrmMain&, TEdit& c, const TControlSpec& s) {
    c.SetReadOnly(s.ReadOnly);
    SetPlace(c, s.Place);
}

TWinControl* ParentOf(TFrmMain& form, const TControlSpec& row) {
    if (row.Parent == kForm) return &form;
    auto* parent = dynamic_cast<TWinControl*>(form.FindComponent(row.Parent));
    if (!parent) throw Exception(std::string("No parent control ") + row.Parent + " for " + row.Name);
    return parent;
}

template <class T>
void Build(TFrmMain& form, TSlot<T> slot, const TControlSpec& row) {
    auto* control = new T(&form);
    control->SetName(row.Name);
    control->SetParent(ParentOf(form, row));
    Apply(form, *control, row);
    form.*slot = control;
}

}  // namespace

void TFrmMain::BuildControls() {
    SetCaption(std::wstring(L"Tarnwick  5.0  E-mail:") + kContact);
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetPosition(TPosition::poScreenCenter);
    Font().SetName(L"宋体");
    Font().SetHeight(-12);
    Font().SetCharset(kGb2312Charset);
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);

    // In creation order, which is also the tab order within each parent.
    const TControlSpec controls[] = {
        // Band 1: the banner.
        Banner(&TFrmMain::WebBrowser1, "WebBrowser1", kForm, {0, 0, 538, 160}, L"Tarnwick 5.0",
               L"批量转换视频为 3GP 手机格式  ·  RM  AVI  MPEG  WMV  MP4  VOB  MOV"),

        // Band 2: progress.
        Group(&TFrmMain::GroupBox2, "GroupBox2", kForm, {0, 160, 538, 64}, L"进度"),
        Label(&TFrmMain::Label1, "Label1", "GroupBox2", {16, 20}, L"当前操作描述"),
        Label(&TFrmMain::lblInfo, "lblInfo", "GroupBox2", {104, 20}, L"准备就绪"),
        Label(&TFrmMain::Label2, "Label2", "GroupBox2", {16, 40}, L"当前文件进度"),
        Progress(&TFrmMain::ProgressBar1, "ProgressBar1", "GroupBox2", {104, 38, 409, 18}),

        // Band 3: settings, the job list on the left and the video options on the right.
        Group(&TFrmMain::GroupBox3, "GroupBox3", kForm, {0, 224, 538, 104}, L"设置"),
        Panel(&TFrmMain::Panel1, "Panel1", "GroupBox3", {2, 14, 335, 88}).Bevel(TBevelCut::bvNone),
        List(&TFrmMain::lvwFiles, "lvwFiles", "Panel1", {0, 0, 335, 64},
             {{L"文件路径", 255, true}, {L"状态", 80, false}})
            .View(TViewStyle::vsReport)
            .Border(TBorderStyle::bsNone)
            .WithGridLines()
            .WithRowSelect()
            .MakeReadOnly()
            .WithOwnerData(&TFrmMain::lvwFilesData)
            .WithDroppedFiles(&TFrmMain::lvwFilesDropFiles)
            .WithDoubleClick(&TFrmMain::lvwFilesDblClick),
        Panel(&TFrmMain::Panel2, "Panel2", "Panel1", {0, 64, 335, 24}).Bevel(TBevelCut::bvNone),
        Button(&TFrmMain::btnAdd, "btnAdd", "Panel2", {0, 0, 75, 25}, L"新增", &TFrmMain::btnAddClick),
        Button(&TFrmMain::btnDelete, "btnDelete", "Panel2", {80, 0, 75, 25}, L"删除", &TFrmMain::btnDeleteClick),
        Button(&TFrmMain::btnClear, "btnClear", "Panel2", {160, 0, 75, 25}, L"清空", &TFrmMain::btnClearClick),

        Group(&TFrmMain::GroupBox5, "GroupBox5", "GroupBox3", {337, 14, 199, 88}, L"视频选项"),
        Label(&TFrmMain::Label3, "Label3", "GroupBox5", {8, 18}, L"质量(KBps)"),
        DropDownList(&TFrmMain::cmbVideoKbps, "cmbVideoKbps", "GroupBox5", {86, 14, 105, 20},
                     {L"40K", L"80K", L"120K", L"256K", L"512K"}),
        Label(&TFrmMain::Label4, "Label4", "GroupBox5", {8, 42}, L"视频帧频"),
        DropDownList(&TFrmMain::cmbVideoFrame, "cmbVideoFrame", "GroupBox5", {86, 38, 105, 20},
                     {L"7", L"14.985", L"23.975", L"25.000", L"29.970"}),
        Label(&TFrmMain::Label5, "Label5", "GroupBox5", {8, 66}, L"视频大小"),
        DropDownList(&TFrmMain::cmbVideoSize, "cmbVideoSize", "GroupBox5", {86, 62, 105, 20},
                     {L"128x96", L"128x160", L"176x144", L"320x240", L"352x288", L"704x576", L"1408x1152"}),

        // The audio options are fixed for 3GP: the group is kept, hidden, with its start-up values.
        Group(&TFrmMain::GroupBox4, "GroupBox4", "GroupBox3", {337, 14, 199, 88}, L"音频选项").Hide(),
        Label(&TFrmMain::Label6, "Label6", "GroupBox4", {8, 18}, L"质量(KBps)"),
        DropDownList(&TFrmMain::cmbAudioKbps, "cmbAudioKbps", "GroupBox4", {86, 14, 105, 20},
                     {L"4.75K", L"5.15K", L"6.9K", L"6.7K", L"7.4K", L"7.95K", L"10.2K", L"12.2K"}),
        Label(&TFrmMain::Label7, "Label7", "GroupBox4", {8, 42}, L"音频采样率"),
        DropDownList(&TFrmMain::cmbAudioSample, "cmbAudioSample", "GroupBox4", {86, 38, 105, 20}, {L"8000"}),
        Label(&TFrmMain::Label8, "Label8", "GroupBox4", {8, 66}, L"音频声道数"),
        DropDownList(&TFrmMain::cmbAudioTrack, "cmbAudioTrack", "GroupBox4", {86, 62, 105, 20}, {L"1 - Mono"}),

        // Band 4: output folder.
        Group(&TFrmMain::GroupBox6, "GroupBox6", kForm, {0, 328, 538, 54}, L"输出"),
        Label(&TFrmMain::Label9, "Label9", "GroupBox6", {16, 24}, L"输出目录"),
        Edit(&TFrmMain::edtSaveDir, "edtSaveDir", "GroupBox6", {76, 20, 353, 21}).MakeReadOnly(),
        Button(&TFrmMain::Button8, "Button8", "GroupBox6", {437, 18, 85, 25}, L"设置输出目录", &TFrmMain::Button8Click),

        // Below the bands: the convert button and the contact line, right-aligned 8 pixels in.
        Button(&TFrmMain::btnConvert, "btnConvert", kForm, {220, 391, 97, 33}, L"立即转换", &TFrmMain::btnConvertClick),
        Label(&TFrmMain::lblContact, "lblContact", kForm, {0, 412}, std::wstring(L"E-mail:") + kContact)
            .EndingAt(kClientWidth - 8),
    };
    for (const TControlSpec& row : controls) std::visit([&](auto slot) { Build(*this, slot, row); }, row.Slot);

    // The skin engine: inactive with no skin of its own until start-up loads one.
    const TMainFormSkin skin = CreateMainFormSkin(*this);
    SkinData1 = skin.Data;
    SkinStore1 = skin.Store;
    SkinCaption1 = skin.Caption;

    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->SetName("OpenDialog1");
    OpenDialog1->SetFilter(kSourceFilter);
}

}  // namespace tw
