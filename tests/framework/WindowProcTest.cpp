// Windows and their message routes: replaceable WindowProc methods, subclass layers on many
// windows, window-to-control lookup, tab order, the freeing of a form's controls, and errors
// that reach the top of a callback or of the program's run.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <vector>

#include "framework/win/ComCtrls.h"
#include "framework/win/Forms.h"
#include "framework/win/Handles.h"
#include "framework/win/PropertyQuery.h"
#include "framework/win/StdCtrls.h"
#include "framework/win/Subclass.h"
#include "framework/win/Timer.h"
#include "framework/win/WebBrowser.h"
#include "tests/support/ApplicationTest.h"
#include "tests/support/GuiObjectCount.h"
#include "tests/support/MessageBoxWatch.h"

namespace tw {
namespace {

constexpr UINT kAsk = WM_APP + 40;

class FrameworkTest : public TApplicationTest {};

// Records every message it sees and passes it to the method it replaced.
class TRecorder {
public:
    void Attach(TControl& control) {
        control_ = &control;
        saved_ = control.WindowProc;
        control.WindowProc = TWndMethod::Of<TRecorder, &TRecorder::Handle>(this);
    }
    void Detach() {
        if (control_ && control_->WindowProc == TWndMethod::Of<TRecorder, &TRecorder::Handle>(this))
            control_->WindowProc = saved_;
    }
    void Handle(TMessage& m) {
        seen.push_back(m.Msg);
        if (m.Msg == kAsk) {
            m.Result = 77;
            return;
        }
        saved_(m);
    }
    std::vector<UINT> seen;

private:
    TControl* control_ = nullptr;
    TWndMethod saved_;
};

TEST_F(FrameworkTest, ReplacedWindowProcSeesEveryMessageAndRestoringBringsBackTheOriginal) {
    auto* form = new TForm(app_);
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 80, 24);
    button->SetCaption(L"按钮");
    HWND wnd = button->Handle();

    TRecorder recorder;
    recorder.Attach(*button);
    SendMessageW(wnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"换了"));
    wchar_t text[32] = {};
    SendMessageW(wnd, WM_GETTEXT, 32, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"换了");  // passed on: the button's own procedure still answers
    EXPECT_EQ(SendMessageW(wnd, kAsk, 0, 0), 77);
    button->Perform(CM_ENABLEDCHANGED);
    const std::vector<UINT> expected{WM_SETTEXT, WM_GETTEXT, kAsk, CM_ENABLEDCHANGED};
    std::vector<UINT> ours;
    for (UINT m : recorder.seen)
        if (m == WM_SETTEXT || m == WM_GETTEXT || m == kAsk || m == CM_ENABLEDCHANGED) ours.push_back(m);
    EXPECT_EQ(ours, expected);

    recorder.Detach();
    recorder.seen.clear();
    EXPECT_EQ(SendMessageW(wnd, kAsk, 0, 0), 0);
    EXPECT_TRUE(recorder.seen.empty());
    delete form;
}

// One subclass layer that answers kAsk with its own number.
struct TAnswerLayer {
    int id = 0;
    TWindowSubclass layer;
    void Handle(TMessage& m) {
        if (m.Msg == kAsk) {
            m.Result = m.WParam * 1000 + id;
            return;
        }
        layer.CallPrevious(m);
    }
};

TEST_F(FrameworkTest, SubclassLayersRouteManyWindowsToTheirOwnObjects) {
    auto* form = new TForm(app_);
    std::vector<TPanel*> panels;
    std::vector<std::unique_ptr<TAnswerLayer>> layers;
    for (int i = 0; i < 64; ++i) {
        auto* p = new TPanel(form);
        p->SetParent(form);
        p->SetBounds(i, i, 10, 10);
        panels.push_back(p);
        auto layer = std::make_unique<TAnswerLayer>();
        layer->id = i;
        ASSERT_TRUE(
            layer->layer.Install(p->Handle(), TWndMethod::Of<TAnswerLayer, &TAnswerLayer::Handle>(layer.get())));
        layers.push_back(std::move(layer));
    }
    for (int i = 63; i >= 0; --i) EXPECT_EQ(SendMessageW(panels[i]->Handle(), kAsk, 3, 0), 3000 + i);
    // The window's own procedure still runs below the layer.
    EXPECT_EQ(FindControlOfWindow(panels[5]->Handle()), panels[5]);
    layers.clear();
    EXPECT_EQ(SendMessageW(panels[0]->Handle(), kAsk, 3, 0), 0);
    delete form;
}

