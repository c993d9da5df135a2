#include "tests/gallery/GalleryFormMenu.h"

#include "app/MainFormSkin.h"
#include "framework/core/ClassInfo.h"
#include "framework/win/Handles.h"
#include "framework/win/ImageList.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinCaption.h"
#include "tests/gallery/GalleryCount.h"
#include "tests/gallery/GallerySkin.h"

namespace tw::gallery {

namespace {

constexpr int kClientWidth = 480;
constexpr int kClientHeight = 260;
constexpr int kImageSize = 16;
constexpr COLORREF kImageMask = RGB(255, 0, 255);

// The caption as the log writes it: without its "&" marks.
std::wstring PlainCaption(const std::wstring& caption) {
    std::wstring plain;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && i + 1 < caption.size()) ++i;
        plain += caption[i];
    }
    return plain;
}

// Set in the environment, every opening of the context menu leaks a brush: the count run must
// then find the counts different.
bool LeakOnPurpose() { return GetEnvironmentVariableW(L"TW_GALLERY_MENU_LEAK", nullptr, 0) > 0; }

// Four pictures on the mask colour: a page, a folder, scissors-like crosses and two sheets, in
// colours no skin uses for its menus, so that a screenshot finds them.
void AddPictures(TImageList& list) {
    const TWindowDC screen = ClientDC(nullptr);
    const TBitmapHandle strip(CreateCompatibleBitmap(screen.Get(), kImageSize * 4, kImageSize));
    {
        const TMemoryDC dc = CompatibleDC(screen.Get());
        const TSelection keepBitmap = Select(dc.Get(), strip.Get());
        const TBrushHandle mask(CreateSolidBrush(kImageMask));
        const RECT all{0, 0, kImageSize * 4, kImageSize};
        FillRect(dc.Get(), &all, mask.Get());
        const COLORREF colours[4] = {RGB(20, 120, 220), RGB(230, 180, 20), RGB(200, 30, 40), RGB(40, 160, 60)};
        for (int i = 0; i < 4; ++i) {
            const TBrushHandle fill(CreateSolidBrush(colours[i]));
            const int x = i * kImageSize;
            // A tall page, a wide folder, a square, and a square with a second one behind it.
            const RECT body = i == 0   ? RECT{x + 3, 1, x + 13, 15}
                              : i == 1 ? RECT{x + 1, 4, x + 15, 14}
                                       : RECT{x + 2, 2, x + 11, 11};
            FillRect(dc.Get(), &body, fill.Get());
            if (i == 3) {
                const RECT second{x + 5, 5, x + 15, 15};
                FrameRect(dc.Get(), &second, fill.Get());
            }
        }
    }
    // The list copies the pictures from a bitmap no DC holds any more.
    list.AddMasked(strip.Get(), kImageMask);
}

}  // namespace

const TClassInfo& TFrmGalleryMenu::StaticClassInfo() {
    static const TClassInfo info{"TFrmGalleryMenu", &TForm::StaticClassInfo(), {}};
    return info;
}

TFrmGalleryMenu::TFrmGalleryMenu(TComponent* owner) : TForm(owner) {
    SetName("FrmGalleryMenu");
    SetCaption(L"Skin Gallery - menus");
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetPosition(TPosition::poScreenCenter);
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);

    const TMainFormSkin skin = CreateMainFormSkin(*this);
    SkinData1 = skin.Data;
    SkinStore1 = skin.Store;
    SkinCaption1 = skin.Caption;
    SkinCaption1->SetActive(true);

    ImageList1 = new TImageList(this, kImageSize, kImageSize);
    ImageList1->SetName("ImageList1");
    AddPictures(*ImageList1);

    BuildMenus();
    BuildControls();
}

