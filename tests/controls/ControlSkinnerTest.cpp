// Control skinners on real windows under Wine: which children of a framework form and of a bare
// window get a skinner (push buttons answer the skin query, a Tag 99 button and the kinds not
// built do not), detaching gives each control its own procedure back, the button's frame follows
// hover, press and leave, a press that leaves the button gives no click, a click handler may end
// the skin under the skinner that called it, a skin without a button image leaves the system's
// look, group boxes and progress bars are drawn from the skin (a bar filled as far as its
// position says), and the process's GDI and USER objects stay flat over 200 skin switches.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

#include "app/SkinResources.h"
#include "framework/win/ComCtrls.h"
#include "framework/win/Forms.h"
#include "framework/win/Handles.h"
#include "framework/win/StdCtrls.h"
#include "skin/controls/ButtonFrame.h"
#include "skin/controls/ChildSkinning.h"
#include "skin/controls/ProgressFill.h"
#include "skin/controls/SkinButton.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/WinSkinForm.h"
#include "skin/package/SkinStore.h"
#include "tests/controls/SkinnerTest.h"
#include "tests/support/ApplicationTest.h"
#include "tests/support/GuiObjectCount.h"

namespace tw {
namespace {

// A window's picture as its procedure prints it (WM_PRINTCLIENT), as 0x00BBGGRR pixels.
std::vector<COLORREF> Print(HWND wnd) {
    RECT r{};
    GetClientRect(wnd, &r);
    const TWindowDC screen = ClientDC(nullptr);
    const TMemoryDC dc = CompatibleDC(screen.Get());
    const TBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), r.right, r.bottom));
    const TSelection selected = Select(dc.Get(), bitmap.Get());
    SendMessageW(wnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT | PRF_ERASEBKGND);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x) pixels.push_back(GetPixel(dc.Get(), x, y));
    return pixels;
}

int CountOf(const std::vector<COLORREF>& pixels, COLORREF colour) {
    int n = 0;
    for (COLORREF p : pixels) n += p == colour;
    return n;
}

class ControlSkinnerTest : public TSkinnerTest {
protected:
    // A form with a push button, a disabled one, one tagged 99, an edit, a group box with a label
    // and a progress bar.
    struct TSampleForm {
        explicit TSampleForm(TComponent* owner) : form(new TForm(owner)) {
            form->SetClientWidth(320);
            form->SetClientHeight(160);
            auto button = [this](int top, const wchar_t* caption) {
                auto* b = new TButton(form);
                b->SetParent(form);
                b->SetBounds(10, top, 120, 28);
                b->SetCaption(caption);
                return b;
            };
            plain = button(10, L"Convert 转换");
            disabled = button(44, L"Disabled");
            disabled->SetEnabled(false);
            untouched = button(78, L"Tag 99");
            untouched->SetTag(99);
            edit = new TEdit(form);
            edit->SetParent(form);
            edit->SetBounds(150, 10, 150, 22);
            auto* group = new TGroupBox(form);
            group->SetParent(form);
            group->SetBounds(150, 40, 160, 70);
            group->SetCaption(L"Group");
            auto* label = new TLabel(form);
            label->SetParent(group);
            label->SetBounds(10, 24, 100, 16);
            label->SetCaption(L"Label");
            auto* bar = new TProgressBar(form);
            bar->SetParent(form);
            bar->SetBounds(150, 120, 160, 16);
            bar->SetPosition(40);
            plain->OnClick = [this](TObject*) {
                ++clicks;
                if (onClick) onClick();
            };
            form->HandleNeeded();
        }
        ~TSampleForm() { delete form; }
        TForm* form;
        TButton *plain, *disabled, *untouched;
        TEdit* edit;
        int clicks = 0;
        std::function<void()> onClick;
    };
};

