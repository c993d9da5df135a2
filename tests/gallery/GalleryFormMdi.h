// The gallery's MDI form: a frame with a main menu (File: New child, Close child; Window: Tile,
// Cascade and the list of children; Skin: the five built-in skins) whose children each carry a
// button, an edit, a check box and a list, skinned by a skin component of its own; opened by
// `SkinGallery.exe --form mdi`, and its count run.
#pragma once

#include <windows.h>

#include <string>

#include "framework/win/MDIForms.h"
#include "tests/gallery/GalleryArgs.h"

namespace tw {
class TApplication;
class TMainMenu;
class TSkinCaption;
class TSkinData;
class TSkinStore;
}  // namespace tw

namespace tw::gallery {

// Messages the frame answers for the test scripts.
// The number of form skinners alive, after the manager freed those whose windows are gone.
constexpr UINT WM_GALLERY_MDI_SKINNERS = WM_APP + 0x4D;
// Makes a child; answers its window.
constexpr UINT WM_GALLERY_MDI_NEW_CHILD = WM_APP + 0x4E;
// The number of children.
constexpr UINT WM_GALLERY_MDI_CHILDREN = WM_APP + 0x4F;
// The centre of the menu band's button with the action in wParam (7 minimise, 8 restore, 9 close
// the maximised child, 3 its system-menu icon), MAKELONG(x, y) in window coordinates; -1 while it
// is not shown.
constexpr UINT WM_GALLERY_MDI_BAND_BUTTON = WM_APP + 0x50;

class TFrmGalleryMdi : public TMDIForm {
    TW_CLASS_INFO()
public:
    explicit TFrmGalleryMdi(TComponent* owner);

    // Loads the skin the command line asked for and shows the frame with two children.
    void Start(const TGalleryOptions& options);
    // A new child, shown and active.
    TMDIChild* NewChild();
    void CloseActiveChild();
    // Switches to a built-in skin with the children open (the Skin menu).
    void SwitchSkin(int index);

    TSkinData* SkinData1;
    TSkinStore* SkinStore1;
    TSkinCaption* SkinCaption1;
    TMainMenu* MainMenu1;

protected:
    void WndProc(TMessage& message) override;

private:
    void ApplySkin(const TSkinChoice& choice, bool skinningOn);
    int made_ = 0;
};

// Runs the MDI form until it is closed, or its count run; answers the exit code.
int RunMdiGallery(TApplication& app, const TGalleryOptions& options);

}  // namespace tw::gallery
