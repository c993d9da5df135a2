// Control skinner figures: the client repaint of a form with push buttons, a group box and a
// progress bar under each built-in skin against the same form unskinned, and the cost of a
// skin switch of that form. Prints; run by hand under the Wine bench.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <memory>

#include "app/SkinResources.h"
#include "framework/win/ComCtrls.h"
#include "framework/win/Forms.h"
#include "framework/win/StdCtrls.h"
#include "skin/controls/ChildSkinning.h"
#include "skin/data/SkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/package/SkinStore.h"

namespace {

using namespace tw;
using TClock = std::chrono::steady_clock;
constexpr int kRounds = 200;

double Micros(TClock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

// Repaints the whole client, children included, kRounds times: microseconds per repaint.
double RepaintCost(HWND wnd) {
    auto start = TClock::now();
    for (int i = 0; i < kRounds; ++i)
        RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return Micros(TClock::now() - start) / kRounds;
}

}  // namespace

int wmain() {
    TApplication app;
    app.Initialize();
    TSkinStore store(nullptr);
    LoadBuiltInSkins(store);
    InstallControlSkinners();

    TForm form(nullptr);
    form.SetClientWidth(538);
    form.SetClientHeight(433);
    for (int i = 0; i < 6; ++i) {
        auto* b = new TButton(&form);
        b->SetParent(&form);
        b->SetBounds(10 + 86 * i, 390, 80, 28);
        b->SetCaption(L"立即转换");
    }
    auto* group = new TGroupBox(&form);
    group->SetParent(&form);
    group->SetBounds(10, 10, 518, 120);
    group->SetCaption(L"进度");
    auto* bar = new TProgressBar(&form);
    bar->SetParent(group);
    bar->SetBounds(10, 40, 400, 18);
    bar->SetPosition(60);
    HWND wnd = form.Handle();
    ShowWindow(wnd, SW_SHOWNOACTIVATE);
    RepaintCost(wnd);
    std::printf("client repaint unskinned: %.0f us\n", RepaintCost(wnd));

    TSkinData data(nullptr);
    data.LoadFromStore(&store, 0);
    data.SkinControls &= ~SetBit(xcMainMenu);  // the client and its controls only
    TWinSkinForm skinner(wnd, nullptr);
    skinner.AttachToForm(&data, &form);
    skinner.ActivateNow();
    for (int index = 0; index < 5; ++index) {
        data.LoadFromStore(&store, index);
        auto start = TClock::now();
        skinner.ReapplySkin();
        UpdateWindow(wnd);
        double switchCost = Micros(TClock::now() - start);
        RepaintCost(wnd);
        std::printf("skin %d: client repaint skinned %.0f us, skin switch (re-apply and paint) %.0f us\n", index,
                    RepaintCost(wnd), switchCost);
    }
    skinner.Detach();
    return 0;
}