TEST_F(ControlSkinnerTest, AFrameworkFormsPushButtonsAreSkinnedAndGetTheirOwnProcedureBack) {
    for (int index = 0; index < 5; ++index) {
        SCOPED_TRACE("skin " + std::to_string(index));
        auto data = Skin(index);
        TSampleForm sample(app_);
        const TWndMethod own = sample.plain->WindowProc;
        TWinSkinForm skinner(sample.form->Handle(), nullptr);
        skinner.AttachToForm(data.get(), sample.form);
        ShowWindow(sample.form->Handle(), SW_SHOWNOACTIVATE);
        skinner.ActivateNow();
        EXPECT_EQ(1, Query(sample.plain->Handle()));
        EXPECT_EQ(1, Query(sample.disabled->Handle()));
        EXPECT_EQ(0, Query(sample.untouched->Handle())) << "a Tag 99 button stays the system's";
        EXPECT_EQ(1, Query(sample.edit->Handle()));
        // Two buttons, the edit, the group box, the bar, and the form's edge-colour keeper.
        EXPECT_EQ(6u, skinner.Skinners().size());
        EXPECT_FALSE(sample.plain->WindowProc == own);

        // A second activation pass finds every control skinned already.
        SkinFormChildren(skinner);
        EXPECT_EQ(6u, skinner.Skinners().size());

        // The disabled button shows the disabled frame, the other one normal or focused.
        Print(sample.disabled->Handle());
        EXPECT_EQ(bfDisabled, SkinnerOf<TSkinButton>(skinner, sample.disabled->Handle())->LastFrame());

        skinner.Detach();
        EXPECT_TRUE(sample.plain->WindowProc == own);
        EXPECT_EQ(0, Query(sample.plain->Handle()));
        EXPECT_EQ(0u, skinner.Skinners().size());
    }
}