void TFrmGalleryMenu::BuildMenus() {
    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    MainMenu1->SetImages(ImageList1->Handle());
    TMenuItem& root = MainMenu1->Items();

    TMenuItem& file = root.Add(L"&File");
    TMenuItem& newItem = file.Add(L"&New");
    newItem.SetShortCut(ShortCut('N', scCtrl));
    newItem.SetImageIndex(0);
    TMenuItem& open = file.Add(L"&Open...");
    open.SetShortCut(ShortCut('O', scCtrl));
    open.SetImageIndex(1);
    TMenuItem& recent = file.Add(L"&Recent");
    recent.Add(L"&First.mp4");
    recent.Add(L"&Second.mkv");
    TMenuItem& older = recent.Add(L"&Older");
    older.Add(L"&Third.avi");
    older.Add(L"F&ourth.mov");
    file.AddSeparator();
    file.Add(L"&Locked").SetEnabled(false);
    file.AddSeparator();
    file.Add(L"&Close form", [this](TMenuItem&) { Close(); });

    TMenuItem& edit = root.Add(L"&Edit");
    TMenuItem& cut = edit.Add(L"Cu&t");
    cut.SetShortCut(ShortCut('X', scCtrl));
    cut.SetImageIndex(2);
    TMenuItem& copy = edit.Add(L"&Copy");
    copy.SetShortCut(ShortCut('C', scCtrl));
    copy.SetImageIndex(3);
    edit.Add(L"&Paste").SetShortCut(ShortCut('V', scCtrl));
    edit.AddSeparator();
    TMenuItem& wrap = edit.Add(L"&Word wrap");
    wrap.OnClick = [](TMenuItem& item) { item.SetChecked(!item.Checked()); };
    wrap.SetChecked(true);

    TMenuItem& view = root.Add(L"&View");
    const wchar_t* sizes[] = {L"&Small", L"&Medium", L"L&arge"};
    for (const wchar_t* caption : sizes) {
        TMenuItem& size = view.Add(caption);
        size.SetRadioItem(true);
        size.SetGroupIndex(1);
    }
    view.Items(1).SetChecked(true);
    view.AddSeparator();
    TMenuItem& details = view.Add(L"&Details");
    details.SetShortCut(ShortCut(VK_F5, 0));
    details.SetDefault(true);

    TMenuItem& help = root.Add(L"&Help");
    help.Add(L"&About").SetShortCut(ShortCut(VK_F1, 0));

    // A disabled top-level item at the end: Left, Right and the mouse pass over it, across the
    // wrap too.
    TMenuItem& tools = root.Add(L"&Tools");
    tools.Add(L"&Options");
    tools.SetEnabled(false);

    PopupMenu1 = new TPopupMenu(this);
    PopupMenu1->SetName("PopupMenu1");
    PopupMenu1->SetImages(ImageList1->Handle());
    TMenuItem& refresh = PopupMenu1->Items().Add(L"&Refresh");
    refresh.SetImageIndex(0);
    refresh.SetShortCut(ShortCut('R', scCtrl));
    TMenuItem& pinned = PopupMenu1->Items().Add(L"&Pinned");
    pinned.OnClick = [](TMenuItem& item) { item.SetChecked(!item.Checked()); };
    PopupMenu1->Items().AddSeparator();
    TMenuItem& more = PopupMenu1->Items().Add(L"&More");
    more.Add(L"&Inner");
    PopupMenu1->Items().Add(L"Loc&ked here").SetEnabled(false);
    if (LeakOnPurpose()) PopupMenu1->OnPopup = [](TPopupMenu&) { CreateSolidBrush(RGB(1, 2, 3)); };

    ReportClicks(MainMenu1->Items());
    ReportClicks(PopupMenu1->Items());
    SetMainMenu(MainMenu1);
}

void TFrmGalleryMenu::ReportClicks(TMenuItem& parent) {
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem& item = parent.Items(i);
        if (item.Count() > 0) {
            ReportClicks(item);
            continue;
        }
        if (item.IsSeparator()) continue;
        // The report comes first: "Close form" ends the form in its own click.
        item.OnClick = [this, own = std::move(item.OnClick)](TMenuItem& chosen) {
            Report(chosen);
            if (own) own(chosen);
        };
    }
}

