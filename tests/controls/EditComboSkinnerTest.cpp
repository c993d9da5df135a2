// Edits, combo boxes, nested dialogs and size grips skinned on real windows under Wine: a
// framework form with a combo of each style and edits, and a bare dialog from a template whose
// size grip comes after the dialog was skinned. Every one answers the skin query (a Tag 99 edit
// does not), the combo's button frame follows the pointer over the button only, a DC handed in
// keeps its clipping, a skin without some combo parts still draws, detaching gives
// every procedure back and never puts one back over a procedure set since, and the process's
// GDI and USER objects stay flat over 200 skin switches.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "app/SkinResources.h"
#include "framework/win/Forms.h"
#include "framework/win/Handles.h"
#include "framework/win/StdCtrls.h"
#include "skin/controls/ChildSkinning.h"
#include "skin/controls/ComboLayout.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/SkinEdit.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manage/FormSkinningWin.h"
#include "skin/manage/SkinManage.h"
#include "skin/package/SkinStore.h"
#include "tests/controls/SkinnerTest.h"
#include "tests/support/ApplicationTest.h"
#include "tests/support/GuiObjectCount.h"

namespace tw {
namespace {

COMBOBOXINFO InfoOf(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(combo, &info);
    return info;
}

TSkinComBox* ComboSkinnerOf(TWinSkinForm& form, HWND wnd) {
    for (const auto& s : form.Skinners())
        if (s->Control() == wnd) return dynamic_cast<TSkinComBox*>(s.get());
    return nullptr;
}

// The clip region a caller's DC with a clip of its own is left with after the window painted
// and printed its client into it (none when it has no clip region).
TRegionHandle ClipAfter(HWND wnd) {
    const TWindowDC screen = ClientDC(nullptr);
    const TMemoryDC dc = CompatibleDC(screen.Get());
    const TBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), 300, 200));
    const TSelection selected = Select(dc.Get(), bitmap.Get());
    const TRegionHandle given(CreateRectRgn(3, 4, 250, 150));
    SelectClipRgn(dc.Get(), given.Get());
    SendMessageW(wnd, WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0);
    SendMessageW(wnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
    TRegionHandle clip(CreateRectRgn(0, 0, 0, 0));
    if (GetClipRgn(dc.Get(), clip.Get()) != 1) clip.Reset();
    return clip;
}

bool SameRegion(const TRegionHandle& a, const TRegionHandle& b) {
    return a && b ? EqualRgn(a.Get(), b.Get()) != FALSE : !a && !b;
}

// A foreign procedure set over a window's own, as another program's code would.
WNDPROC foreignPrevious = nullptr;
int foreignCalls = 0;
LRESULT CALLBACK Foreign(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_APP + 3) ++foreignCalls;
    return CallWindowProcW(foreignPrevious, wnd, msg, wParam, lParam);
}

class EditComboSkinnerTest : public TSkinnerTest {
protected:
    static void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }

    // A combo of each style (drop-down, simple, drop-down list), an edit and one tagged 99.
    struct TSampleForm {
        explicit TSampleForm(TComponent* owner) : form(new TForm(owner)) {
            form->SetClientWidth(360);
            form->SetClientHeight(200);
            const TComboBoxStyle styles[] = {TComboBoxStyle::csDropDown, TComboBoxStyle::csSimple,
                                             TComboBoxStyle::csDropDownList};
            for (int i = 0; i < 3; ++i) {
                auto* c = new TComboBox(form);
                c->SetStyle(styles[i]);
                c->SetParent(form);
                c->SetBounds(10, 10 + 30 * i + (i == 2 ? 60 : 0), 160, i == 1 ? 90 : 24);
                c->SetItems({L"H.264 视频", L"H.265", L"VP9"});
                combos[i] = c;
            }
            edit = new TEdit(form);
            edit->SetParent(form);
            edit->SetBounds(190, 10, 150, 22);
            untouched = new TEdit(form);
            untouched->SetParent(form);
            untouched->SetBounds(190, 44, 150, 22);
            untouched->SetTag(99);
        }
        ~TSampleForm() { delete form; }
        TForm* form;
        TComboBox* combos[3];
        TEdit* edit;
        TEdit* untouched;
    };
};

