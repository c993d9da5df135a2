// TFrmGalleryMenu: the gallery's menu form: a main menu with nested submenus, images, check and
// radio items, a disabled item and a disabled top-level item, shortcuts and separators, and controls that carry a
// context menu. What a driver follows is written to the standard output, a line each: "popup CAPTION" as a submenu
// opens ("popup context" for the context menu), "select CAPTION" as the selection moves to another item, and "command
// CAPTION" as a choice arrives.
#pragma once

#include <windows.h>

#include <string>

#include "framework/win/Forms.h"
#include "framework/win/Menus.h"
#include "framework/win/StdCtrls.h"
#include "tests/gallery/GalleryArgs.h"

namespace tw {
class TSkinData;
class TSkinStore;
class TSkinCaption;
class TImageList;
}  // namespace tw

namespace tw::gallery {

class TFrmGalleryMenu : public TForm {
    TW_CLASS_INFO()
public:
    explicit TFrmGalleryMenu(TComponent* owner);

    // Loads the skin the command line asked for and switches skinning as it says.
    void Start(const TGalleryOptions& options);

    TSkinData* SkinData1;
    TSkinStore* SkinStore1;
    TSkinCaption* SkinCaption1;
    TImageList* ImageList1;
    TMainMenu* MainMenu1;
    TPopupMenu* PopupMenu1;
    TPanel* pnlContext;
    TButton* btnContext;
    TEdit* edtPlain;  // the edit's own context menu is the system's
    TLabel* lblLastCommand;

protected:
    void WndProc(TMessage& message) override;

private:
    void BuildMenus();
    void BuildControls();
    // Every item without sub-items reports its command when chosen.
    void ReportClicks(TMenuItem& parent);
    void Report(const TMenuItem& item);
    // The framework item behind a popup or an entry of either menu, or none.
    TMenuItem* ItemOfPopup(HMENU popup);
    TMenuItem* ItemOfEntry(HMENU menu, UINT entry, bool byPosition);
    std::wstring lastSelected_;
};

}  // namespace tw::gallery
