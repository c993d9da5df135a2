// SkinGallery.exe: a test program that shows every control under a chosen skin, for screenshots
// and end-to-end checks of the skin engine. Never shipped.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "framework/core/ClassInfo.h"
#include "framework/win/Forms.h"
#include "skin/manage/SkinManage.h"
#include "skin/package/SkinMessage.h"
#include "tests/gallery/FrmGallery.h"
#include "tests/gallery/GalleryArgs.h"
#include "tests/gallery/GalleryCount.h"
#include "tests/gallery/GalleryFormMdi.h"
#include "tests/gallery/GalleryFormMenu.h"
#include "tests/gallery/GalleryMenuCount.h"
#include "tests/gallery/GalleryPages.h"

namespace {

std::vector<std::string> CommandLineArguments() {
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!words) return args;
    for (int i = 1; i < count; ++i) args.push_back(tw::Utf8FromWide(words[i]));
    LocalFree(words);
    return args;
}

// A GUI program has no console of its own: the complaint goes to the debugger's channel and to
// the standard error handle the program was started with, if any; the exit code says the rest.
void Complain(const std::string& text) {
    const std::string line = "SkinGallery: " + text + "\n";
    OutputDebugStringW(tw::WideFromUtf8(line).c_str());
    HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    if (err && err != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(err, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace tw::gallery;
    const TGalleryArgs parsed = ParseGalleryArgs(CommandLineArguments());
    if (!parsed.Ok) {
        Complain(parsed.Error +
                 "\nusage: SkinGallery.exe [--skin 0..4|PATH] [--off] [--page N] [--form menu|mdi]"
                 " [--count-switches N | --count-open-dialog N | --count-menus N | --count-mdi N]");
        return kExitBadArguments;
    }
    if (parsed.Options.Page > GalleryPageCount()) {
        Complain("no page " + std::to_string(parsed.Options.Page) + ": the gallery has " +
                 std::to_string(GalleryPageCount()));
        return kExitNoSuchPage;
    }

    // As in the program: the manager outlives the application object and its forms.
    tw::TSkinManagerLifetime skinManager;
    tw::TApplication application;
    application.Initialize();
    application.SetTitle(L"Skin Gallery");
    tw::SetSkinMessageHook([](const std::string& text) { Complain("skin reader: " + text); });
    try {
        if (parsed.Options.Form == TGalleryForm::gfMdi) return RunMdiGallery(application, parsed.Options);
        if (parsed.Options.Form == TGalleryForm::gfMenu) {
            TFrmGalleryMenu* form = application.CreateForm<TFrmGalleryMenu>();
            form->Start(parsed.Options);
            if (parsed.Options.Count != TCountRun::crNone) return RunMenuCount(application, *form, parsed.Options);
            application.Run();
            return 0;
        }
        TFrmGallery* form = application.CreateForm<TFrmGallery>();
        form->Start(parsed.Options);
        if (parsed.Options.Count != TCountRun::crNone) return RunObjectCount(application, *form, parsed.Options);
        application.Run();
        return 0;
    } catch (...) {
        application.HandleCurrentException();
        return 1;
    }
}
