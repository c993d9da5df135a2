// The skin manager on real windows under Wine: which windows its hook gives a form skinner and
// with which skin component, the delayed actions over every form, message boxes, skin
// components that go before their windows, skinners busy inside modal loops, and GDI and USER
// counts over many rounds.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/SkinResources.h"
#include "framework/win/Forms.h"
#include "skin/data/SkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manage/FormSkinningWin.h"
#include "skin/manage/OptionalUser32.h"
#include "skin/manage/SkinManage.h"
#include "skin/package/SkinStore.h"
#include "tests/support/ApplicationTest.h"
#include "tests/support/GuiObjectCount.h"

namespace tw {
namespace {

constexpr wchar_t kBareClass[] = L"TwManageBarePreview";
constexpr wchar_t kAnsweringClass[] = L"TwManageAnswering";

LRESULT CALLBACK AnsweringProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == SKM_QUERY) return 1;
    return DefWindowProcW(wnd, msg, wParam, lParam);
}

void RegisterClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    WNDCLASSW bare{};
    bare.lpfnWndProc = DefWindowProcW;
    bare.hInstance = GetModuleHandleW(nullptr);
    bare.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    bare.lpszClassName = kBareClass;
    RegisterClassW(&bare);
    WNDCLASSW answering = bare;
    answering.lpfnWndProc = AnsweringProc;
    answering.lpszClassName = kAnsweringClass;
    RegisterClassW(&answering);
}

HWND TopLevel(const wchar_t* cls, HINSTANCE instance) {
    return CreateWindowExW(0, cls, L"bare", WS_OVERLAPPEDWINDOW, 40, 40, 320, 240, nullptr, nullptr, instance, nullptr);
}

