#include "tests/gallery/GalleryFormMdi.h"

#include "app/MainFormSkin.h"
#include "framework/core/ClassInfo.h"
#include "framework/win/CheckBoxes.h"
#include "framework/win/Forms.h"
#include "framework/win/Menus.h"
#include "framework/win/ScrolledControls.h"
#include "framework/win/StdCtrls.h"
#include "skin/data/CaptionButtons.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinCaption.h"
#include "skin/form/WinSkinForm.h"
#include "skin/form/WinSkinMenu.h"
#include "skin/manage/FormSkinningWin.h"
#include "skin/manage/SkinManage.h"
#include "skin/package/SkinStore.h"
#include "tests/gallery/GalleryCount.h"
#include "tests/gallery/GallerySkin.h"
#include "tests/support/GuiObjectCount.h"

namespace tw::gallery {

namespace {

constexpr int kFrameClientWidth = 720;
constexpr int kFrameClientHeight = 480;
constexpr int kChildClientWidth = 300;
constexpr int kChildClientHeight = 150;
constexpr DWORD kStepTimeout = 20000;
constexpr int kWarmUpChildren = 3;

// A child with a few controls, so its control skinners come and go with it.
class TFrmGalleryMdiChild : public TMDIChild {
    TW_CLASS_INFO()
public:
    TFrmGalleryMdiChild(TMDIForm* frame, int number) : TMDIChild(frame) {
        SetCaption(L"Child " + std::to_wstring(number));
        SetBounds(16 + 24 * ((number - 1) % 6), 16 + 24 * ((number - 1) % 6), 0, 0);
        SetClientWidth(kChildClientWidth);
        SetClientHeight(kChildClientHeight);
        auto* label = new TLabel(this);
        label->SetParent(this);
        label->SetBounds(10, 12, 0, 0);
        label->SetCaption(L"Child " + std::to_wstring(number) + L" 子窗口");
        auto* edit = new TEdit(this);
        edit->SetParent(this);
        edit->SetBounds(10, 36, 150, 22);
        edit->SetText(L"text " + std::to_wstring(number));
        auto* button = new TButton(this);
        button->SetParent(this);
        button->SetBounds(10, 70, 90, 26);
        button->SetCaption(L"Button");
        auto* check = new TCheckBox(this);
        check->SetParent(this);
        check->SetBounds(10, 110, 150, 20);
        check->SetCaption(L"Check 选择");
        check->SetChecked(number % 2 == 1);
        // More items than it shows: its scroll bar is skinned with it.
        auto* list = new TListBox(this);
        list->SetParent(this);
        list->SetBounds(180, 12, 110, 120);
        std::vector<std::wstring> items;
        for (int i = 1; i <= 12; ++i) items.push_back(L"Item " + std::to_wstring(i));
        list->SetItems(std::move(items));
        list->SetItemIndex(0);
    }
};

const TClassInfo& TFrmGalleryMdiChild::StaticClassInfo() {
    static const TClassInfo info{"TFrmGalleryMdiChild", &TMDIChild::StaticClassInfo(), {}};
    return info;
}

TWinFormSkinning* PlatformSkinning() {
    TSkinManage* manager = SkinManager();
    return manager ? dynamic_cast<TWinFormSkinning*>(&manager->FormSkinning()) : nullptr;
}

int LiveSkinners() {
    TSkinManage* manager = SkinManager();
    TWinFormSkinning* skinning = PlatformSkinning();
    if (!manager || !skinning) return -1;
    manager->PurgeForms();
    return skinning->SkinnerCount() + skinning->RetiredCount();
}

LRESULT BandButtonCentre(HWND frame, int action) {
    TWinFormSkinning* skinning = PlatformSkinning();
    TWinSkinForm* skinner = skinning ? skinning->FindFormSkinner(frame) : nullptr;
    if (!skinner || !skinner->ActiveMdiChildMaximised()) return -1;
    const auto centre = [](const TRect& b) { return MAKELONG((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2); };
    // The system-menu action stands for the child's icon at the band's start.
    if (action == caSystemMenu) {
        const TMdiChildIcon* icon = skinner->MenuBar() ? &skinner->MenuBar()->ChildIcon() : nullptr;
        return icon && icon->Visible ? centre(icon->Bounds) : -1;
    }
    for (const auto& button : skinner->Buttons()) {
        if (button->Action() != action || !button->Visible || button->Skin.Visibility != kMenuBandVisibility) continue;
        return centre(button->Bounds);
    }
    return -1;
}

bool Skinned(HWND window) { return window && IsWindow(window) && SendMessageW(window, SKM_QUERY, 0, 0) == 1; }

}  // namespace

const TClassInfo& TFrmGalleryMdi::StaticClassInfo() {
    static const TClassInfo info{"TFrmGalleryMdi", &TMDIForm::StaticClassInfo(), {}};
    return info;
}

TFrmGalleryMdi::TFrmGalleryMdi(TComponent* owner) : TMDIForm(owner) {
    SetName("FrmGalleryMdi");
    SetCaption(L"Skin Gallery - MDI");
    SetPosition(TPosition::poScreenCenter);
    SetClientWidth(kFrameClientWidth);
    SetClientHeight(kFrameClientHeight);

    const TMainFormSkin skin = CreateMainFormSkin(*this);
    SkinData1 = skin.Data;
    SkinStore1 = skin.Store;
    SkinCaption1 = skin.Caption;
    SkinCaption1->SetActive(true);

    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    TMenuItem& file = MainMenu1->Items().Add(L"&File");
    file.Add(L"&New child", [this](TMenuItem&) { NewChild(); });
    file.Add(L"&Close child", [this](TMenuItem&) { CloseActiveChild(); });
    TMenuItem& window = MainMenu1->Items().Add(L"&Window");
    window.Add(L"&Tile", [this](TMenuItem&) { Tile(); });
    window.Add(L"&Cascade", [this](TMenuItem&) { Cascade(); });
    // The skin changes while the children are open, as the pages' chooser changes it.
    TMenuItem& skins = MainMenu1->Items().Add(L"&Skin");
    for (int i = 0; i < kBuiltInSkinCount; ++i) {
        TMenuItem& entry = skins.Add(L"&" + std::to_wstring(i + 1) + L" " + BuiltInSkinLabel(i),
                                     [this, i](TMenuItem&) { SwitchSkin(i); });
        entry.SetRadioItem(true);
    }
    SetMainMenu(MainMenu1);
    SetWindowMenuItem(&window);
}

void TFrmGalleryMdi::Start(const TGalleryOptions& options) {
    ApplySkin(options.Skin, options.SkinningOn);
    Show();
    if (options.Count == TCountRun::crNone) {
        NewChild();
        NewChild();
    }
}

void TFrmGalleryMdi::SwitchSkin(int index) {
    TSkinChoice choice;
    choice.Index = index;
    ApplySkin(choice, true);
}

void TFrmGalleryMdi::ApplySkin(const TSkinChoice& choice, bool skinningOn) {
    const TSkinLoadResult result = LoadGallerySkin(*SkinData1, *SkinStore1, choice, skinningOn);
    std::wstring title = L"Skin Gallery - MDI";
    if (!result.Name.empty()) title += L" - " + result.Name;
    if (!skinningOn) title += L" - skinning off";
    SetCaption(title);
    if (HandleAllocated()) SetWindowTextW(Handle(), title.c_str());
    TMenuItem& skins = MainMenu1->Items().Items(2);
    for (int i = 0; i < skins.Count(); ++i) skins.Items(i).SetChecked(!choice.IsFile() && i == choice.Index);
}

TMDIChild* TFrmGalleryMdi::NewChild() {
    auto* child = new TFrmGalleryMdiChild(this, ++made_);
    child->Show();
    child->Activate();
    return child;
}

void TFrmGalleryMdi::CloseActiveChild() {
    if (TMDIChild* child = ActiveMDIChild()) PostMessageW(child->Handle(), WM_CLOSE, 0, 0);
}

void TFrmGalleryMdi::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_GALLERY_MDI_SKINNERS:
            message.Result = LiveSkinners();
            return;
        case WM_GALLERY_MDI_NEW_CHILD:
            message.Result = reinterpret_cast<LRESULT>(NewChild()->Handle());
            return;
        case WM_GALLERY_MDI_BAND_BUTTON:
            message.Result = BandButtonCentre(Handle(), static_cast<int>(message.WParam));
            return;
        case WM_GALLERY_MDI_CHILDREN:
            message.Result = MDIChildCount();
            return;
        default:
            TMDIForm::WndProc(message);
    }
}

