// The form skinner on real windows under Wine: which messages reach the window's own procedure
// before and after activation, the subclass chain surviving removal in either order, the client
// size kept under the skinned frame and given back on detach, the dialog width rule, Unicode
// text through the chain, the skinner's end with its window, and the popups it draws.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

#include "app/SkinResources.h"
#include "framework/win/Forms.h"
#include "framework/win/Menus.h"
#include "framework/win/StdCtrls.h"
#include "framework/win/Subclass.h"
#include "skin/data/SkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/package/SkinStore.h"
#include "tests/form/FormTestKit.h"
#include "tests/support/ApplicationTest.h"

namespace tw {
namespace {

constexpr UINT kProbe = WM_USER + 5;

// The window's own procedure records the messages that reach it.
std::vector<UINT> reached;
TWinSkinForm* skinnerUnderTest = nullptr;
bool busyWhenProbed = false;

LRESULT CALLBACK RecordingProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    reached.push_back(msg);
    if (msg == kProbe && skinnerUnderTest) busyWhenProbed = skinnerUnderTest->Busy();
    return DefWindowProcW(wnd, msg, wParam, lParam);
}

const wchar_t* RecordingClass() { return TestWindowClass(L"TwSkinFormRecorder", RecordingProc); }

bool Reached(UINT msg) {
    for (UINT m : reached)
        if (m == msg) return true;
    return false;
}

SIZE SizeOf(const RECT& r) { return SIZE{r.right - r.left, r.bottom - r.top}; }

class WinSkinFormTest : public TApplicationTest {
protected:
    static void SetUpTestSuite() {
        TApplicationTest::SetUpTestSuite();
        store_ = new TSkinStore(nullptr);
        LoadBuiltInSkins(*store_);
    }
    static void TearDownTestSuite() {
        delete store_;
        TApplicationTest::TearDownTestSuite();
    }
    void SetUp() override {
        reached.clear();
        skinnerUnderTest = nullptr;
    }

    std::unique_ptr<TSkinData> Skin(int index, bool frame = true) {
        auto data = std::make_unique<TSkinData>(nullptr);
        data->LoadFromStore(store_, index);
        if (!frame) data->SkinControls &= ~SetBit(xcMainMenu);
        return data;
    }

    static HWND RecordingWindow(DWORD style = WS_OVERLAPPEDWINDOW) {
        return CreateWindowExW(0, RecordingClass(), L"recorder", style, 40, 40, 320, 240, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }

    static void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }

    static inline TSkinStore* store_ = nullptr;
    TRecordingHost host_;
};

// Whether each message reaches the window's own procedure, before activation and after, with
// the frame skinned and with only the controls skinned.
TEST_F(WinSkinFormTest, EachStageKeepsFromTheWindowWhatItAnswersItself) {
    struct Case {
        UINT msg;
        bool frameBefore, frameAfter;  // frame skinned: reaches the window before / after activation
        bool plainBefore, plainAfter;  // only the controls skinned: running from the start
    };
    const Case cases[] = {
        {WM_NCPAINT, false, false, true, true},  {WM_NCACTIVATE, false, false, true, true},
        {SKM_QUERY, false, false, false, false}, {0xAE, false, false, false, false},
        {WM_NCHITTEST, true, false, true, true}, {kProbe, true, true, true, true},
    };
    for (bool frame : {true, false}) {
        auto data = Skin(2, frame);
        HWND wnd = RecordingWindow();
        ASSERT_NE(nullptr, wnd);
        TWinSkinForm skinner(wnd, &host_);
        skinner.AttachToWindow(data.get());
        ASSERT_TRUE(skinner.Attached());
        EXPECT_EQ(1, host_.attaching);
        for (bool activated : {false, true}) {
            if (activated) skinner.ActivateNow();
            for (const Case& c : cases) {
                reached.clear();
                LRESULT answer = SendMessageW(wnd, c.msg, c.msg == WM_NCACTIVATE, 0);
                bool expected = frame ? (activated ? c.frameAfter : c.frameBefore)
                                      : (activated ? c.plainAfter : c.plainBefore);
                EXPECT_EQ(expected, Reached(c.msg))
                    << "message 0x" << std::hex << c.msg << (frame ? " frame" : " controls only")
                    << (activated ? " after" : " before") << " activation";
                if (c.msg == SKM_QUERY) {
                    EXPECT_EQ(1, answer);
                }
            }
        }
        DestroyWindow(wnd);
        host_.attaching = 0;
    }
}

TEST_F(WinSkinFormTest, TheSubclassChainSurvivesRemovalInEitherOrder) {
    auto data = Skin(2);
    for (bool skinnerFirst : {true, false}) {
        HWND wnd = RecordingWindow();
        auto skinner = std::make_unique<TWinSkinForm>(wnd, &host_);
        skinner->AttachToWindow(data.get());
        skinner->ActivateNow();
        int aboveSeen = 0;
        struct TCounter {
            int* seen;
            TWindowSubclass* layer;
            void Route(TMessage& m) {
                if (m.Msg == kProbe) ++*seen;
                layer->CallPrevious(m);
            }
        };
        TWindowSubclass above;
        TCounter counter{&aboveSeen, &above};
        ASSERT_TRUE(above.Install(wnd, TWndMethod::Of<TCounter, &TCounter::Route>(&counter)));

        skinnerUnderTest = skinner.get();
        SendMessageW(wnd, kProbe, 0, 0);
        EXPECT_TRUE(busyWhenProbed) << "a skinner whose procedure is on the stack says it is busy";
        skinnerUnderTest = nullptr;

        if (skinnerFirst) {
            skinner->Detach();
            skinner.reset();
        } else {
            above.Remove();
        }
        reached.clear();
        SendMessageW(wnd, kProbe, 0, 0);
        EXPECT_TRUE(Reached(kProbe));
        EXPECT_EQ(skinnerFirst ? 2 : 1, aboveSeen);
        EXPECT_EQ(skinnerFirst ? 0 : 1, SendMessageW(wnd, SKM_QUERY, 0, 0));
        above.Remove();
        skinner.reset();
        EXPECT_EQ(0, SendMessageW(wnd, SKM_QUERY, 0, 0));
        EXPECT_EQ(reinterpret_cast<LONG_PTR>(&RecordingProc), GetWindowLongPtrW(wnd, GWLP_WNDPROC))
            << "the window's own procedure is back once every layer is off";
        DestroyWindow(wnd);
    }
}

// A framework form keeps its client size under each skin's frame, and gets its own frame, size,
// colour and window method back on detach.
TEST_F(WinSkinFormTest, AFormKeepsItsClientUnderEverySkinAndGetsItsFrameBack) {
    for (int index = 0; index < 5; ++index) {
        SCOPED_TRACE("skin " + std::to_string(index));
        auto data = Skin(index);
        TForm form(nullptr);
        form.SetBorderStyle(TFormBorderStyle::bsSingle);
        form.SetClientWidth(300);
        form.SetClientHeight(200);
        HWND wnd = form.Handle();
        RECT window0{}, client0{};
        GetWindowRect(wnd, &window0);
        GetClientRect(wnd, &client0);
        ASSERT_EQ(300, client0.right);
        TColor color0 = form.Color();
        TWndMethod method0 = form.WindowProc;

        TWinSkinForm skinner(wnd, &host_);
        skinner.AttachToForm(data.get(), &form);
        ShowWindow(wnd, SW_SHOWNOACTIVATE);  // activates the skinner as it shows
        EXPECT_EQ(stRunning, skinner.SkinState());
        const TFrameMetrics& m = skinner.Metrics();
        EXPECT_GT(m.TitleHeight, 0);
        RECT window{}, client{};
        GetWindowRect(wnd, &window);
        GetClientRect(wnd, &client);
        EXPECT_EQ(300, client.right);
        EXPECT_EQ(200, client.bottom);
        EXPECT_EQ(300 + m.BorderLeft + m.BorderRight, SizeOf(window).cx);
        EXPECT_EQ(200 + m.TitleHeight + m.BorderBottom, SizeOf(window).cy);
        EXPECT_NE(color0, form.Color());
        EXPECT_EQ(1, SendMessageW(wnd, SKM_QUERY, 0, 0));
        EXPECT_EQ(SKM_MAGIC, SendMessageW(wnd, SKM_PAINTPROBE, 0, SKM_MAGIC));

        skinner.Detach();
        GetWindowRect(wnd, &window);
        GetClientRect(wnd, &client);
        EXPECT_EQ(300, client.right);
        EXPECT_EQ(200, client.bottom);
        EXPECT_EQ(SizeOf(window0).cx, SizeOf(window).cx);
        EXPECT_EQ(SizeOf(window0).cy, SizeOf(window).cy);
        EXPECT_EQ(color0, form.Color());
        EXPECT_TRUE(form.WindowProc == method0);
        EXPECT_EQ(WS_CAPTION, GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CAPTION);
        EXPECT_EQ(0, SendMessageW(wnd, SKM_QUERY, 0, 0));
    }
}

// A method installed on the form above the skinner's keeps its chain when the skinner goes
// first, and the form can still go afterwards.
TEST_F(WinSkinFormTest, AFormMethodInstalledLaterKeepsWorkingAfterTheSkinnerGoes) {
    auto data = Skin(1);
    auto form = std::make_unique<TForm>(nullptr);
    form->SetClientWidth(200);
    form->SetClientHeight(100);
    HWND wnd = form->Handle();
    auto skinner = std::make_unique<TWinSkinForm>(wnd, &host_);
    skinner->AttachToForm(data.get(), form.get());
    skinner->ActivateNow();

    struct TLater {
        TWndMethod saved;
        int seen = 0;
        void Route(TMessage& m) {
            if (m.Msg == kProbe) ++seen;
            saved(m);
        }
    } later;
    later.saved = form->WindowProc;
    form->WindowProc = TWndMethod::Of<TLater, &TLater::Route>(&later);

    EXPECT_EQ(SKM_MAGIC, SendMessageW(wnd, SKM_PAINTPROBE, 0, SKM_MAGIC));
    skinner->Detach();
    skinner.reset();
    SendMessageW(wnd, kProbe, 0, 0);
    EXPECT_EQ(1, later.seen);
    EXPECT_EQ(0, SendMessageW(wnd, SKM_PAINTPROBE, 0, SKM_MAGIC)) << "the skinner's handler is out of the chain";
    SetWindowTextW(wnd, L"still answering");
    wchar_t text[32] = {};
    GetWindowTextW(wnd, text, 32);
    EXPECT_STREQ(L"still answering", text);
    form.reset();
}

TEST_F(WinSkinFormTest, ChineseTextPassesTheChainWhole) {
    auto data = Skin(2);
    HWND wnd = RecordingWindow();
    TWinSkinForm skinner(wnd, &host_);
    skinner.AttachToWindow(data.get());
    skinner.ActivateNow();
    const wchar_t text[] = L"视频转换 – 测试";
    SetWindowTextW(wnd, text);
    wchar_t back[64] = {};
    GetWindowTextW(wnd, back, 64);
    EXPECT_STREQ(text, back);
    DestroyWindow(wnd);
}

TEST_F(WinSkinFormTest, TheSkinnerEndsWithItsWindow) {
    auto data = Skin(2);
    HWND wnd = RecordingWindow();
    TWinSkinForm skinner(wnd, &host_);
    skinner.AttachToWindow(data.get());
    skinner.ActivateNow();
    DestroyWindow(wnd);
    EXPECT_EQ(stDestroyed, skinner.SkinState());
    EXPECT_FALSE(skinner.Attached());
    EXPECT_FALSE(skinner.Busy());
}

// A popup owned through one of the form's components (a page panel's menu) opens with the form's
// window as its owner, so it is the form's skinner's as much as one the form owns itself: both
// become owner-drawn and their items are measured from the skin. A form owned by the form keeps
// its menus for a skinner of its own. Detaching gives the menus back to the system.
TEST_F(WinSkinFormTest, PopupsOwnedThroughTheFormsComponentsAreTheFormSkinnersToDraw) {
    auto data = Skin(2);
    auto form = std::make_unique<TForm>(nullptr);
    auto* panel = new TPanel(form.get());
    auto* own = new TPopupMenu(form.get());
    auto* throughPanel = new TPopupMenu(panel);
    auto* ownedForm = new TForm(form.get());
    auto* ownedFormsMenu = new TPopupMenu(ownedForm);
    own->Items().Add(L"Own item");
    const UINT command = throughPanel->Items().Add(L"Panel's item").Command();
    ownedFormsMenu->Items().Add(L"Owned form's item");
    HWND wnd = form->Handle();
    auto skinner = std::make_unique<TWinSkinForm>(wnd, &host_);
    skinner->AttachToForm(data.get(), form.get());
    skinner->ActivateNow();

    EXPECT_TRUE(own->OwnerDraw());
    EXPECT_TRUE(throughPanel->OwnerDraw()) << "a popup owned by a panel of the form";
    EXPECT_FALSE(ownedFormsMenu->OwnerDraw()) << "an owned form's menu";
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, command, 0, 0, 0};
    EXPECT_EQ(TRUE, SendMessageW(wnd, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)));
    EXPECT_GT(measure.itemWidth, 0u);
    EXPECT_GT(measure.itemHeight, 0u);

    skinner->Detach();
    EXPECT_FALSE(own->OwnerDraw());
    EXPECT_FALSE(throughPanel->OwnerDraw());
    skinner.reset();
    form.reset();
}

