// Repaint figures: a full repaint (frame and every control) of the converter's real main window
// under each built-in skin against the same window unskinned, and what one skin switch of the
// gallery form costs. Prints a table; run by hand under the Wine bench, never as a timed test.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/FrmMain.h"
#include "framework/core/ClassInfo.h"
#include "framework/win/Forms.h"
#include "skin/data/SkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manage/SkinManage.h"
#include "skin/package/SkinStore.h"
#include "tests/gallery/FrmGallery.h"
#include "tests/gallery/GallerySkin.h"

namespace {

using namespace tw;
using TClock = std::chrono::steady_clock;
constexpr int kRepaintRounds = 100;
constexpr int kSwitchRounds = 25;  // five times through the built-in skins
constexpr DWORD kTimeout = 20000;

double Millis(TClock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void RepaintAll(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// Median milliseconds of one full repaint, after one that warms the caches.
double RepaintCost(HWND window) {
    RepaintAll(window);
    std::vector<double> times;
    for (int i = 0; i < kRepaintRounds; ++i) {
        const auto start = TClock::now();
        RepaintAll(window);
        times.push_back(Millis(TClock::now() - start));
    }
    return Median(times);
}

bool PumpUntil(TApplication& app, const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > kTimeout) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        app.ProcessMessages();
    }
    return true;
}

bool Skinned(HWND window) { return SendMessageW(window, SKM_QUERY, 0, 0) == 1; }
bool ManagerIdle() { return SkinManager() && !SkinManager()->Timer().Enabled(); }

// Loads a built-in skin into the form's component and waits until the manager has followed it.
bool FollowSkin(TApplication& app, TSkinData& data, TSkinStore& store, int index) {
    bool changed = false;
    data.OnSkinChanged = [&changed](TObject*) { changed = true; };
    data.LoadFromStore(&store, index);
    const bool done = PumpUntil(app, [&changed] { return changed; });
    data.OnSkinChanged = nullptr;
    return done;
}

int Fail(const char* what) {
    std::printf("bench: %s\n", what);
    return 1;
}

}  // namespace

int wmain() {
    TSkinManagerLifetime skinManager;
    TApplication app;
    app.Initialize();

    // The main window as the program makes it: it loads and activates its start-up skin itself.
    auto* main = app.CreateForm<TFrmMain>();
    main->Show();
    HWND wnd = main->Handle();
    if (!PumpUntil(app, [wnd] { return Skinned(wnd) && ManagerIdle(); }))
        return Fail("the main window was not skinned");
    // Unskinned before and after the skins, so a machine that grows busier shows in the two.
    double unskinnedFirst = 0;
    auto measureUnskinned = [&](double& cost) {
        main->SkinData1->SetActive(false);
        if (!PumpUntil(app, [wnd] { return !Skinned(wnd) && ManagerIdle(); })) return false;
        cost = RepaintCost(wnd);
        return true;
    };
    if (!measureUnskinned(unskinnedFirst)) return Fail("skinning did not go off");
    main->SkinData1->SetActive(true);
    if (!PumpUntil(app, [wnd] { return Skinned(wnd) && ManagerIdle(); })) return Fail("skinning did not come back");
    double skinned[gallery::kBuiltInSkinCount] = {};
    for (int index = 0; index < gallery::kBuiltInSkinCount; ++index) {
        if (!FollowSkin(app, *main->SkinData1, *main->SkinStore1, index)) return Fail("a skin switch got stuck");
        skinned[index] = RepaintCost(wnd);
    }
    double unskinnedLast = 0;
    if (!measureUnskinned(unskinnedLast)) return Fail("skinning did not go off");
    const double unskinned = (unskinnedFirst + unskinnedLast) / 2;
    delete main;

    std::printf("full repaint of the main window (frame and every control), median of %d, ms\n", kRepaintRounds);
    std::printf("  unskinned: %.2f before the skins, %.2f after, ratios against their mean\n", unskinnedFirst,
                unskinnedLast);
    std::printf("  %-16s %9s %9s %6s\n", "skin", "skinned", "unskinned", "ratio");
    for (int index = 0; index < gallery::kBuiltInSkinCount; ++index)
        std::printf("  %d %-14ls %9.2f %9.2f %6.2f\n", index, gallery::BuiltInSkinLabel(index), skinned[index],
                    unskinned, unskinned > 0 ? skinned[index] / unskinned : 0);

    // The gallery form, both pages' controls made: a switch is the chooser's path (the package
    // parsed from the store), the manager's action run at once instead of after its delay, and
    // the repaint of everything that shows.
    auto* form = app.CreateForm<gallery::TFrmGallery>();
    gallery::TGalleryOptions options;
    form->Start(options);
    form->Show();
    HWND galleryWnd = form->Handle();
    if (!PumpUntil(app, [galleryWnd] { return Skinned(galleryWnd) && ManagerIdle(); }))
        return Fail("the gallery was not skinned");
    form->ShowPage(2);
    RepaintAll(galleryWnd);
    form->ShowPage(1);
    RepaintAll(galleryWnd);
    std::vector<double> times;
    for (int round = 1; round <= kSwitchRounds; ++round) {
        gallery::TSkinChoice choice;
        choice.Index = (options.Skin.Index + round) % gallery::kBuiltInSkinCount;
        const auto start = TClock::now();
        form->ApplySkin(choice, true);
        if (SkinManager()->Timer().Enabled()) SkinManager()->DoAction();
        RepaintAll(galleryWnd);
        times.push_back(Millis(TClock::now() - start));
        app.ProcessMessages();
    }
    std::printf("skin switch of the gallery form (load, re-apply, repaint), median of %d: %.1f ms\n", kSwitchRounds,
                Median(times));
    delete form;
    return 0;
}
