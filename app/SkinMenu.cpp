#include "app/SkinMenu.h"

#include "skin/data/SkinData.h"
#include "skin/package/SkinStore.h"
#include "skins/SkinResources.h"

namespace tw {

bool TSkinMenu::Install(HWND window, int current) {
    HMENU system = GetSystemMenu(window, FALSE);
    if (!system) return false;
    TMenuHandle skins(CreatePopupMenu());
    if (!skins) return false;
    for (int i = 0; i < kSkinPackageCount; ++i)
        AppendMenuW(skins.Get(), MF_STRING, kFirstCommand + kCommandStep * static_cast<UINT>(i), kSkinDisplayNames[i]);
    AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
    if (!AppendMenuW(system, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(skins.Get()), L"皮肤")) return false;
    skins_ = skins.Release();  // the system menu destroys it with itself
    current_ = current;
    CheckCurrent();
    return subclass_.Install(window, TWndMethod::Of<TSkinMenu, &TSkinMenu::WindowProcedure>(this));
}

void TSkinMenu::Choose(int index) {
    if (index < 0 || index >= kSkinPackageCount) return;
    data_.LoadFromStore(&store_, index);
    current_ = index;
    CheckCurrent();
}

void TSkinMenu::CheckCurrent() {
    if (!skins_ || current_ < 0) return;
    const UINT last = kFirstCommand + kCommandStep * (kSkinPackageCount - 1);
    CheckMenuRadioItem(skins_, kFirstCommand, last, kFirstCommand + kCommandStep * static_cast<UINT>(current_),
                       MF_BYCOMMAND);
}

void TSkinMenu::WindowProcedure(TMessage& message) {
    if (message.Msg == WM_SYSCOMMAND) {
        const UINT command = static_cast<UINT>(message.WParam) & 0xFFF0;
        const UINT last = kFirstCommand + kCommandStep * (kSkinPackageCount - 1);
        if (command >= kFirstCommand && command <= last) {
            Choose(static_cast<int>((command - kFirstCommand) / kCommandStep));
            message.Result = 0;
            return;
        }
    }
    subclass_.CallPrevious(message);
}

}  // namespace tw
