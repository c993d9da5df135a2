#include "tests/gallery/FrmGallery.h"

#include <shlobj.h>

#include "app/MainFormSkin.h"
#include "framework/core/ClassInfo.h"
#include "framework/win/Handles.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinCaption.h"
#include "skin/package/SkinStore.h"
#include "tests/gallery/GalleryPages.h"
#include "tests/gallery/GallerySkin.h"
#include "tests/gallery/PageButtonLayout.h"

namespace tw::gallery {

namespace {

constexpr int kClientWidth = 640;
constexpr int kPageHeight = 384;  // the pages' own size, whatever the rows of buttons above
constexpr int kGb2312Charset = 134;
constexpr int kFileEntry = kBuiltInSkinCount;  // the chooser's "File..." entry follows the skins

// Posted to the form: the chooser's "File..." entry opens its dialog once the chooser's
// notification has returned, so no modal loop runs inside it (and a driver that sent it waits
// for nothing).
constexpr UINT WM_GALLERY_CHOOSE_FILE = WM_APP + 0x47;

std::wstring BrowseForFolder(HWND owner) {
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.pszDisplayName = displayName;
    info.lpszTitle = L"Choose a folder 选择文件夹";
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX;
    const TCoTaskMemory<ITEMIDLIST> chosen(SHBrowseForFolderW(&info));
    wchar_t path[MAX_PATH] = {};
    if (chosen && SHGetPathFromIDListW(chosen.Get(), path)) return path;
    return {};
}

}  // namespace

const TClassInfo& TFrmGallery::StaticClassInfo() {
    static const TClassInfo info{"TFrmGallery", &TForm::StaticClassInfo(), {}};
    return info;
}

TFrmGallery::TFrmGallery(TComponent* owner) : TForm(owner) {
    SetName("FrmGallery");
    SetCaption(L"Skin Gallery");
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetPosition(TPosition::poScreenCenter);
    SetClientWidth(kClientWidth);
    // The main window's font, so Chinese texts look as they do there.
    Font().SetName(L"宋体");
    Font().SetHeight(-12);
    Font().SetCharset(kGb2312Charset);

    // The skin engine as the program's main form has it: inactive until Start loads a skin.
    const TMainFormSkin skin = CreateMainFormSkin(*this);
    SkinData1 = skin.Data;
    SkinStore1 = skin.Store;
    SkinCaption1 = skin.Caption;
    // The window texts on the skinned title bars, as on the main form.
    SkinCaption1->SetActive(true);
    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->SetName("OpenDialog1");

    BuildChrome();
    BuildPages();
}

void TFrmGallery::BuildChrome() {
    lblSkin = new TLabel(this);
    lblSkin->SetName("lblSkin");
    lblSkin->SetParent(this);
    lblSkin->SetBounds(8, 12, 0, 0);
    lblSkin->SetCaption(L"Skin");

    std::vector<std::wstring> entries;
    for (int i = 0; i < kBuiltInSkinCount; ++i) entries.emplace_back(BuiltInSkinLabel(i));
    entries.emplace_back(L"File...");
    cmbSkin = new TComboBox(this);
    cmbSkin->SetName("cmbSkin");
    cmbSkin->SetStyle(TComboBoxStyle::csDropDownList);
    cmbSkin->SetParent(this);
    cmbSkin->SetBounds(40, 8, 160, 20);
    cmbSkin->SetItems(std::move(entries));
    cmbSkin->OnChange = [this](TObject*) { SkinChosen(); };

    chkSkinning = new TCheckBox(this);
    chkSkinning->SetName("chkSkinning");
    chkSkinning->SetParent(this);
    chkSkinning->SetBounds(212, 8, 90, 20);
    chkSkinning->SetCaption(L"Skinning");
    chkSkinning->OnClick = [this](TObject*) { ApplySkin(skin_, chkSkinning->Checked()); };

    lblLastDialog = new TLabel(this);
    lblLastDialog->SetName("lblLastDialog");
    lblLastDialog->SetParent(this);
    lblLastDialog->SetBounds(316, 12, 0, 0);
    lblLastDialog->SetCaption(L"Last dialog: none");
}

void TFrmGallery::BuildPages() {
    const auto& table = GalleryPages();
    // Every page's button shows: the form grows by a row of buttons when they need two.
    const TPageButtonLayout layout = LayPageButtons(static_cast<int>(table.size()), kClientWidth);
    SetClientHeight(layout.PageTop + kPageHeight);
    for (size_t i = 0; i < table.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        auto* button = new TButton(this);
        button->SetName("btnPage" + std::to_string(number));
        button->SetParent(this);
        button->SetBounds(layout.Left(static_cast<int>(i)), layout.Top(static_cast<int>(i)), layout.ButtonWidth,
                          kPageButtonHeight);
        button->SetCaption(std::to_wstring(number) + L" " + table[i].Title);
        button->OnClick = [this, number](TObject*) { ShowPage(number); };
        pageButtons_.push_back(button);

        auto* page = new TPanel(this);
        page->SetName("pnlPage" + std::to_string(number));
        page->SetParent(this);
        page->SetBevelOuter(TBevelCut::bvNone);
        page->SetBounds(0, layout.PageTop, kClientWidth, kPageHeight);
        page->SetVisible(false);
        pages_.push_back(page);
        TPageBuilder builder(*this, *page);
        table[i].Build(builder);
    }
    ShowPage(1);
}

void TFrmGallery::Start(const TGalleryOptions& options) {
    ShowPage(options.Page);
    ApplySkin(options.Skin, options.SkinningOn);
}

void TFrmGallery::ShowPage(int page) {
    if (page < 1 || page > static_cast<int>(pages_.size())) return;
    page_ = page;
    for (size_t i = 0; i < pages_.size(); ++i) {
        const bool current = static_cast<int>(i) + 1 == page;
        pages_[i]->SetVisible(current);
        // The current page's button is the one that cannot be pressed, as a selected tab.
        pageButtons_[i]->SetEnabled(!current);
    }
    UpdateTitle();
}

void TFrmGallery::ApplySkin(const TSkinChoice& choice, bool skinningOn) {
    const TSkinLoadResult result = LoadGallerySkin(*SkinData1, *SkinStore1, choice, skinningOn);
    skin_ = choice;
    skinName_ = result.Name;
    chkSkinning->SetChecked(skinningOn);
    SelectCurrentSkinEntry();
    UpdateTitle();
}

void TFrmGallery::SelectCurrentSkinEntry() { cmbSkin->SetItemIndex(skin_.IsFile() ? kFileEntry : skin_.Index); }

void TFrmGallery::SkinChosen() {
    const int entry = cmbSkin->ItemIndex();
    if (entry == kFileEntry) {
        if (HandleAllocated()) PostMessageW(Handle(), WM_GALLERY_CHOOSE_FILE, 0, 0);
        return;
    }
    if (entry < 0 || entry >= kBuiltInSkinCount) return;
    TSkinChoice choice;
    choice.Index = entry;
    ApplySkin(choice, chkSkinning->Checked());
}

void TFrmGallery::ChooseSkinFile() {
    OpenDialog1->SetTitle(L"Open a skin package");
    OpenDialog1->SetFilter(L"Skin packages (*.skn)|*.skn|All files|*.*");
    OpenDialog1->SetFilterIndex(1);
    if (!OpenDialog1->Execute(Handle())) {
        SelectCurrentSkinEntry();  // nothing chosen: the chooser shows the skin still in use
        return;
    }
    TSkinChoice choice;
    choice.Path = Utf8FromWide(OpenDialog1->FileName());
    ApplySkin(choice, chkSkinning->Checked());
}

void TFrmGallery::ShowSampleMessageBox() {
    const int answer = Application->ShowMessageBox(L"A message box of the gallery.\n图库的消息框。", L"Skin Gallery",
                                                   MB_OKCANCEL | MB_ICONINFORMATION);
    ReportDialog(std::wstring(L"message box: ") + (answer == IDOK ? L"OK" : answer == IDCANCEL ? L"Cancel" : L"?"));
}

void TFrmGallery::ShowSampleOpenDialog() {
    OpenDialog1->SetTitle(L"Open a file 打开文件");
    OpenDialog1->SetFilter(L"All files|*.*");
    OpenDialog1->SetFilterIndex(1);
    ReportDialog(OpenDialog1->Execute(Handle()) ? L"open dialog: " + OpenDialog1->FileName() : L"open dialog: none");
}

void TFrmGallery::ShowSampleFolderBrowser() {
    const std::wstring folder = BrowseForFolder(Handle());
    ReportDialog(L"folder browser: " + (folder.empty() ? std::wstring(L"none") : folder));
}

void TFrmGallery::ReportDialog(const std::wstring& what) { lblLastDialog->SetCaption(L"Last dialog: " + what); }

void TFrmGallery::UpdateTitle() {
    std::wstring title = L"Skin Gallery - page " + std::to_wstring(page_) + L" of " + std::to_wstring(pages_.size());
    if (!skinName_.empty()) title += L" - " + skinName_;
    if (!chkSkinning->Checked()) title += L" - skinning off";
    SetCaption(title);
    // The framework hands a windowed control's caption to its window only when the window is
    // made; the title changes while the window is up.
    if (HandleAllocated()) SetWindowTextW(Handle(), title.c_str());
}

void TFrmGallery::WndProc(TMessage& message) {
    if (message.Msg == WM_GALLERY_CHOOSE_FILE) {
        ChooseSkinFile();
        return;
    }
    TForm::WndProc(message);
}

}  // namespace tw::gallery