void TFrmGalleryMenu::Report(const TMenuItem& item) {
    const std::wstring caption = PlainCaption(item.Caption());
    Print("command " + Utf8FromWide(caption) + "\n");
    lblLastCommand->SetCaption(L"Last command: " + caption);
}

TMenuItem* TFrmGalleryMenu::ItemOfPopup(HMENU popup) {
    if (TMenuItem* item = MainMenu1->Items().FindByHandle(popup)) return item;
    return PopupMenu1->Items().FindByHandle(popup);
}

TMenuItem* TFrmGalleryMenu::ItemOfEntry(HMENU menu, UINT entry, bool byPosition) {
    if (!byPosition) {
        if (TMenuItem* item = MainMenu1->FindItem(entry)) return item;
        return PopupMenu1->FindItem(entry);
    }
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID;
    if (!GetMenuItemInfoW(menu, entry, TRUE, &info)) return nullptr;
    return ItemOfEntry(menu, info.wID, false);
}

void TFrmGalleryMenu::WndProc(TMessage& message) {
    if (message.Msg == WM_INITMENUPOPUP) {
        const auto popup = reinterpret_cast<HMENU>(message.WParam);
        const TMenuItem* item = ItemOfPopup(popup);
        if (item == &PopupMenu1->Items()) Print("popup context\n");
        else if (item)
            Print("popup " + Utf8FromWide(PlainCaption(item->Caption())) + "\n");
        lastSelected_.clear();
    } else if (message.Msg == WM_MENUSELECT) {
        const UINT flags = HIWORD(message.WParam);
        const auto menu = reinterpret_cast<HMENU>(message.LParam);
        const TMenuItem* item = nullptr;
        // A submenu's entry comes by its position, any other by its command.
        if (menu && flags != 0xFFFF) item = ItemOfEntry(menu, LOWORD(message.WParam), (flags & MF_POPUP) != 0);
        const std::wstring caption = item && !item->IsSeparator() ? PlainCaption(item->Caption()) : std::wstring();
        if (!caption.empty() && caption != lastSelected_) Print("select " + Utf8FromWide(caption) + "\n");
        lastSelected_ = caption;
    }
    TForm::WndProc(message);
}

void TFrmGalleryMenu::BuildControls() {
    pnlContext = new TPanel(this);
    pnlContext->SetName("pnlContext");
    pnlContext->SetParent(this);
    pnlContext->SetBounds(12, 12, 220, 120);
    pnlContext->SetCaption(L"Right click: context menu");
    pnlContext->SetPopupMenu(PopupMenu1);

    btnContext = new TButton(this);
    btnContext->SetName("btnContext");
    btnContext->SetParent(this);
    btnContext->SetBounds(248, 12, 150, 26);
    btnContext->SetCaption(L"Button with a menu");
    btnContext->SetPopupMenu(PopupMenu1);

    edtPlain = new TEdit(this);
    edtPlain->SetName("edtPlain");
    edtPlain->SetParent(this);
    edtPlain->SetBounds(248, 52, 150, 22);
    edtPlain->SetText(L"The edit's own menu");

    lblLastCommand = new TLabel(this);
    lblLastCommand->SetName("lblLastCommand");
    lblLastCommand->SetParent(this);
    lblLastCommand->SetBounds(12, 146, 0, 0);
    lblLastCommand->SetCaption(L"Last command: none");
}

void TFrmGalleryMenu::Start(const TGalleryOptions& options) {
    const TSkinLoadResult result = LoadGallerySkin(*SkinData1, *SkinStore1, options.Skin, options.SkinningOn);
    std::wstring title = L"Skin Gallery - menus";
    if (!result.Name.empty()) title += L" - " + result.Name;
    if (!options.SkinningOn) title += L" - skinning off";
    SetCaption(title);
    if (HandleAllocated()) SetWindowTextW(Handle(), title.c_str());
}

}  // namespace tw::gallery