TEST_F(EditComboSkinnerTest, EveryComboStyleAndEditIsSkinnedAndGetsItsProceduresBack) {
    for (int index = 0; index < 5; ++index) {
        SCOPED_TRACE("skin " + std::to_string(index));
        auto data = Skin(index);
        TSampleForm sample(app_);
        std::vector<TWndMethod> own;
        for (TComboBox* c : sample.combos) own.push_back(c->WindowProc);
        const TWndMethod ownEdit = sample.edit->WindowProc;
        const HWND dropEdit = InfoOf(sample.combos[0]->Handle()).hwndItem;
        ASSERT_NE(nullptr, dropEdit);
        const LONG_PTR dropEditProc = GetWindowLongPtrW(dropEdit, GWLP_WNDPROC);
        ShowWindow(sample.form->Handle(), SW_SHOWNOACTIVATE);
        const std::vector<HWND> windows{sample.combos[0]->Handle(), sample.combos[1]->Handle(),
                                        sample.combos[2]->Handle(), sample.edit->Handle()};
        std::vector<TRegionHandle> unskinnedClips;
        for (HWND w : windows) unskinnedClips.push_back(ClipAfter(w));

        TWinSkinForm skinner(sample.form->Handle(), nullptr);
        skinner.AttachToForm(data.get(), sample.form);
        skinner.ActivateNow();
        for (TComboBox* c : sample.combos) EXPECT_EQ(1, Query(c->Handle()));
        EXPECT_EQ(1, Query(sample.edit->Handle()));
        EXPECT_EQ(0, Query(sample.untouched->Handle())) << "a Tag 99 edit stays the system's";
        {
            const TWindowDC screen = ClientDC(nullptr);
            EXPECT_EQ(SKM_MAGIC, SendMessageW(sample.edit->Handle(), SKM_PAINTCLIENT,
                                              reinterpret_cast<WPARAM>(screen.Get()), SKM_MAGIC));
        }

        // The system's combo information is read with its own size: the simple combo's list
        // and the drop-down combo's edit are found, and the button is where the system says.
        TSkinComBox* drop = ComboSkinnerOf(skinner, sample.combos[0]->Handle());
        TSkinComBox* simple = ComboSkinnerOf(skinner, sample.combos[1]->Handle());
        TSkinComBox* list = ComboSkinnerOf(skinner, sample.combos[2]->Handle());
        ASSERT_TRUE(drop && simple && list);
        EXPECT_EQ(InfoOf(sample.combos[1]->Handle()).hwndList, simple->ListWindow());
        EXPECT_NE(nullptr, simple->ListWindow());
        EXPECT_EQ(nullptr, drop->ListWindow()) << "a drop-down list is a pop-up of the desktop";
        EXPECT_EQ(dropEdit, drop->EditWindow());
        EXPECT_EQ(nullptr, list->EditWindow());

        // Hot only over the button, not over the text part; the edit child's press is the combo's.
        const HWND dropList = sample.combos[2]->Handle();
        SetFocus(nullptr);
        UpdateWindow(sample.form->Handle());
        const RECT button = list->ButtonRect();
        ASSERT_LT(button.left, button.right);
        SendMessageW(dropList, WM_MOUSEMOVE, 0, MAKELPARAM((button.left + button.right) / 2, 8));
        EXPECT_EQ(cfHot, list->LastFrame());
        SendMessageW(dropList, WM_MOUSEMOVE, 0, MAKELPARAM(10, 8));
        EXPECT_EQ(cfNormal, list->LastFrame()) << "the text part is not the button";
        SendMessageW(dropEdit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        EXPECT_EQ(cfPressed, drop->LastFrame());
        SendMessageW(dropEdit, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        EXPECT_NE(cfPressed, drop->LastFrame());
        sample.combos[2]->SetEnabled(false);
        UpdateWindow(dropList);
        EXPECT_EQ(cfDisabled, list->LastFrame());

        // Painting into a DC the caller hands in leaves its clipping as the control alone does.
        for (size_t i = 0; i < windows.size(); ++i)
            EXPECT_TRUE(SameRegion(unskinnedClips[i], ClipAfter(windows[i]))) << "window " << i;

        skinner.Detach();
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(sample.combos[i]->WindowProc == own[i]);
            EXPECT_EQ(0, Query(sample.combos[i]->Handle()));
        }
        EXPECT_TRUE(sample.edit->WindowProc == ownEdit);
        EXPECT_EQ(dropEditProc, GetWindowLongPtrW(dropEdit, GWLP_WNDPROC));
        EXPECT_EQ(0u, skinner.Skinners().size());
    }
}

TEST_F(EditComboSkinnerTest, MissingComboPartsAreLeftOutAndAProcedureSetSinceIsNeverUndone) {
    TSampleForm sample(app_);
    ShowWindow(sample.form->Handle(), SW_SHOWNOACTIVATE);
    const HWND drop = sample.combos[0]->Handle();
    std::vector<TRegionHandle> unskinnedClips;
    for (TComboBox* combo : sample.combos) unskinnedClips.push_back(ClipAfter(combo->Handle()));
    struct Case {
        const char* name;
        std::function<void(TSkinData&)> change;
        bool drawn;
    };
    const Case cases[] = {
        {"the built strip", [](TSkinData&) {}, true},
        {"edge and button", [](TSkinData& d) { d.ComboButton->Style = 0; }, true},
        {"no sunken edge", [](TSkinData& d) { d.ComboButton->Style = 0, d.SunkEdge.reset(); }, true},
        {"no arrows", [](TSkinData& d) { d.ComboButton->Style = 0, d.SunkEdge.reset(), d.ExtraImages.reset(); }, true},
        {"the plain look", [](TSkinData& d) { d.ComboButton->Style = 1; }, true},
        {"no combo button", [](TSkinData& d) { d.ComboButton.reset(); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto data = Skin(1);
        c.change(*data);
        TWinSkinForm skinner(sample.form->Handle(), nullptr);
        skinner.AttachToForm(data.get(), sample.form);
        skinner.ActivateNow();
        SetFocus(nullptr);
        for (size_t i = 0; i < 3; ++i)
            EXPECT_TRUE(SameRegion(unskinnedClips[i], ClipAfter(sample.combos[i]->Handle()))) << "combo " << i;
        TSkinComBox* skin = ComboSkinnerOf(skinner, drop);
        ASSERT_NE(nullptr, skin);
        UpdateWindow(sample.form->Handle());
        InvalidateRect(drop, nullptr, TRUE);
        UpdateWindow(drop);
        EXPECT_EQ(c.drawn ? cfNormal : 0, skin->LastFrame());
        skinner.Detach();
    }

    // A procedure set over the combo's edit child while skinned stays when the skinner goes.
    auto data = Skin(0);
    const HWND edit = InfoOf(drop).hwndItem;
    TWinSkinForm skinner(sample.form->Handle(), nullptr);
    skinner.AttachToForm(data.get(), sample.form);
    skinner.ActivateNow();
    ASSERT_EQ(edit, ComboSkinnerOf(skinner, drop)->EditWindow());
    foreignPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Foreign)));
    skinner.Detach();
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&Foreign), GetWindowLongPtrW(edit, GWLP_WNDPROC));
    foreignCalls = 0;
    SendMessageW(edit, WM_APP + 3, 0, 0);
    EXPECT_EQ(1, foreignCalls);
    wchar_t text[32] = {};
    SetWindowTextW(edit, L"still works 仍可用");
    GetWindowTextW(edit, text, 32);
    EXPECT_STREQ(L"still works 仍可用", text);
    SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(foreignPrevious));
}