TEST_F(FrameworkTest, StackedLayersComeOffInAnyOrderWithoutCuttingTheChain) {
    auto* form = new TForm(app_);
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    HWND wnd = panel->Handle();

    struct TCounter {
        TWindowSubclass layer;
        int count = 0;
        void Handle(TMessage& m) {
            if (m.Msg == kAsk) ++count;
            layer.CallPrevious(m);
        }
    } lower, upper;
    TRecorder base;
    base.Attach(*panel);
    lower.layer.Install(wnd, TWndMethod::Of<TCounter, &TCounter::Handle>(&lower));
    upper.layer.Install(wnd, TWndMethod::Of<TCounter, &TCounter::Handle>(&upper));
    EXPECT_EQ(SendMessageW(wnd, kAsk, 0, 0), 77);
    lower.layer.Remove();  // the lower one leaves first
    EXPECT_EQ(SendMessageW(wnd, kAsk, 0, 0), 77);
    EXPECT_EQ(upper.count, 2);
    EXPECT_EQ(lower.count, 1);
    upper.layer.Remove();
    EXPECT_EQ(SendMessageW(wnd, kAsk, 0, 0), 77);
    EXPECT_EQ(upper.count, 2);
    base.Detach();
    delete form;
}

TEST_F(FrameworkTest, FindControlOfWindowKnowsOnlyFrameworkWindows) {
    auto* form = new TForm(app_);
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    EXPECT_EQ(FindControlOfWindow(edit->Handle()), edit);
    EXPECT_EQ(FindControlOfWindow(form->Handle()), form);
    EXPECT_EQ(FindControlOfWindow(nullptr), nullptr);
    const TWindowHandle foreign(
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(FindControlOfWindow(foreign.Get()), nullptr);
    delete form;
}

TEST_F(FrameworkTest, TabOrderListIncludesNestedControlsInTabOrder) {
    auto* form = new TForm(app_);
    auto* group = new TGroupBox(form);
    group->SetParent(form);
    auto* first = new TButton(form);
    first->SetParent(form);
    auto* inner1 = new TEdit(form);
    inner1->SetParent(group);
    auto* inner2 = new TButton(form);
    inner2->SetParent(group);
    inner2->SetTabOrder(0);  // now before inner1
    first->SetTabOrder(0);   // now before the group
    std::vector<TWinControl*> list;
    form->GetTabOrderList(list);
    EXPECT_EQ(list, (std::vector<TWinControl*>{first, group, inner2, inner1}));
    EXPECT_EQ(inner1->TabOrder(), 1);
    delete form;
}

TEST_F(FrameworkTest, FreeingAFormFreesNestedControlsAndTheirWindows) {
    test::TGuiObjectCount before, after;
    for (int round = 0; round < 21; ++round) {
        // The first round fills what the system keeps once (class brushes, font caches).
        if (round == 1) {
            ASSERT_TRUE(test::CountGuiObjects(before));
        }
        auto* form = new TForm(app_);
        form->Font().SetName(L"宋体");
        auto* panel = new TPanel(form);
        panel->SetParent(form);
        auto* list = new TListView(form);
        list->SetParent(panel);
        list->SetViewStyle(TViewStyle::vsReport);
        list->SetOwnerData(true);
        auto* label = new TLabel(form);
        label->SetParent(panel);
        label->SetCaption(L"标签");
        auto* combo = new TComboBox(form);
        combo->SetParent(panel);
        combo->SetItems({L"a", L"b"});
        HWND listWnd = list->Handle();
        HWND formWnd = form->Handle();
        delete form;
        EXPECT_FALSE(IsWindow(listWnd));
        EXPECT_FALSE(IsWindow(formWnd));
    }
    ASSERT_TRUE(test::CountGuiObjects(after));
    EXPECT_EQ(after.ByType, before.ByType);
    EXPECT_EQ(after.Windows, before.Windows);
    EXPECT_EQ(after.Menus, before.Menus);
    EXPECT_EQ(after.Icons, before.Icons);
}

TEST_F(FrameworkTest, DisablingAGroupDisablesItsControlsAndGivesEachItsOwnStateBack) {
    auto* form = new TForm(app_);
    auto* group = new TGroupBox(form);
    group->SetParent(form);
    auto* panel = new TPanel(form);
    panel->SetParent(group);
    auto* combo = new TComboBox(form);
    combo->SetParent(panel);
    auto* off = new TButton(form);
    off->SetParent(panel);
    off->SetEnabled(false);
    auto* label = new TLabel(form);
    label->SetParent(panel);
    form->HandleNeeded();

    group->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(combo->Handle()));
    EXPECT_FALSE(label->EffectivelyEnabled());
    EXPECT_TRUE(combo->Enabled());  // its own switch is untouched
    group->SetEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(combo->Handle()));
    EXPECT_FALSE(IsWindowEnabled(off->Handle()));  // disabled on its own, it stays so
    EXPECT_TRUE(label->EffectivelyEnabled());

    // A window made while its group is disabled starts disabled.
    group->SetEnabled(false);
    auto* late = new TEdit(form);
    late->SetParent(panel);
    EXPECT_FALSE(IsWindowEnabled(late->Handle()));
    delete form;
}