// A dialog box made from a template in memory, by another module's hand (user32's instance).
HWND DialogBox32770() {
    struct alignas(4) {
        DLGTEMPLATE head;
        WORD menu, cls, title;
    } tmpl{};
    tmpl.head.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    tmpl.head.cx = 160;
    tmpl.head.cy = 90;
    return CreateDialogIndirectParamW(
        GetModuleHandleW(L"user32.dll"), &tmpl.head, nullptr,
        [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
}

// A form that runs a nested message loop for one of its messages, as a modal dialog would.
class TModalForm : public TForm {
public:
    explicit TModalForm(TComponent* owner) : TForm(owner) {}
    static constexpr UINT kRunModal = WM_APP + 7;
    std::function<void()> OnModal;

protected:
    void WndProc(TMessage& message) override {
        if (message.Msg == kRunModal && OnModal) {
            OnModal();
            message.Result = 1;
            return;
        }
        TForm::WndProc(message);
    }
};

// A component whose destructor reports, to see what is left when the components made after it
// have gone.
class TProbe : public TComponent {
public:
    explicit TProbe(TComponent* owner) : TComponent(owner) {}
    ~TProbe() override {
        if (OnGone) OnGone();
    }
    std::function<void()> OnGone;
};

struct TSize {
    int Width = 0, Height = 0;
    bool operator==(const TSize& o) const { return Width == o.Width && Height == o.Height; }
};

TSize WindowSize(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return {r.right - r.left, r.bottom - r.top};
}

TSize ClientSize(HWND w) {
    RECT r{};
    GetClientRect(w, &r);
    return {r.right, r.bottom};
}

class SkinManageWin : public TApplicationTest {
protected:
    static void SetUpTestSuite() {
        TApplicationTest::SetUpTestSuite();
        RegisterClasses();
        store_ = new TSkinStore(nullptr);
        LoadBuiltInSkins(*store_);
    }
    static void TearDownTestSuite() {
        delete store_;
        store_ = nullptr;
        TApplicationTest::TearDownTestSuite();
    }

    void SetUp() override {
        FreeSkinManager();
        main_ = LoadedData(sfMainform, 2);
        main_->SetActive(true);
        ASSERT_TRUE(SkinManager()->FSkinning);
    }
    void TearDown() override {
        for (TForm* form : std::vector<TForm*>(app_->Forms())) delete form;
        for (HWND w : windows_) DestroyWindow(w);
        extra_.clear();
        main_.reset();
        FreeSkinManager();
    }

    static std::unique_ptr<TSkinData> LoadedData(TSkinFormType type, int item, TComponent* owner = nullptr) {
        auto data = std::make_unique<TSkinData>(owner);
        data->SkinFormtype = type;
        data->BeginLoading();
        data->EndLoading();
        data->LoadFromStore(store_, item);
        EXPECT_FALSE(data->FNoSkin);
        return data;
    }

    static void Pump(int ms) {
        const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
        do {
            app_->ProcessMessages();
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        } while (static_cast<int>(end - GetTickCount()) > 0);
        app_->ProcessMessages();
    }
    // Pumps until done() holds, at most ms; answers whether it did.
    static bool PumpUntil(const std::function<bool()>& done, int ms) {
        const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
        while (!done()) {
            if (static_cast<int>(end - GetTickCount()) <= 0) return false;
            app_->ProcessMessages();
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        }
        return true;
    }

    static bool Skinned(HWND w) { return SendMessageW(w, SKM_QUERY, 0, 0) == 1; }
    static TWinFormSkinning& Skinning() { return static_cast<TWinFormSkinning&>(SkinManager()->FormSkinning()); }

    template <class T = TForm>
    T* NewForm(int tag = 0) {
        T* form = app_->CreateForm<T>();
        form->SetTag(tag);
        form->SetCaption(L"Skin manager test");
        form->SetLeft(60);
        form->SetTop(60);
        form->SetClientWidth(360);
        form->SetClientHeight(220);
        return form;
    }
    HWND Keep(HWND w) {
        windows_.push_back(w);
        return w;
    }

    static inline TSkinStore* store_ = nullptr;
    std::unique_ptr<TSkinData> main_;
    std::vector<std::unique_ptr<TSkinData>> extra_;
    std::vector<HWND> windows_;
};

TEST_F(SkinManageWin, TheHookSkinsTheWindowsMeantForItWithTheirComponent) {
    extra_.push_back(LoadedData(sfDialog, 0));
    TSkinData* dialog = extra_.back().get();
    const HINSTANCE user32 = GetModuleHandleW(L"user32.dll");
    struct TCase {
        const char* name;
        std::function<HWND()> show;
        TSkinData* expected;  // null: no skinner
        TSkinOptions options = kDefaultSkinOptions;
    };
    const TCase cases[] = {
        {"a form", [&] { return NewForm()->Handle(); }, main_.get()},
        {"a form with Tag 99", [&] { return NewForm(kNeverSkinTag)->Handle(); }, nullptr},
        {"a window of ours whose class says preview, with xoPreview",
         [&] { return Keep(TopLevel(kBareClass, GetModuleHandleW(nullptr))); }, main_.get()},
        {"the same without xoPreview", [&] { return Keep(TopLevel(kBareClass, GetModuleHandleW(nullptr))); }, nullptr,
         SetBit(xoToolbarBK)},
        {"a dialog box of another module", [&] { return Keep(DialogBox32770()); }, dialog},
        {"a top-level window of another module", [&] { return Keep(TopLevel(L"Static", user32)); }, nullptr},
        {"a window that says it is skinned already",
         [&] { return Keep(TopLevel(kAnsweringClass, GetModuleHandleW(nullptr))); }, nullptr},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        main_->Options = c.options;
        const HWND window = c.show();
        ASSERT_TRUE(window);
        ShowWindow(window, SW_SHOW);
        Pump(60);
        const TWinSkinForm* skinner = Skinning().FindFormSkinner(window);
        EXPECT_EQ(c.expected != nullptr, skinner != nullptr);
        if (skinner) {
            EXPECT_EQ(c.expected, skinner->SkinData());
            EXPECT_TRUE(Skinned(window));
            // A window answering the query is never given a second skinner.
            const int count = Skinning().SkinnerCount();
            EXPECT_FALSE(Skinning().AttachWindow(window));
            EXPECT_EQ(count, Skinning().SkinnerCount());
        }
    }
    EXPECT_EQ(3, Skinning().SkinnerCount());

    // The query alone keeps a second skinner off: a skinner taken off the list still answers.
    const HWND first = app_->Forms().front()->Handle();
    std::unique_ptr<TWinSkinForm> taken = Skinning().ForgetFormSkinner(first);
    ASSERT_TRUE(taken);
    EXPECT_TRUE(Skinned(first));
    EXPECT_FALSE(Skinning().AttachWindow(first));
    taken.reset();
    EXPECT_TRUE(Skinning().AttachWindow(first));
}

TEST_F(SkinManageWin, AtStartUpTheMainFormIsSkinnedAsItShowsBeforeAnythingOfItIsPainted) {
    // The program's order: the component is read (the hook goes in), the form's window is made,
    // the skin is loaded and switched on, and only then is the form shown.
    main_.reset();
    FreeSkinManager();
    main_ = std::make_unique<TSkinData>(nullptr);
    main_->BeginLoading();
    main_->EndLoading();
    TForm* form = NewForm();
    const HWND window = form->Handle();
    main_->LoadFromStore(store_, 2);
    main_->SetActive(true);
    EXPECT_FALSE(Skinned(window));
    form->Show();
    EXPECT_TRUE(Skinned(window)) << "skinned by the time it shows";
    const TWinSkinForm* skinner = Skinning().FindFormSkinner(window);
    ASSERT_NE(nullptr, skinner);
    EXPECT_EQ(stRunning, skinner->SkinState());
    EXPECT_EQ(form, skinner->Form());
}

TEST_F(SkinManageWin, ActiveOffGivesEveryWindowItsFrameBackAfterTheDelayAndOnSkinsAgain) {
    int changed = 0;
    main_->OnSkinChanged = [&](TObject*) { ++changed; };
    std::vector<TForm*> forms{NewForm(), NewForm(), NewForm(kNeverSkinTag)};
    std::vector<TSize> windowSizes, clientSizes;
    for (TForm* form : forms) {
        // Measured before the window is shown (and skinned): the system's own frame.
        windowSizes.push_back(WindowSize(form->Handle()));
        clientSizes.push_back(ClientSize(form->Handle()));
        form->Show();
    }
    auto skinnedCount = [&] {
        int n = 0;
        for (TForm* form : forms) n += Skinned(form->Handle()) ? 1 : 0;
        return n;
    };
    ASSERT_TRUE(PumpUntil([&] { return skinnedCount() == 2; }, 2000));
    Pump(100);
    for (size_t i = 0; i < forms.size(); ++i) EXPECT_EQ(clientSizes[i], ClientSize(forms[i]->Handle())) << i;
    EXPECT_FALSE(Skinned(forms[2]->Handle()));

    const DWORD off = GetTickCount();
    main_->SetActive(false);
    Pump(60);
    if (GetTickCount() - off < 200) {
        EXPECT_EQ(2, skinnedCount()) << "the action waits for its delay";
    }
    ASSERT_TRUE(PumpUntil([&] { return skinnedCount() == 0; }, 2000));
    EXPECT_GE(GetTickCount() - off, 200u);
    EXPECT_EQ(0, Skinning().SkinnerCount());
    Pump(300);
    EXPECT_EQ(1, changed);
    for (size_t i = 0; i < forms.size(); ++i) {
        EXPECT_EQ(windowSizes[i], WindowSize(forms[i]->Handle())) << i;
        EXPECT_EQ(clientSizes[i], ClientSize(forms[i]->Handle())) << i;
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(ERROR, GetWindowRgn(forms[i]->Handle(), region)) << i;
        DeleteObject(region);
    }

    main_->SetActive(true);
    ASSERT_TRUE(PumpUntil([&] { return skinnedCount() == 2; }, 2000));
    Pump(300);
    EXPECT_EQ(2, changed);
    EXPECT_EQ(2, Skinning().SkinnerCount());
    for (size_t i = 0; i < forms.size(); ++i) EXPECT_EQ(clientSizes[i], ClientSize(forms[i]->Handle())) << i;
}

struct TBoxCheck {
    int Ticks = 0;
    LRESULT Answer = -1;
};
TBoxCheck* boxCheck = nullptr;

BOOL CALLBACK FindBox(HWND w, LPARAM found) {
    wchar_t cls[16] = {};
    GetClassNameW(w, cls, 16);
    if (IsWindowVisible(w) && std::wstring(cls) == L"#32770") {
        *reinterpret_cast<HWND*>(found) = w;
        return FALSE;
    }
    return TRUE;
}

TEST_F(SkinManageWin, AMessageBoxOfTheProcessIsSkinnedWhileItIsUp) {
    TBoxCheck check;
    boxCheck = &check;
    const UINT_PTR timer = SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND box = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &FindBox, reinterpret_cast<LPARAM>(&box));
        if (!box) return;
        // Let it be activated and skinned first; then read the answer and close it.
        if (++boxCheck->Ticks < 3) return;
        if (boxCheck->Answer < 0) boxCheck->Answer = SendMessageW(box, SKM_QUERY, 0, 0);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    MessageBoxW(nullptr, L"A skinned message box", L"Skin manager test", MB_OK);
    KillTimer(nullptr, timer);
    boxCheck = nullptr;
    EXPECT_EQ(1, check.Answer);
    Skinning().PurgeForms();
    EXPECT_EQ(0, Skinning().SkinnerCount());
}

TEST_F(SkinManageWin, ASkinnerBusyInAModalLoopIsFreedOnlyOnceItHasReturned) {
    auto* form = NewForm<TModalForm>();
    form->Show();
    const HWND window = form->Handle();
    ASSERT_TRUE(PumpUntil([&] { return Skinned(window); }, 2000));
    int listedInside = -1, retiredInside = -1;
    form->OnModal = [&] {
        // The manager's timer fires in here, under the skinner's own procedure.
        main_->SetActive(false);
        Pump(600);
        listedInside = Skinning().SkinnerCount();
        retiredInside = Skinning().RetiredCount();
    };
    SendMessageW(window, TModalForm::kRunModal, 0, 0);
    EXPECT_EQ(0, listedInside);
    EXPECT_EQ(1, retiredInside);
    EXPECT_FALSE(Skinned(window));
    EXPECT_EQ(1, Skinning().RetiredCount());
    SkinManager()->PurgeForms();
    EXPECT_EQ(0, Skinning().RetiredCount());
}

TEST_F(SkinManageWin, AFormsSkinComponentThatGoesBeforeItsWindowTakesItsSkinnerAlong) {
    auto* form = NewForm();
    bool windowThere = false;
    int skinnersLeft = -1;
    bool stillSkinned = true;
    HWND window = form->Handle();
    // Made before the skin component, so it goes after it, while the window still exists.
    auto* probe = new TProbe(form);
    probe->OnGone = [&] {
        windowThere = IsWindow(window) != FALSE;
        skinnersLeft = Skinning().SkinnerCount() + Skinning().RetiredCount();
        stillSkinned = Skinned(window);
    };
    std::unique_ptr<TSkinData> own = LoadedData(sfMainform, 1, form);
    TSkinData* ownData = own.release();  // the form frees it
    form->Show();
    ASSERT_TRUE(PumpUntil([&] { return Skinned(window); }, 2000));
    ASSERT_NE(nullptr, Skinning().FindFormSkinner(window));
    EXPECT_EQ(ownData, Skinning().FindFormSkinner(window)->SkinData());
    delete form;
    EXPECT_TRUE(windowThere);
    EXPECT_EQ(0, skinnersLeft);
    EXPECT_FALSE(stillSkinned);
}

TEST_F(SkinManageWin, CountsStayFlatOverAttachDetachRoundsAndSkinSwitches) {
    using test::TGuiObjectCount;
    auto count = [] {
        TGuiObjectCount c;
        EXPECT_TRUE(test::CountGuiObjects(c));
        return c;
    };
    auto expectSame = [](const TGuiObjectCount& a, const TGuiObjectCount& b, const char* what) {
        EXPECT_EQ(a.Gdi(), b.Gdi()) << what;
        EXPECT_EQ(a.Windows, b.Windows) << what;
        EXPECT_EQ(a.Menus, b.Menus) << what;
        EXPECT_EQ(a.Icons, b.Icons) << what;
    };
    auto round = [&] {
        TForm* form = NewForm();
        form->Show();
        const HWND window = form->Handle();
        const bool skinned = PumpUntil([&] { return Skinned(window); }, 2000);
        Pump(5);
        delete form;
        Skinning().PurgeForms();
        return skinned;
    };
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(round());
    const TGuiObjectCount before = count();
    int skinnedRounds = 0;
    for (int i = 0; i < 200; ++i) skinnedRounds += round() ? 1 : 0;
    EXPECT_EQ(200, skinnedRounds);
    EXPECT_EQ(0, Skinning().SkinnerCount());
    expectSame(before, count(), "200 attach and detach rounds");

    TForm* form = NewForm();
    form->Show();
    ASSERT_TRUE(PumpUntil([&] { return Skinned(form->Handle()); }, 2000));
    auto switchTo = [&](int item) {
        main_->LoadFromStore(store_, item);
        ASSERT_EQ(saSkinChanged, SkinManager()->FAction);
        SkinManager()->DoAction();
        app_->ProcessMessages();
    };
    for (int item = 0; item < 5; ++item) switchTo(item);
    switchTo(0);
    const TGuiObjectCount beforeSwitches = count();
    for (int i = 1; i <= 200; ++i) switchTo(i % 5);
    EXPECT_TRUE(Skinned(form->Handle()));
    expectSame(beforeSwitches, count(), "200 skin switches");

    // The count can fail: one brush and one window left over show.
    const TBrushHandle brush(CreateSolidBrush(RGB(1, 2, 3)));
    const HWND extra = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 4, 4, nullptr, nullptr, nullptr, nullptr);
    const TGuiObjectCount leaked = count();
    EXPECT_EQ(beforeSwitches.Gdi() + 1, leaked.Gdi());
    EXPECT_EQ(beforeSwitches.Windows + 1, leaked.Windows);
    DestroyWindow(extra);
}