TEST_F(EditComboSkinnerTest, ObjectCountsStayFlatOver200SkinSwitches) {
    auto data = Skin(0);
    TSampleForm sample(app_);
    ShowWindow(sample.form->Handle(), SW_SHOWNOACTIVATE);
    auto skinner = std::make_unique<TWinSkinForm>(sample.form->Handle(), nullptr);
    skinner->AttachToForm(data.get(), sample.form);
    skinner->ActivateNow();
    const size_t skinned = skinner->Skinners().size();
    EXPECT_EQ(5u, skinned);  // three combos, an edit and the form's edge-colour keeper
    auto cycle = [&](int i) {
        data->LoadFromStore(store_, i % 5);
        skinner->ReapplySkin();
        UpdateWindow(sample.form->Handle());
        SendMessageW(sample.combos[0]->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(150, 8));
        if (i % 25 == 24) {
            skinner->Detach();
            skinner = std::make_unique<TWinSkinForm>(sample.form->Handle(), nullptr);
            skinner->AttachToForm(data.get(), sample.form);
            skinner->ActivateNow();
        }
        Pump();
    };
    if (!ExpectObjectCountsFlat(25, 200, cycle)) GTEST_SKIP() << "no GDI handle table to read";
    EXPECT_EQ(skinned, skinner->Skinners().size());
    skinner->Detach();
}

// ---------------------------------------------------------------- a bare dialog

