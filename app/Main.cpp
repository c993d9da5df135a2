// Program entry: the application object, the main form, the message loop.
#include <windows.h>

#include "app/FrmMain.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    tw::TApplication application;
    application.Initialize();
    application.SetTitle(L"Tarnwick 视频转换");
    application.CreateForm<tw::TFrmMain>();
    application.Run();
    return 0;
}