// A label in its parent's colour lets what the parent painted under it show (a skinned face,
// an image); one with a colour of its own still fills its box.
TEST_F(FrameworkTest, ALabelInItsParentsColourLeavesTheParentsPaintingUnderIt) {
    auto* form = new TForm(app_);
    form->SetColor(RGB(200, 0, 0));
    auto* inherits = new TLabel(form);
    inherits->SetParent(form);
    inherits->SetBounds(10, 10, 40, 16);
    inherits->SetAutoSize(false);
    inherits->SetCaption(L"");
    auto* own = new TLabel(form);
    own->SetParent(form);
    own->SetAutoSize(false);
    own->SetBounds(10, 40, 40, 16);
    own->SetCaption(L"");
    own->SetColor(RGB(0, 0, 200));
    form->HandleNeeded();

    const TWindowDC screen = ClientDC(nullptr);
    const TMemoryDC dc = CompatibleDC(screen.Get());
    const TBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), 100, 80));
    const TSelection selected = Select(dc.Get(), bitmap.Get());
    const TBrushHandle green(CreateSolidBrush(RGB(0, 200, 0)));
    RECT all{0, 0, 100, 80};
    FillRect(dc.Get(), &all, green.Get());  // what the parent painted before its children
    form->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0);
    EXPECT_EQ(RGB(0, 200, 0), GetPixel(dc.Get(), 30, 18)) << "the label in its parent's colour filled its box";
    EXPECT_EQ(RGB(0, 0, 200), GetPixel(dc.Get(), 30, 48));
    delete form;
}