TEST_F(SkinManageWin, OneHookHowOftenItIsAskedForAndTheManagerLeavesEveryWindowAsItWas) {
    const HHOOK hook = Skinning().Hook();
    ASSERT_TRUE(hook);
    SkinManager()->InstallHook();
    extra_.push_back(LoadedData(sfMainform, 3));  // a second main-form component installs it too
    EXPECT_EQ(hook, Skinning().Hook());

    TForm* form = NewForm();
    const TSize clientSize = ClientSize(form->Handle());
    form->Show();
    ASSERT_TRUE(PumpUntil([&] { return Skinned(form->Handle()); }, 2000));
    FreeSkinManager();
    EXPECT_FALSE(Skinned(form->Handle()));
    EXPECT_EQ(clientSize, ClientSize(form->Handle()));
    // Without a manager nothing is hooked: a new window stays as the system makes it.
    TForm* later = NewForm();
    later->Show();
    Pump(100);
    EXPECT_FALSE(Skinned(later->Handle()));
}

TEST_F(SkinManageWin, AHandlerThatThrowsInTheHookOrTheTimerLeavesTheProgramRunning) {
    main_->OnFormSkin = [](TObject*, const std::string&, bool&) { throw std::runtime_error("refused loudly"); };
    TForm* form = NewForm();
    form->Show();
    Pump(150);
    EXPECT_FALSE(Skinned(form->Handle()));
    EXPECT_EQ(0, Skinning().SkinnerCount());

    main_->OnFormSkin = nullptr;
    main_->OnSkinChanged = [](TObject*) { throw std::runtime_error("changed loudly"); };
    SkinManager()->FPendingData = main_.get();
    SkinManager()->Request(saActivate, 10);
    ASSERT_TRUE(PumpUntil([&] { return Skinned(form->Handle()); }, 2000));
    EXPECT_FALSE(SkinManager()->Timer().Enabled());
}

