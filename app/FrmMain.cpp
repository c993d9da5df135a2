// TFrmMain: start-up, close and the output-folder chooser (the stored layout is in FrmMainLayout.cpp).
#include "app/FrmMain.h"

#include <shlobj.h>

#include "app/SkinMenu.h"
#include "app/TaskbarProgress.h"
#include "framework/core/Exception.h"
#include "framework/win/ModulePath.h"
#include "framework/win/SystemError.h"
#include "process/DosCommand.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinCaption.h"
#include "skin/package/SkinStore.h"
#include "skins/SkinResources.h"

namespace tw {

namespace {

// The built-in skin the program starts with. Builds with tests only take another one from
// TARNWICK_STARTUP_SKIN, so the screenshot scripts show the main window under every skin.
int StartupSkinIndex() {
#ifdef TW_TEST_HOOKS
    wchar_t value[4] = {};
    DWORD length = GetEnvironmentVariableW(L"TARNWICK_STARTUP_SKIN", value, 4);
    if (length == 1 && value[0] >= L'0' && value[0] < L'0' + kSkinPackageCount) return value[0] - L'0';
#endif
    return kStartupSkinIndex;
}

// The banner page travels inside the program, so the pane never needs a network.
constexpr wchar_t kBannerAddress[] = L"res://Tarnwick.exe/ubs10-11.html";

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
    // The skin menu goes before the skin component it loads into; runners first among the
    // components: their threads call back into this form.
    skinMenu_.reset();
    DestroyComponents();
    jobs_.clear();
}

void TFrmMain::FormCreate(TObject*) {
    // 1-2: the two runners and their events. Events run on the runners' reader threads, so
    // they only post to this window.
    DosCommand1 = new TDosCommand(this);
    DosCommand1->SetName("DosCommand1");
    DosCommand2 = new TDosCommand(this);
    DosCommand2->SetName("DosCommand2");
    // Both tools need no console: they write to the pipes they are given and run their own
    // FFmpeg without one. A console each would cost a console host per file.
    DosCommand1->SetConsole(ccNone);
    DosCommand2->SetConsole(ccNone);
    DosCommand1->OnNewLine = [this](TObject* s, const std::string& line, TOutputType type) {
        DosCommand1NewLine(s, line, static_cast<int>(type));
    };
    DosCommand1->OnTerminated = [this](TObject* s) { DosCommand1Terminated(s); };
    DosCommand2->OnTerminated = [this](TObject* s) { DosCommand2Terminated(s); };
    // Without them the waiting loops would only wake at their timeouts.
    auto newEndEvent = [] {
        THandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        if (!event) throw Exception("Could not create a runner's end event: " + SystemErrorText(GetLastError()));
        return event;
    };
    probeFinished_ = newEndEvent();
    encoderFinished_ = newEndEvent();

    // 3: the banner.
    WebBrowser1->Navigate(kBannerAddress);

    // 4: the skin. A package that cannot be read leaves the program with the system's look.
    SkinCaption1->SetActive(true);
    SkinData1->LoadFromStore(SkinStore1, StartupSkinIndex());
    SkinData1->SetActive(true);
    // The system menu offers the other built-in skins.
    skinMenu_ = std::make_unique<TSkinMenu>(*SkinData1, *SkinStore1);
    skinMenu_->Install(Handle(), StartupSkinIndex());

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
    TCoTaskMemory<ITEMIDLIST> rootList;
    if (!root.empty()) SHParseDisplayName(root.c_str(), nullptr, rootList.Receive(), 0, nullptr);
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.pidlRoot = rootList.Get();
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX;
    const TCoTaskMemory<ITEMIDLIST> chosen(SHBrowseForFolderW(&info));
    std::wstring result;
    wchar_t path[MAX_PATH] = {};
    if (chosen && SHGetPathFromIDListW(chosen.Get(), path)) result = FolderResult(path);
    return result;
}

}  // namespace tw