TEST_F(FrameworkTest, DisabledTextAndBevelsTakeTheColoursTheirFormWasGivenAndTheSystemsOnceTheyAreTaken) {
    auto* form = new TForm(app_);
    form->SetColor(RGB(255, 255, 255));
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 90, 30);
    label->SetCaption(L"MMMMMMMM");
    label->SetEnabled(false);
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(0, 40, 40, 20);
    panel->SetCaption(L"");
    panel->SetBevelOuter(TBevelCut::bvRaised);
    form->HandleNeeded();
    auto paint = [](TControl& control, int width, int height) {
        const TWindowDC screen = ClientDC(nullptr);
        const TMemoryDC dc = CompatibleDC(screen.Get());
        const TBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
        const TSelection selected = Select(dc.Get(), bitmap.Get());
        control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(dc.Get(), x, y));
        return pixels;
    };
    auto has = [](const std::vector<COLORREF>& p, COLORREF c) { return std::find(p.begin(), p.end(), c) != p.end(); };
    const TEdgeColours skin{RGB(1, 2, 3), RGB(4, 5, 6)};
    form->SetEdgeColours(&skin);
    const std::vector<COLORREF> text = paint(*form, 90, 30), bevel = paint(*panel, 40, 20);
    EXPECT_TRUE(has(text, RGB(1, 2, 3)) && has(text, RGB(4, 5, 6)));
    EXPECT_FALSE(has(text, GetSysColor(COLOR_BTNSHADOW)));
    EXPECT_EQ(RGB(1, 2, 3), bevel.front()) << "the lit corner of a raised bevel";
    EXPECT_EQ(RGB(4, 5, 6), bevel.back()) << "the shaded corner of a raised bevel";
    form->SetEdgeColours(nullptr);
    const std::vector<COLORREF> ownText = paint(*form, 90, 30), ownBevel = paint(*panel, 40, 20);
    EXPECT_FALSE(has(ownText, RGB(4, 5, 6)));
    EXPECT_TRUE(has(ownText, GetSysColor(COLOR_BTNSHADOW)));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), ownBevel.front());
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), ownBevel.back());
    delete form;
}

TEST_F(FrameworkTest, WithoutAnHtmlEngineTheBannerPaneGoesOnPaintingItsOwnBanner) {
    // The bench leaves Wine without its browser engine, as many Wine set-ups are.
    auto* form = new TForm(app_);
    auto* banner = new TWebBrowser(form);
    banner->SetParent(form);
    banner->SetBounds(0, 0, 200, 80);
    banner->SetBannerText(L"Headline", L"Tagline");
    form->HandleNeeded();
    banner->Navigate(L"res://Tarnwick.exe/page.html");
    EXPECT_FALSE(banner->ShowsPage());
    EXPECT_EQ(L"res://Tarnwick.exe/page.html", banner->LocationURL());
    EXPECT_EQ(nullptr, GetWindow(banner->Handle(), GW_CHILD)) << "a browser window was left in the pane";
    const TWindowDC screen = ClientDC(nullptr);
    const TMemoryDC dc = CompatibleDC(screen.Get());
    const TBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), 200, 80));
    const TSelection selected = Select(dc.Get(), bitmap.Get());
    banner->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0);
    EXPECT_EQ(RGB(24, 58, 112), GetPixel(dc.Get(), 1, 1)) << "the banner's own band";
    delete form;
}

class TCountingForm : public TForm {
public:
    explicit TCountingForm(TComponent* owner) : TForm(owner) {}
    void Loaded() override { ++loaded; }
    int loaded = 0;
};

TEST_F(FrameworkTest, EveryFormIsLoadedOnceHoweverManyFollow) {
    auto* first = app_->CreateForm<TCountingForm>();
    auto* second = app_->CreateForm<TCountingForm>();
    EXPECT_EQ(first->loaded, 1);
    EXPECT_EQ(second->loaded, 1);
    EXPECT_FALSE(first->IsLoading());
    EXPECT_FALSE(app_->IsLoading());
    delete second;
    delete first;
}

TEST_F(FrameworkTest, ProgressBarKeepsItsPositionWithinItsRange) {
    auto* form = new TForm(app_);
    auto* bar = new TProgressBar(form);
    bar->SetParent(form);
    bar->SetMax(0);
    bar->SetMin(0);
    bar->SetPosition(12);
    EXPECT_EQ(bar->Position(), 0);
    bar->SetMax(100);
    bar->SetPosition(42);
    EXPECT_EQ(SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0), 42);
    bar->SetPosition(500);
    EXPECT_EQ(bar->Position(), 100);
    delete form;
}

