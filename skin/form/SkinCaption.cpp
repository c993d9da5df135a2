#include "skin/form/SkinCaption.h"

#include <windows.h>

#include "skin/form/CaptionText.h"
#include "skin/form/TitleText.h"

namespace tw {

namespace {

// The add-on whose painter is installed: only it may take the painter away again.
const TSkinCaption* g_installedBy = nullptr;

BOOL CALLBACK RepaintFrame(HWND window, LPARAM) {
    if (IsWindowVisible(window)) RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    return TRUE;
}

// The title bars already on screen show the change at once.
void RepaintThreadFrames() { EnumThreadWindows(GetCurrentThreadId(), &RepaintFrame, 0); }

}  // namespace

const TClassInfo& TSkinCaption::StaticClassInfo() {
    static const TClassInfo info{"TSkinCaption",
                                 &TComponent::StaticClassInfo(),
                                 {BoolProp<TSkinCaption>(
                                     "Active", [](const TSkinCaption& c) { return c.Active(); },
                                     [](TSkinCaption& c, bool v) { c.SetActive(v); })}};
    return info;
}

TSkinCaption::TSkinCaption(TComponent* owner) : TComponent(owner) {}

TSkinCaption::~TSkinCaption() {
    if (g_installedBy == this) {
        SetTitleTextPainter({});
        g_installedBy = nullptr;
    }
}

void TSkinCaption::SetActive(bool value) {
    if (value == active_) return;
    active_ = value;
    if (value) {
        if (!painter_) painter_ = std::make_shared<TCaptionTextPainter>();
        // The painter is shared with the installed function, so it lives as long as either.
        SetTitleTextPainter([painter = painter_](const TTitleTextRequest& request) { painter->Paint(request); });
        g_installedBy = this;
    } else if (g_installedBy == this) {
        SetTitleTextPainter({});
        g_installedBy = nullptr;
    }
    RepaintThreadFrames();
}

}  // namespace tw
