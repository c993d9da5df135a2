// TSkinnerTest: the suite base of the control-skinner tests under Wine: one application, the
// five built-in skins in a store, the control layer installed, and a fresh skin component of
// any of them on request; with the small helpers those tests share.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "app/SkinResources.h"
#include "skin/controls/ChildSkinning.h"
#include "skin/data/SkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/package/SkinStore.h"
#include "tests/support/ApplicationTest.h"
#include "tests/support/GuiObjectCount.h"

namespace tw {

class TSkinnerTest : public TApplicationTest {
protected:
    static void SetUpTestSuite() {
        TApplicationTest::SetUpTestSuite();
        store_ = new TSkinStore(nullptr);
        LoadBuiltInSkins(*store_);
        InstallControlSkinners();
    }
    static void TearDownTestSuite() {
        delete store_;
        store_ = nullptr;
        TApplicationTest::TearDownTestSuite();
    }

    // A skin component holding built-in skin index.
    static std::unique_ptr<TSkinData> Skin(int index) {
        auto data = std::make_unique<TSkinData>(nullptr);
        data->LoadFromStore(store_, index);
        return data;
    }

    static inline TSkinStore* store_ = nullptr;
};

inline LRESULT Query(HWND wnd) { return SendMessageW(wnd, SKM_QUERY, 0, 0); }

// Dispatches what is waiting in this thread's queue.
inline void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

// The skinner of a window in a form skinner's list, when it is a T.
template <class T>
T* SkinnerOf(TWinSkinForm& form, HWND wnd) {
    for (const auto& s : form.Skinners())
        if (s->Control() == wnd) return dynamic_cast<T*>(s.get());
    return nullptr;
}

// The panels of one class (scroll panels unless told) among a window's children.
inline int PanelsUnder(HWND parent, const wchar_t* panelClass = L"TarnwickScrollPanel") {
    int n = 0;
    for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        GetClassNameW(child, name, 63);
        n += std::wstring(name) == panelClass;
    }
    return n;
}

// Runs round(0) .. round(settle - 1) so that caches fill, then `rounds` more between two counts
// of this process's objects, and expects GDI objects, bitmaps, DCs and windows unchanged.
// False when the objects cannot be counted here (the caller skips).
inline bool ExpectObjectCountsFlat(int settle, int rounds, const std::function<void(int)>& round) {
    for (int i = 0; i < settle; ++i) round(i);
    test::TGuiObjectCount before, after;
    if (!test::CountGuiObjects(before)) return false;
    for (int i = 0; i < rounds; ++i) round(i);
    if (!test::CountGuiObjects(after)) {
        ADD_FAILURE() << "the objects could be counted once only";
        return true;
    }
    EXPECT_EQ(before.Gdi(), after.Gdi());
    EXPECT_EQ(before.Of(OBJ_BITMAP), after.Of(OBJ_BITMAP));
    EXPECT_EQ(before.Dcs(), after.Dcs());
    EXPECT_EQ(before.Windows, after.Windows);
    return true;
}

}  // namespace tw