// A caption changed after the window exists reaches the window, on a form and on a button.
TEST_F(FrameworkTest, ACaptionChangedAtRunTimeReachesTheWindow) {
    auto* form = new TForm(app_);
    auto* button = new TButton(form);
    button->SetParent(form);
    HWND buttons = button->Handle();
    for (auto [control, wnd] : {std::pair<TControl*, HWND>{form, form->Handle()}, {button, buttons}}) {
        control->SetCaption(L"新的文字");
        wchar_t text[32] = {};
        GetWindowTextW(wnd, text, 32);
        EXPECT_STREQ(L"新的文字", text);
    }
    delete form;
}

TEST_F(FrameworkTest, TimerTicksThroughTheMessageQueue) {
    TTimer timer(nullptr);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) { ++ticks; };
    timer.SetInterval(10);
    ULONGLONG until = GetTickCount64() + 2000;
    while (ticks < 3 && GetTickCount64() < until) {
        app_->WaitForHandleOrMessage(nullptr, 50);
        app_->ProcessMessages();
    }
    EXPECT_GE(ticks, 3);
    timer.SetEnabled(false);
    int stopped = ticks;
    until = GetTickCount64() + 100;
    while (GetTickCount64() < until) {
        app_->WaitForHandleOrMessage(nullptr, 20);
        app_->ProcessMessages();
    }
    EXPECT_EQ(ticks, stopped);
}

TEST_F(FrameworkTest, PropertyQueriesReadWindowlessControlsByName) {
    auto* form = new TForm(app_);
    auto* label = new TLabel(form);
    label->SetName("lblInfo");
    label->SetParent(form);
    label->SetCaption(L"转换完成");
    std::wstring value;
    EXPECT_TRUE(ReadPropertyText(*form, L"lblInfo.Caption", value));
    EXPECT_EQ(value, L"转换完成");
    EXPECT_TRUE(ReadPropertyText(*form, L"lblInfo.Visible", value));
    EXPECT_EQ(value, L"True");
    EXPECT_TRUE(ReadPropertyText(*form, L"BorderStyle", value));
    EXPECT_EQ(value, L"bsSizeable");
    EXPECT_FALSE(ReadPropertyText(*form, L"lblNone.Caption", value));
    EXPECT_FALSE(ReadPropertyText(*form, L"lblInfo.NoSuch", value));
    EXPECT_FALSE(ReadPropertyText(*form, L"lblInfo.Font", value));

    // The same over WM_COPYDATA, answered to the asking window.
    struct TAsker {
        std::wstring answer;
        TWindowSubclass layer;
        void Handle(TMessage& m) {
            auto* data = reinterpret_cast<const COPYDATASTRUCT*>(m.LParam);
            if (m.Msg == WM_COPYDATA && data->dwData == kPropertyAnswerTag) {
                answer.assign(static_cast<const wchar_t*>(data->lpData), data->cbData / sizeof(wchar_t));
                m.Result = TRUE;
                return;
            }
            layer.CallPrevious(m);
        }
    } asker;
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    asker.layer.Install(panel->Handle(), TWndMethod::Of<TAsker, &TAsker::Handle>(&asker));
    std::wstring query = L"lblInfo.Caption";
    COPYDATASTRUCT data{kPropertyQueryTag, static_cast<DWORD>(query.size() * sizeof(wchar_t)), query.data()};
    EXPECT_EQ(SendMessageW(form->Handle(), WM_COPYDATA, reinterpret_cast<WPARAM>(panel->Handle()),
                           reinterpret_cast<LPARAM>(&data)),
              TRUE);
    EXPECT_EQ(asker.answer, L"转换完成");
    asker.layer.Remove();
    delete form;
}

struct TOddError {};