namespace {

// One round: a child made, skinned with its controls, painted, closed and gone.
bool ChildRound(TApplication& app, TFrmGalleryMdi& frame) {
    const HWND child = frame.NewChild()->Handle();
    if (!PumpUntil(
            app, [child] { return Skinned(child); }, kStepTimeout))
        return false;
    RedrawWindow(child, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PostMessageW(child, WM_CLOSE, 0, 0);
    return PumpUntil(
        app, [child] { return !IsWindow(child); }, kStepTimeout);
}

// MDI children made, skinned, painted and closed: each one's skinners, frame and controls must
// go with it.
class TChildRounds : public TCountRounds {
public:
    TChildRounds(TApplication& app, TFrmGalleryMdi& frame) : app_(app), frame_(frame) {}
    std::string FormName() const override { return "the MDI frame"; }
    bool WarmUp() override {
        for (int i = 0; i < kWarmUpChildren; ++i)
            if (!ChildRound(app_, frame_)) return false;
        return true;
    }
    bool Round(int) override {
        ++rounds_;
        return ChildRound(app_, frame_);
    }
    // Before the first count and before the second: the skinners alive then.
    void Paint() override {
        app_.ProcessMessages();
        (settled_++ == 0 ? skinnersBefore_ : skinnersAfter_) = LiveSkinners();
    }
    std::string What() const override { return std::to_string(rounds_) + " MDI child lifetimes"; }
    // The form skinners are counted too: a child's that outlived it holds no GDI object.
    bool OwnCheck() override {
        Print("form skinners: " + std::to_string(skinnersBefore_) + " before, " + std::to_string(skinnersAfter_) +
              " after\n");
        return skinnersBefore_ == skinnersAfter_;
    }

private:
    TApplication& app_;
    TFrmGalleryMdi& frame_;
    int rounds_ = 0;
    int settled_ = 0;
    int skinnersBefore_ = 0, skinnersAfter_ = 0;
};

}  // namespace

int RunMdiGallery(TApplication& app, const TGalleryOptions& options) {
    auto* frame = app.CreateForm<TFrmGalleryMdi>();
    frame->Start(options);
    if (options.Count == TCountRun::crMdiChildren) {
        TChildRounds run(app, *frame);
        return RunCount(app, *frame, run, options.CountRounds);
    }
    app.Run();
    return 0;
}

}  // namespace tw::gallery