// A dialog template in memory: a caption, then items of the system's classes by ordinal.
class TDialogTemplate {
public:
    TDialogTemplate(DWORD style, short cx, short cy) {
        const DLGTEMPLATE head{style, 0, 0, 0, 0, cx, cy};
        Put(&head, sizeof(head));
        words_.insert(words_.end(), {0, 0, 0});  // no menu, the dialog class, no title
        countAt_ = offsetof(DLGTEMPLATE, cdit) / 2;
    }
    void Item(WORD ordinal, DWORD style, short x, short y, short cx, short cy, WORD id, const wchar_t* text) {
        if (words_.size() % 2) words_.push_back(0);  // items start on a DWORD
        const DLGITEMTEMPLATE item{style | WS_CHILD | WS_VISIBLE, 0, x, y, cx, cy, id};
        Put(&item, sizeof(item));
        words_.insert(words_.end(), {0xFFFF, ordinal});
        for (const wchar_t* p = text; *p; ++p) words_.push_back(static_cast<WORD>(*p));
        words_.insert(words_.end(), {0, 0});  // end of text, no creation data
        ++words_[countAt_];
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void Put(const void* data, size_t bytes) {
        const auto* w = static_cast<const WORD*>(data);
        words_.insert(words_.end(), w, w + bytes / 2);
    }
    std::vector<WORD> words_;
    size_t countAt_ = 0;
};

HWND nestedDialog = nullptr;

// The dialog makes its nested dialog as it starts, as the system's file dialogs do.
INT_PTR CALLBACK OuterProc(HWND dialog, UINT msg, WPARAM, LPARAM) {
    if (msg != WM_INITDIALOG) return FALSE;
    TDialogTemplate inner(WS_CHILD | WS_VISIBLE | DS_CONTROL, 80, 30);
    inner.Item(0x0082, SS_LEFT, 4, 4, 70, 10, 300, L"Nested 嵌套");
    nestedDialog = CreateDialogIndirectParamW(
        GetModuleHandleW(L"user32.dll"), inner.Get(), dialog,
        [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    SetWindowPos(nestedDialog, nullptr, 10, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return TRUE;
}

TEST_F(EditComboSkinnerTest, ABareDialogsEditComboNestedDialogAndLateSizeGripAreSkinned) {
    FreeSkinManager();
    auto loaded = [](TSkinFormType type, int item) {
        auto d = std::make_unique<TSkinData>(nullptr);
        d->SkinFormtype = type;
        d->BeginLoading();
        d->EndLoading();
        d->LoadFromStore(store_, item);
        return d;
    };
    auto main = loaded(sfMainform, 2);
    main->SetActive(true);
    auto data = loaded(sfDialog, 3);
    ASSERT_TRUE(SkinManager() && SkinManager()->FSkinning);

    TDialogTemplate outer(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME, 200, 120);
    outer.Item(0x0081, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 10, 10, 120, 12, 100, L"file.mkv");
    outer.Item(0x0085, CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, 10, 30, 120, 60, 101, L"");
    const HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(L"user32.dll"), outer.Get(), nullptr, OuterProc, 0);
    ASSERT_NE(nullptr, dialog);
    ShowWindow(dialog, SW_SHOWNOACTIVATE);
    const DWORD end = GetTickCount() + 3000;
    while (Query(dialog) != 1 && static_cast<int>(end - GetTickCount()) > 0) {
        Pump();
        Sleep(5);
    }
    ASSERT_EQ(1, Query(dialog)) << "the manager skins the dialog";
    auto& skinning = static_cast<TWinFormSkinning&>(SkinManager()->FormSkinning());
    TWinSkinForm* form = skinning.FindFormSkinner(dialog);
    ASSERT_NE(nullptr, form);
    const HWND edit = GetDlgItem(dialog, 100), combo = GetDlgItem(dialog, 101);
    EXPECT_EQ(1, Query(edit));
    EXPECT_EQ(1, Query(combo));
    ASSERT_NE(nullptr, nestedDialog);
    EXPECT_EQ(1, Query(nestedDialog));

    // The nested dialog: erased with the face and answered as erased; its statics on the face.
    {
        const TWindowDC dc = ClientDC(nestedDialog);
        EXPECT_EQ(1, SendMessageW(nestedDialog, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0));
        EXPECT_EQ(reinterpret_cast<LRESULT>(form->SkinData()->FFaceBrush()),
                  SendMessageW(nestedDialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()),
                               reinterpret_cast<LPARAM>(GetDlgItem(nestedDialog, 300))));
    }

    // A size grip made now, after the dialog was skinned, is skinned as it is made.
    RECT client{};
    GetClientRect(dialog, &client);
    const int grip = GetSystemMetrics(SM_CXVSCROLL);
    const HWND sizer = CreateWindowExW(0, L"ScrollBar", nullptr, WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP,
                                       client.right - grip, client.bottom - grip, grip, grip, dialog, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, sizer);
    EXPECT_EQ(1, Query(sizer));
    // A scroll bar that is not a grip is left alone.
    const HWND bar = CreateWindowExW(0, L"ScrollBar", nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP | SBS_HORZ, 10,
                                     client.bottom - 40, 100, 16, dialog, nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_EQ(0, Query(bar));

    DestroyWindow(dialog);
    Pump();
    nestedDialog = nullptr;
    data.reset();
    main.reset();
    FreeSkinManager();
}

}  // namespace
}  // namespace tw