// A dialog whose caption does not fit grows to hold it; its controls move right by half the growth.
TEST_F(WinSkinFormTest, ADialogGrowsToItsCaptionAndKeepsItsControlsCentred) {
    auto data = Skin(2);
    // An in-memory dialog template: the dialog, then one static control, DWORD-aligned.
    std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* dialogTemplate = reinterpret_cast<DLGTEMPLATE*>(t.data());
    dialogTemplate->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    dialogTemplate->cdit = 1;
    dialogTemplate->cx = 40;
    dialogTemplate->cy = 30;
    auto text = [&t](const wchar_t* s) {
        for (; *s; ++s) t.push_back(static_cast<WORD>(*s));
        t.push_back(0);
    };
    t.push_back(0);  // no menu
    t.push_back(0);  // the dialog class
    text(L"A caption far too long for so narrow a dialog to show whole");
    if (t.size() % 2) t.push_back(0);
    size_t item = t.size();
    t.resize(item + sizeof(DLGITEMTEMPLATE) / sizeof(WORD), 0);
    auto* itemTemplate = reinterpret_cast<DLGITEMTEMPLATE*>(t.data() + item);
    itemTemplate->style = WS_CHILD | WS_VISIBLE;
    itemTemplate->x = 4;
    itemTemplate->y = 4;
    itemTemplate->cx = 20;
    itemTemplate->cy = 8;
    itemTemplate->id = 100;
    t.push_back(0xFFFF);
    t.push_back(0x0082);  // static
    text(L"ok");
    t.push_back(0);  // no creation data
    HWND dialog = CreateDialogIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(t.data()), nullptr,
        [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    ASSERT_NE(nullptr, dialog);
    HWND child = GetDlgItem(dialog, 100);
    auto childLeft = [&] {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
        return r.left;
    };
    RECT client{}, window{};
    GetClientRect(dialog, &client);
    int leftBefore = childLeft();

    TWinSkinForm skinner(dialog, &host_);
    skinner.AttachToWindow(data.get());
    skinner.ActivateNow();
    const TFrameMetrics& m = skinner.Metrics();
    GetWindowRect(dialog, &window);
    int grown = SizeOf(window).cx - (client.right + m.BorderLeft + m.BorderRight);
    EXPECT_GT(grown, 0);
    EXPECT_EQ(grown / 2, childLeft() - leftBefore);
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace tw
