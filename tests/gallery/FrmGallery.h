// TFrmGallery: the skin gallery's one form: a skin chooser, the Skinning switch, a row of page
// buttons and one page of controls at a time, skinned by a skin component of its own.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/win/CheckBoxes.h"
#include "framework/win/Dialogs.h"
#include "framework/win/Forms.h"
#include "framework/win/StdCtrls.h"
#include "tests/gallery/GalleryArgs.h"

namespace tw {
class TSkinData;
class TSkinStore;
class TSkinCaption;
}  // namespace tw

namespace tw::gallery {

class TFrmGallery : public TForm {
    TW_CLASS_INFO()
public:
    explicit TFrmGallery(TComponent* owner);

    // What the command line asked for; options.Page is a page the gallery has.
    void Start(const TGalleryOptions& options);
    // Loads a skin and switches skinning: the chooser, the Skinning box and Start end here.
    void ApplySkin(const TSkinChoice& choice, bool skinningOn);
    // Shows page number `page` (from 1) and hides the others.
    void ShowPage(int page);

    // The system dialogs of page 1; what each answered goes to the "last dialog" line.
    void ShowSampleMessageBox();
    void ShowSampleOpenDialog();
    void ShowSampleFolderBrowser();

    TSkinData* SkinData1;
    TSkinStore* SkinStore1;
    TSkinCaption* SkinCaption1;
    TOpenDialog* OpenDialog1;
    TLabel* lblSkin;
    TComboBox* cmbSkin;
    TCheckBox* chkSkinning;
    TLabel* lblLastDialog;

protected:
    void WndProc(TMessage& message) override;

private:
    void BuildChrome();
    void BuildPages();
    void SkinChosen();
    void ChooseSkinFile();
    void ReportDialog(const std::wstring& what);
    void UpdateTitle();
    // The chooser's entry for the current skin ("File..." for a file).
    void SelectCurrentSkinEntry();

    std::vector<TPanel*> pages_;
    std::vector<TButton*> pageButtons_;
    int page_ = 1;
    TSkinChoice skin_;
    std::wstring skinName_;
};

}  // namespace tw::gallery