TEST_F(ControlSkinnerTest, TheButtonFrameFollowsTheMouseAndAPressThatLeavesGivesNoClick) {
    auto data = Skin(2);
    TSampleForm sample(app_);
    TWinSkinForm skinner(sample.form->Handle(), nullptr);
    skinner.AttachToForm(data.get(), sample.form);
    ShowWindow(sample.form->Handle(), SW_SHOWNOACTIVATE);
    skinner.ActivateNow();
    HWND b = sample.plain->Handle();
    TSkinButton* button = SkinnerOf<TSkinButton>(skinner, b);
    ASSERT_NE(nullptr, button);
    const LPARAM inside = MAKELPARAM(20, 10);

    const std::vector<COLORREF> normal = Print(b);
    SendMessageW(b, WM_MOUSEMOVE, 0, inside);
    EXPECT_EQ(bfHot, button->LastFrame());
    const std::vector<COLORREF> hot = Print(b);
    SendMessageW(b, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    EXPECT_EQ(bfPressed, button->LastFrame());
    const std::vector<COLORREF> pressed = Print(b);
    EXPECT_NE(normal, hot) << "the hot frame looks like the normal one";
    EXPECT_NE(hot, pressed) << "the pressed frame looks like the hot one";
    SendMessageW(b, WM_LBUTTONUP, 0, inside);
    EXPECT_EQ(1, sample.clicks);
    EXPECT_EQ(bfHot, button->LastFrame());

    // Press, leave, release: the press ended with the leave, so no click.
    SendMessageW(b, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    SendMessageW(b, WM_MOUSELEAVE, 0, 0);
    EXPECT_NE(bfPressed, button->LastFrame());
    EXPECT_NE(bfHot, button->LastFrame());
    SendMessageW(b, WM_LBUTTONUP, 0, MAKELPARAM(500, 10));
    EXPECT_EQ(1, sample.clicks);

    // Skinning switched off: every message goes to the button itself, and back on.
    SendMessageW(b, SKM_ENABLE, 0, 0);
    EXPECT_EQ(0, Query(b));
    SendMessageW(b, SKM_ENABLE, 1, 0);
    EXPECT_EQ(1, Query(b));
}

// A method installed on the button above the skinner's keeps its chain when the skinner goes
// first; the skinner's layer then only passes messages on, and leaves when that method does.
TEST_F(ControlSkinnerTest, AMethodInstalledAboveTheSkinnerKeepsWorkingAfterItGoes) {
    auto data = Skin(2);
    TSampleForm sample(app_);
    const TWndMethod own = sample.plain->WindowProc;
    TWinSkinForm skinner(sample.form->Handle(), nullptr);
    skinner.AttachToForm(data.get(), sample.form);
    skinner.ActivateNow();
    struct TLater {
        TWndMethod saved;
        int seen = 0;
        void Route(TMessage& m) {
            if (m.Msg == WM_USER + 9) ++seen;
            saved(m);
        }
    } later;
    later.saved = sample.plain->WindowProc;
    sample.plain->WindowProc = TWndMethod::Of<TLater, &TLater::Route>(&later);
    HWND b = sample.plain->Handle();
    EXPECT_EQ(1, Query(b));
    skinner.Detach();
    EXPECT_EQ(0, Query(b)) << "the skinner still answers from under the later method";
    SendMessageW(b, WM_USER + 9, 0, 0);
    EXPECT_EQ(1, later.seen);
    sample.plain->WindowProc = later.saved;
    SendMessageW(b, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(b, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(1, sample.clicks) << "the button's own click after the skinner left";
    EXPECT_FALSE(sample.plain->WindowProc == own);  // the passing layer stays with the control
}

// The convert button's click runs a whole conversion, during which the skin may go: the skinner
// that called the handler is freed under it and must not be touched again.
TEST_F(ControlSkinnerTest, AClickHandlerMayEndTheSkinUnderTheSkinnerThatCalledIt) {
    auto data = Skin(1);
    TSampleForm sample(app_);
    const TWndMethod own = sample.plain->WindowProc;
    auto skinner = std::make_unique<TWinSkinForm>(sample.form->Handle(), nullptr);
    skinner->AttachToForm(data.get(), sample.form);
    ShowWindow(sample.form->Handle(), SW_SHOWNOACTIVATE);
    skinner->ActivateNow();
    HWND b = sample.plain->Handle();
    sample.onClick = [&skinner] {
        skinner->Detach();
        skinner.reset();
    };
    SendMessageW(b, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageW(b, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(b, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(1, sample.clicks);
    EXPECT_EQ(nullptr, skinner);
    EXPECT_TRUE(sample.plain->WindowProc == own);
    EXPECT_EQ(0, Query(b));
    SendMessageW(b, WM_PAINT, 0, 0);  // still a working button
}

// A window destroyed while skinned: the skinner is gone from its messages at once and is freed
// at the next sweep, not during the message.
TEST_F(ControlSkinnerTest, AButtonThatGoesLeavesItsSkinnerForTheNextSweep) {
    auto data = Skin(3);
    TSampleForm sample(app_);
    TWinSkinForm skinner(sample.form->Handle(), nullptr);
    skinner.AttachToForm(data.get(), sample.form);
    skinner.ActivateNow();
    ASSERT_EQ(6u, skinner.Skinners().size());  // five controls and the form's edge-colour keeper
    delete sample.disabled;
    sample.disabled = nullptr;
    EXPECT_EQ(6u, skinner.Skinners().size());
    skinner.SweepSkinners();
    EXPECT_EQ(5u, skinner.Skinners().size());
    skinner.Detach();
}

// A button tagged 5555 shows its parent's picture where the skin's button image is see-through;
// any other button shows the skin's face there.
TEST_F(ControlSkinnerTest, AButtonTagged5555ShowsItsParentBehindTheSeeThroughParts) {
    const COLORREF green = RGB(0, 200, 0);
    int skinsShowingParent = 0;
    for (int index = 0; index < 5; ++index) {
        SCOPED_TRACE("skin " + std::to_string(index));
        auto data = Skin(index);
        auto* form = new TForm(app_);
        form->SetClientWidth(300);
        form->SetClientHeight(100);
        auto* panel = new TPanel(form);  // kept unskinned, so it keeps its own colour
        panel->SetParent(form);
        panel->SetTag(99);
        panel->SetBevelOuter(TBevelCut::bvNone);
        panel->SetBounds(0, 0, 300, 100);
        panel->SetColor(green);
        auto button = [&](int left, int tag) {
            auto* b = new TButton(form);
            b->SetParent(panel);
            b->SetBounds(left, 20, 120, 28);
            b->SetCaption(L"OK");
            b->SetTag(tag);
            return b;
        };
        TButton* plain = button(10, 0);
        TButton* seeThrough = button(150, 5555);
        form->HandleNeeded();
        TWinSkinForm skinner(form->Handle(), nullptr);
        skinner.AttachToForm(data.get(), form);
        ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);
        skinner.ActivateNow();
        ASSERT_EQ(1, Query(seeThrough->Handle()));
        const COLORREF face = ColorToRGB(ResolveColor(data->Colours.ButtonFace));
        const std::vector<COLORREF> own = Print(plain->Handle());
        const std::vector<COLORREF> parent = Print(seeThrough->Handle());
        EXPECT_EQ(0, CountOf(own, green));
        if (CountOf(own, face) > 0 && face != green) {
            EXPECT_GT(CountOf(parent, green), 0) << "no parent behind the see-through parts";
            ++skinsShowingParent;
        }
        skinner.Detach();
        delete form;
    }
    EXPECT_GT(skinsShowingParent, 0) << "no built-in skin has see-through button parts to test with";
}

// A skin without a button image leaves the button as the system draws it, never blank.
TEST_F(ControlSkinnerTest, ASkinWithoutAButtonImageLeavesTheButtonsOwnLook) {
    auto data = Skin(0);
    TSampleForm sample(app_);
    HWND b = sample.plain->Handle();
    const COLORREF systemFace = GetSysColor(COLOR_BTNFACE);
    const int systemPixels = CountOf(Print(b), systemFace);
    ASSERT_GT(systemPixels, 0);
    TWinSkinForm skinner(sample.form->Handle(), nullptr);
    skinner.AttachToForm(data.get(), sample.form);
    skinner.ActivateNow();
    EXPECT_LT(CountOf(Print(b), systemFace), systemPixels / 4) << "the skinned button shows the system face";
    data->Buttons->Image = TBitmap();
    skinner.ReapplySkin();
    EXPECT_EQ(1, Query(b));
    EXPECT_EQ(systemPixels, CountOf(Print(b), systemFace)) << "the button is not drawn as the system draws it";
    skinner.Detach();
}

// A bare window's push buttons (dialogs of the system have no framework objects) are skinned by
// class and style, click through WM_COMMAND to their parent, and get their procedure back.
std::vector<WPARAM> commands;
LRESULT CALLBACK BareParentProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND) commands.push_back(wParam);
    return DefWindowProcW(wnd, msg, wParam, lParam);
}

TEST_F(ControlSkinnerTest, ABareWindowsPushButtonsAreSkinnedByClassAndStyle) {
    static const ATOM atom = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = BareParentProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TwBareParent";
        return RegisterClassExW(&wc);
    }();
    ASSERT_NE(0, atom);
    auto data = Skin(4);
    HWND top = CreateWindowExW(0, L"TwBareParent", L"bare", WS_OVERLAPPEDWINDOW, 50, 50, 300, 200, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, top);
    struct Child {
        DWORD style;
        int id;
        LRESULT skinned;
    };
    const Child children[] = {
        {BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, 1},
        {BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, 1},
        {BS_GROUPBOX, 10, 0},
        {BS_OWNERDRAW, 11, 0},
        {BS_AUTORADIOBUTTON, 12, 1},
    };
    std::vector<HWND> buttons;
    for (const Child& c : children)
        buttons.push_back(CreateWindowExW(0, L"Button", L"OK", WS_CHILD | WS_VISIBLE | c.style, 10,
                                          10 + 30 * static_cast<int>(buttons.size()), 90, 26, top,
                                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), nullptr, nullptr));
    const LONG_PTR own = GetWindowLongPtrW(buttons[0], GWLP_WNDPROC);
    ShowWindow(top, SW_SHOWNOACTIVATE);

    TWinSkinForm skinner(top, nullptr);
    skinner.AttachToWindow(data.get());
    skinner.ActivateNow();
    for (size_t i = 0; i < buttons.size(); ++i) EXPECT_EQ(children[i].skinned, Query(buttons[i])) << "child " << i;

    commands.clear();
    SendMessageW(buttons[1], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(bfPressed, SkinnerOf<TSkinButton>(skinner, buttons[1])->LastFrame());
    SendMessageW(buttons[1], WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Pump();
    ASSERT_EQ(1u, commands.size());
    EXPECT_EQ(MAKEWPARAM(IDCANCEL, BN_CLICKED), commands[0]);

    skinner.Detach();
    EXPECT_EQ(own, GetWindowLongPtrW(buttons[0], GWLP_WNDPROC));
    EXPECT_EQ(0, Query(buttons[0]));
    DestroyWindow(top);
}

// Group boxes lie on the skin's face with their caption and windowless children, and progress
// bars fill from the skin as far as their position says.
TEST_F(ControlSkinnerTest, GroupBoxesAndProgressBarsAreDrawnFromTheSkin) {
    for (int index = 0; index < 5; ++index) {
        SCOPED_TRACE("skin " + std::to_string(index));
        auto data = Skin(index);
        auto* form = new TForm(app_);
        form->SetClientWidth(320);
        form->SetClientHeight(200);
        auto* group = new TGroupBox(form);
        group->SetParent(form);
        group->SetBounds(10, 10, 200, 80);
        group->SetCaption(L"Group 分组");
        auto* label = new TLabel(form);
        label->SetParent(group);
        label->SetBounds(12, 30, 80, 16);
        label->SetCaption(L"Inside");
        auto* bar = new TProgressBar(form);
        bar->SetParent(form);
        bar->SetBounds(10, 110, 200, 18);
        bar->SetMax(100);
        form->HandleNeeded();
        TWinSkinForm skinner(form->Handle(), nullptr);
        skinner.AttachToForm(data.get(), form);
        ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);
        skinner.ActivateNow();
        EXPECT_EQ(1, Query(group->Handle()));
        EXPECT_EQ(1, Query(bar->Handle()));

        const COLORREF systemFace = GetSysColor(COLOR_BTNFACE);
        const COLORREF skinFace = ColorToRGB(ResolveColor(data->Colours.ButtonFace));
        const std::vector<COLORREF> box = Print(group->Handle());
        EXPECT_GT(CountOf(box, skinFace), 200 * 80 / 2);
        if (skinFace != systemFace) {
            EXPECT_EQ(0, CountOf(box, systemFace)) << "the group box shows the system face";
        }

        // The columns that change between an empty bar and one at 60 of 100 end at the fill.
        const std::vector<COLORREF> empty = Print(bar->Handle());
        bar->SetPosition(60);
        const std::vector<COLORREF> filled = Print(bar->Handle());
        int first = -1, last = -1;
        for (int x = 0; x < 200; ++x)
            for (int y = 0; y < 18; ++y)
                if (empty[static_cast<size_t>(y * 200 + x)] != filled[static_cast<size_t>(y * 200 + x)]) {
                    if (first < 0) first = x;
                    last = x;
                    break;
                }
        const bool chunks = data->Progress->Style == 1;
        const int expected = chunks ? 2 + ProgressFill(196, 60, 100) : ProgressFill(200, 60, 100);
        EXPECT_GE(first, 0) << "the bar did not fill";
        EXPECT_LE(first, 8);
        EXPECT_NEAR(expected, last + 1, 6);
        skinner.Detach();
        delete form;
    }
}

TEST_F(ControlSkinnerTest, ObjectCountsStayFlatOver200SkinSwitches) {
    auto data = Skin(0);
    TSampleForm sample(app_);
    auto skinner = std::make_unique<TWinSkinForm>(sample.form->Handle(), nullptr);
    skinner->AttachToForm(data.get(), sample.form);
    ShowWindow(sample.form->Handle(), SW_SHOWNOACTIVATE);
    skinner->ActivateNow();
    auto cycle = [&](int i) {
        data->LoadFromStore(store_, i % 5);
        skinner->ReapplySkin();
        UpdateWindow(sample.form->Handle());
        Print(sample.plain->Handle());
        if (i % 25 == 24) {  // now and then the whole skinner goes and comes again
            skinner->Detach();
            skinner = std::make_unique<TWinSkinForm>(sample.form->Handle(), nullptr);
            skinner->AttachToForm(data.get(), sample.form);
            skinner->ActivateNow();
        }
        Pump();
    };
    if (!ExpectObjectCountsFlat(25, 200, cycle)) GTEST_SKIP() << "no GDI handle table to read";
    EXPECT_EQ(6u, skinner->Skinners().size());
    skinner->Detach();
}

}  // namespace
}  // namespace tw