TEST_F(FrameworkTest, NothingThrownInACallbackLeavesItAndTheErrorBoxTellsOfIt) {
    test::TMessageBoxWatch boxes;
    auto* form = new TForm(app_);
    auto* panel = new TPanel(form);
    panel->SetParent(form);

    // A timer tick, a posted call, a subclass layer and a window procedure, each throwing
    // something else.
    TTimer timer(nullptr);
    timer.SetInterval(10);
    timer.OnTimer = [&timer](TObject*) {
        timer.SetEnabled(false);
        throw 42;
    };
    app_->Invoke([] { throw std::runtime_error("posted call failed"); });
    struct TThrowingLayer {
        TWindowSubclass layer;
        void Handle(TMessage& m) {
            if (m.Msg == kAsk) throw TOddError{};
            layer.CallPrevious(m);
        }
    } thrower;
    thrower.layer.Install(panel->Handle(), TWndMethod::Of<TThrowingLayer, &TThrowingLayer::Handle>(&thrower));
    EXPECT_EQ(SendMessageW(panel->Handle(), kAsk, 0, 0), 0);
    struct TThrowingProc {
        void Handle(TMessage& m) {
            if (m.Msg == kAsk) throw Exception("窗口过程出错");
            saved(m);
        }
        TWndMethod saved;
    } proc;
    proc.saved = form->WindowProc;
    form->WindowProc = TWndMethod::Of<TThrowingProc, &TThrowingProc::Handle>(&proc);
    EXPECT_EQ(SendMessageW(form->Handle(), kAsk, 0, 0), 0);

    const ULONGLONG until = GetTickCount64() + 5000;
    while (boxes.Boxes().size() < 4 && GetTickCount64() < until) {
        app_->WaitForHandleOrMessage(nullptr, 20);
        app_->ProcessMessages();
    }
    std::vector<std::wstring> texts;
    for (const std::wstring& box : boxes.Boxes()) texts.push_back(box.substr(box.find(L'\n') + 1));
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts,
              (std::vector<std::wstring>{L"Unknown error", L"Unknown error", L"posted call failed", L"窗口过程出错"}));
    EXPECT_TRUE(IsWindow(panel->Handle()));  // everything still works after
    form->WindowProc = proc.saved;
    thrower.layer.Remove();
    delete form;
}

// A control of a window class nobody registered: its window cannot be made.
class TMissingClassControl : public TWinControl {
public:
    using TWinControl::TWinControl;

protected:
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        params.ClassName = L"TMissingClassControl";
        params.BaseClassName = L"NoSuchWindowClass";
    }
};

// A main form that fails while it is made: it makes its control's window at once.
class TUnmakeableForm : public TForm {
public:
    explicit TUnmakeableForm(TComponent* owner) : TForm(owner) {
        auto* control = new TMissingClassControl(this);
        control->SetParent(this);
        control->HandleNeeded();
    }
};

class TOddlyFailingForm : public TForm {
public:
    explicit TOddlyFailingForm(TComponent* owner) : TForm(owner) { throw TOddError{}; }
};

TEST_F(FrameworkTest, AMainFormThatCannotBeMadeIsReportedAndTheRunAnswersNonZero) {
    test::TMessageBoxWatch boxes;
    EXPECT_EQ(app_->Execute<TUnmakeableForm>(), 1);
    EXPECT_EQ(app_->Execute<TOddlyFailingForm>(), 1);
    EXPECT_EQ(app_->MainForm(), nullptr);
    EXPECT_FALSE(app_->IsLoading());
    const ULONGLONG until = GetTickCount64() + 5000;
    while (boxes.Boxes().size() < 2 && GetTickCount64() < until) Sleep(20);
    std::vector<std::wstring> texts;
    for (const std::wstring& box : boxes.Boxes()) texts.push_back(box.substr(box.find(L'\n') + 1));
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"Window class not found: NoSuchWindowClass", L"Unknown error"}));
}

}  // namespace
}  // namespace tw