TEST_F(SkinManageWin, ASkinThatCannotBeReadSkinsNothing) {
    main_.reset();
    FreeSkinManager();
    TSkinStore broken(nullptr);
    TSkinCollectionItem* item = broken.Store()->Add();
    const char garbage[] = "\x10\x00\x00\x00not a skin package at all";
    item->Data().Write(garbage, sizeof garbage);
    main_ = std::make_unique<TSkinData>(nullptr);
    main_->BeginLoading();
    main_->EndLoading();
    main_->LoadFromStore(&broken, 0);
    EXPECT_TRUE(main_->FNoSkin);
    main_->SetActive(true);
    TForm* form = NewForm();
    form->Show();
    Pump(400);
    EXPECT_FALSE(Skinned(form->Handle()));
    EXPECT_EQ(0, Skinning().SkinnerCount());
}

TEST(OptionalUser32, TheFourFunctionsAreFoundByName) {
    const TOptionalUser32& user32 = OptionalUser32();
    EXPECT_NE(nullptr, user32.GetScrollBarInfo);
    EXPECT_NE(nullptr, user32.GetComboBoxInfo);
    EXPECT_NE(nullptr, user32.DisableProcessWindowsGhosting);
    ASSERT_NE(nullptr, user32.TrackMouseEvent);
    TRACKMOUSEEVENT query{sizeof query, TME_QUERY, nullptr, 0};
    EXPECT_TRUE(user32.TrackMouseEvent(&query));
    EXPECT_EQ(&user32, &OptionalUser32());
}

}  // namespace
}  // namespace tw
