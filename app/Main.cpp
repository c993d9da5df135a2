// Program entry: the application object, the main form, the message loop.
#include <windows.h>

#include "app/FrmMain.h"
#include "framework/core/ClassInfo.h"
#include "skin/manage/SkinManage.h"
#include "skin/package/SkinMessage.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Made first, so the skin manager goes after the forms and their skin components, and before
    // static destruction takes what its timers need.
    tw::TSkinManagerLifetime skinManager;
    tw::TApplication application;
    application.Initialize();
    application.SetTitle(L"Tarnwick 视频转换");
    // The skin reader's own messages (a package of another version) reach the user in a box.
    tw::SetSkinMessageHook([](const std::string& text) {
        ::MessageBoxW(nullptr, tw::WideFromUtf8(text).c_str(), L"Skin", MB_OK | MB_ICONWARNING);
    });
    // A main form that cannot be made is reported in the error box; the exit code says so too.
    return application.Execute<tw::TFrmMain>();
}
