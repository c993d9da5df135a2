// TFrmMain: layout and stored values, start-up, close and the output-folder chooser.
#include "app/FrmMain.h"

#include <shlobj.h>

#include "app/SkinCaption.h"
#include "app/SkinResources.h"
#include "app/TaskbarProgress.h"
#include "framework/core/Exception.h"
#include "framework/win/ModulePath.h"
#include "framework/win/SystemError.h"
#include "process/DosCommand.h"
#include "skin/data/SkinData.h"
#include "skin/package/SkinStore.h"
#include "skins/SkinResources.h"

namespace tw {

namespace {

// The contact address shown in the caption and at the bottom of the window.
constexpr wchar_t kContact[] = L"support@tarnwick.example";
// The banner page travels inside the program, so the pane never needs a network.
constexpr wchar_t kBannerAddress[] = L"res://Tarnwick.exe/ubs10-11.html";

constexpr int kGb2312Charset = 134;

}  // namespace

const TClassInfo& TFrmMain::StaticClassInfo() {
    static const TClassInfo info{"TFrmMain", &TForm::StaticClassInfo(), {}};
    return info;
}

TFrmMain::TFrmMain(TComponent* owner) : TForm(owner) {
    SetName("FrmMain");
    BuildControls();
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
}

TFrmMain::~TFrmMain() {
    // Runners first: their threads call back into this form.
    DestroyComponents();
    jobs_.clear();
    if (probeFinished_) CloseHandle(probeFinished_);
    if (encoderFinished_) CloseHandle(encoderFinished_);
}

// The stored values of the form: every control, its place, size, caption and font.
void TFrmMain::BuildControls() {
    SetCaption(std::wstring(L"Tarnwick  5.0  E-mail:") + kContact);
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetPosition(TPosition::poScreenCenter);
    Font().SetName(L"宋体");
    Font().SetHeight(-12);
    Font().SetCharset(kGb2312Charset);
    SetClientWidth(538);
    SetClientHeight(433);

    auto label = [this](TWinControl* parent, const char* name, const wchar_t* caption, int left, int top) {
        auto* l = new TLabel(this);
        l->SetName(name);
        l->SetParent(parent);
        l->SetLeft(left);
        l->SetTop(top);
        l->SetCaption(caption);
        return l;
    };
    auto group = [this](TWinControl* parent, const char* name, const wchar_t* caption, int left, int top, int width,
                        int height) {
        auto* g = new TGroupBox(this);
        g->SetName(name);
        g->SetParent(parent);
        g->SetBounds(left, top, width, height);
        g->SetCaption(caption);
        return g;
    };
    auto button = [this](TWinControl* parent, const char* name, const wchar_t* caption, int left, int top, int width,
                         int height) {
        auto* b = new TButton(this);
        b->SetName(name);
        b->SetParent(parent);
        b->SetBounds(left, top, width, height);
        b->SetCaption(caption);
        return b;
    };
    auto combo = [this](TWinControl* parent, const char* name, int left, int top, std::vector<std::wstring> items) {
        auto* c = new TComboBox(this);
        c->SetName(name);
        c->SetParent(parent);
        c->SetStyle(TComboBoxStyle::csDropDownList);
        c->SetBounds(left, top, 105, 20);
        c->SetItems(std::move(items));
        return c;
    };

    // Band 1: the banner.
    WebBrowser1 = new TWebBrowser(this);
    WebBrowser1->SetName("WebBrowser1");
    WebBrowser1->SetParent(this);
    WebBrowser1->SetBounds(0, 0, 538, 160);
    WebBrowser1->SetBannerText(L"Tarnwick 5.0", L"批量转换视频为 3GP 手机格式  ·  RM  AVI  MPEG  WMV  MP4  VOB  MOV");

    // Band 2: progress.
    GroupBox2 = group(this, "GroupBox2", L"进度", 0, 160, 538, 64);
    Label1 = label(GroupBox2, "Label1", L"当前操作描述", 16, 20);
    lblInfo = label(GroupBox2, "lblInfo", L"准备就绪", 104, 20);
    Label2 = label(GroupBox2, "Label2", L"当前文件进度", 16, 40);
    ProgressBar1 = new TProgressBar(this);
    ProgressBar1->SetName("ProgressBar1");
    ProgressBar1->SetParent(GroupBox2);
    ProgressBar1->SetBounds(104, 38, 409, 18);

    // Band 3: settings, the job list on the left and the video options on the right.
    GroupBox3 = group(this, "GroupBox3", L"设置", 0, 224, 538, 104);
    Panel1 = new TPanel(this);
    Panel1->SetName("Panel1");
    Panel1->SetParent(GroupBox3);
    Panel1->SetBevelOuter(TBevelCut::bvNone);
    Panel1->SetBounds(2, 14, 335, 88);
    lvwFiles = new TListView(this);
    lvwFiles->SetName("lvwFiles");
    lvwFiles->SetParent(Panel1);
    lvwFiles->SetBounds(0, 0, 335, 64);
    lvwFiles->SetViewStyle(TViewStyle::vsReport);
    lvwFiles->SetBorderStyle(TBorderStyle::bsNone);
    lvwFiles->SetGridLines(true);
    lvwFiles->SetRowSelect(true);
    lvwFiles->SetReadOnly(true);
    lvwFiles->SetOwnerData(true);
    lvwFiles->SetAcceptFiles(true);
    lvwFiles->SetColumns({{L"文件路径", 255, true}, {L"状态", 80, false}});
    lvwFiles->OnData = [this](TObject* sender, TListItem& item) { lvwFilesData(sender, item); };
    lvwFiles->OnDropFiles = [this](TObject* sender, const std::vector<std::wstring>& files) {
        lvwFilesDropFiles(sender, files);
    };
    Panel2 = new TPanel(this);
    Panel2->SetName("Panel2");
    Panel2->SetParent(Panel1);
    Panel2->SetBevelOuter(TBevelCut::bvNone);
    Panel2->SetBounds(0, 64, 335, 24);
    btnAdd = button(Panel2, "btnAdd", L"新增", 0, 0, 75, 25);
    btnDelete = button(Panel2, "btnDelete", L"删除", 80, 0, 75, 25);
    btnClear = button(Panel2, "btnClear", L"清空", 160, 0, 75, 25);
    btnAdd->OnClick = [this](TObject* s) { btnAddClick(s); };
    btnDelete->OnClick = [this](TObject* s) { btnDeleteClick(s); };
    btnClear->OnClick = [this](TObject* s) { btnClearClick(s); };

    GroupBox5 = group(GroupBox3, "GroupBox5", L"视频选项", 337, 14, 199, 88);
    Label3 = label(GroupBox5, "Label3", L"质量(KBps)", 8, 18);
    cmbVideoKbps = combo(GroupBox5, "cmbVideoKbps", 86, 14, {L"40K", L"80K", L"120K", L"256K", L"512K"});
    Label4 = label(GroupBox5, "Label4", L"视频帧频", 8, 42);
    cmbVideoFrame = combo(GroupBox5, "cmbVideoFrame", 86, 38, {L"7", L"14.985", L"23.975", L"25.000", L"29.970"});
    Label5 = label(GroupBox5, "Label5", L"视频大小", 8, 66);
    cmbVideoSize = combo(GroupBox5, "cmbVideoSize", 86, 62,
                         {L"128x96", L"128x160", L"176x144", L"320x240", L"352x288", L"704x576", L"1408x1152"});

    // The audio options are fixed for 3GP: the group is kept, hidden, with its start-up values.
    GroupBox4 = group(GroupBox3, "GroupBox4", L"音频选项", 337, 14, 199, 88);
    GroupBox4->SetVisible(false);
    Label6 = label(GroupBox4, "Label6", L"质量(KBps)", 8, 18);
    cmbAudioKbps = combo(GroupBox4, "cmbAudioKbps", 86, 14,
                         {L"4.75K", L"5.15K", L"6.9K", L"6.7K", L"7.4K", L"7.95K", L"10.2K", L"12.2K"});
    Label7 = label(GroupBox4, "Label7", L"音频采样率", 8, 42);
    cmbAudioSample = combo(GroupBox4, "cmbAudioSample", 86, 38, {L"8000"});
    Label8 = label(GroupBox4, "Label8", L"音频声道数", 8, 66);
    cmbAudioTrack = combo(GroupBox4, "cmbAudioTrack", 86, 62, {L"1 - Mono"});

    // Band 4: output folder.
    GroupBox6 = group(this, "GroupBox6", L"输出", 0, 328, 538, 54);
    Label9 = label(GroupBox6, "Label9", L"输出目录", 16, 24);
    edtSaveDir = new TEdit(this);
    edtSaveDir->SetName("edtSaveDir");
    edtSaveDir->SetParent(GroupBox6);
    edtSaveDir->SetReadOnly(true);
    edtSaveDir->SetBounds(76, 20, 353, 21);
    Button8 = button(GroupBox6, "Button8", L"设置输出目录", 437, 18, 85, 25);
    Button8->OnClick = [this](TObject* s) { Button8Click(s); };

    // Below the bands: the convert button and the contact line.
    btnConvert = button(this, "btnConvert", L"立即转换", 220, 391, 97, 33);
    btnConvert->OnClick = [this](TObject* s) { btnConvertClick(s); };
    lblContact = label(this, "lblContact", (std::wstring(L"E-mail:") + kContact).c_str(), 0, 412);
    lblContact->SetLeft(538 - 8 - lblContact->Width());

    // The skin engine: inactive with no skin of its own until start-up loads one.
    SkinData1 = new TSkinData(this);
    SkinData1->SetName("SkinData1");
    SkinData1->DisableTag = 99;
    SkinData1->SkinFormtype = sfMainform;
    SkinData1->MenuUpdate = true;
    SkinData1->MenuMerge = false;
    SkinStore1 = new TSkinStore(this);
    SkinStore1->SetName("SkinStore1");
    LoadBuiltInSkins(*SkinStore1);
    SkinCaption1 = new TSkinCaption(this);
    SkinCaption1->SetName("SkinCaption1");
    SkinCaption1->SetSkinData(SkinData1);

    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->SetName("OpenDialog1");
    OpenDialog1->SetFilter(
        L"Support Files|*.RM;*.RMVB;*.AVI;*.MPG;*.MPEG;*.WMV;*.ASF*.3PG;*.MP4;*.AVS;*.VOB;*.DAT;*.MOV;*.QT|"
        L"RM Files|*.RM;*.RMVB|AVI Files|*.AVI|MPEG Files|*.MPG;*.MPEG|WMV Files|*.WMV;*.ASF|"
        L"Portable device Files|*.3PG;*.MP4;*.AVS|DVD VCD Files|*.VOB;*.DAT|Quick Time Files|*.MOV;*.QT|"
        L"All Files|*.*");
}

void TFrmMain::FormCreate(TObject*) {
    // 1-2: the two runners and their events. Events run on the runners' reader threads, so
    // they only post to this window.
    DosCommand1 = new TDosCommand(this);
    DosCommand1->SetName("DosCommand1");
    DosCommand2 = new TDosCommand(this);
    DosCommand2->SetName("DosCommand2");
    DosCommand1->OnNewLine = [this](TObject* s, const std::string& line, TOutputType type) {
        DosCommand1NewLine(s, line, static_cast<int>(type));
    };
    DosCommand1->OnTerminated = [this](TObject* s) { DosCommand1Terminated(s); };
    DosCommand2->OnTerminated = [this](TObject* s) { DosCommand2Terminated(s); };
    // Without them the waiting loops would only wake at their timeouts.
    auto newEndEvent = [] {
        HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        if (!event) throw Exception("Could not create a runner's end event: " + SystemErrorText(GetLastError()));
        return event;
    };
    probeFinished_ = newEndEvent();
    encoderFinished_ = newEndEvent();

    // 3: the banner.
    WebBrowser1->Navigate(kBannerAddress);

    // 4: the skin. A package that cannot be read leaves the program with the system's look.
    SkinCaption1->SetActive(true);
    SkinData1->LoadFromStore(SkinStore1, kStartupSkinIndex);
    SkinData1->SetActive(true);

    // 5: the program's own folder, where the probe and the encoder live.
    exeDir_ = ExecutableFolder();

    // 6-7: an empty job list, the option defaults.
    jobs_.clear();
    SelectStartupOptions();
    taskbar_ = std::make_unique<TTaskbarProgress>();
}

void TFrmMain::SelectStartupOptions() {
    cmbVideoKbps->SetItemIndex(2);
    cmbVideoFrame->SetItemIndex(1);
    cmbVideoSize->SetItemIndex(2);
    cmbAudioKbps->SetItemIndex(7);
    cmbAudioSample->SetItemIndex(0);
    cmbAudioTrack->SetItemIndex(0);
}

void TFrmMain::FormClose(TObject*, TCloseAction&) {
    if (busy_) {
        // A probe or a conversion is under way below us on the stack: end its child and let
        // its loop unwind; the jobs are freed when the form goes, not under the loop.
        closeRequested_ = true;
        if (DosCommand1) DosCommand1->Stop();
        if (DosCommand2) DosCommand2->Stop();
        return;
    }
    FreeJobs();
}

bool TFrmMain::Closing() const { return closeRequested_ || (Application && Application->Terminated()); }

TJobInfo* TFrmMain::JobAt(int index) const {
    if (index < 0 || index >= JobCount()) return nullptr;
    return jobs_[static_cast<size_t>(index)].get();
}

void TFrmMain::FreeJobs() { jobs_.clear(); }

void TFrmMain::Button8Click(TObject*) {
    std::wstring folder = BrowseForFolder(Handle(), L"请选择文件", L"");
    if (!folder.empty()) edtSaveDir->SetText(folder);
}

std::wstring TFrmMain::BrowseForFolder(HWND owner, const std::wstring& title, const std::wstring& root) {
    PIDLIST_ABSOLUTE rootList = nullptr;
    if (!root.empty()) SHParseDisplayName(root.c_str(), nullptr, &rootList, 0, nullptr);
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.pidlRoot = rootList;
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
    std::wstring result;
    if (chosen) {
        wchar_t path[MAX_PATH] = {};
        if (SHGetPathFromIDListW(chosen, path)) result = FolderResult(path);
        CoTaskMemFree(chosen);
    }
    if (rootList) CoTaskMemFree(rootList);
    return result;
}

}  // namespace tw
