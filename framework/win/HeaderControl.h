// THeaderControl: a stand-alone header (the system header control, not a list's) with sections,
// each a caption, a width and an alignment.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/win/StdCtrls.h"

namespace tw {

struct THeaderSection {
    std::wstring Text;
    int Width = 80;
    TAlignment Alignment = TAlignment::taLeftJustify;
};

class THeaderControl : public TWinControl {
    TW_CLASS_INFO()
public:
    explicit THeaderControl(TComponent* owner);

    void SetSections(std::vector<THeaderSection> sections);
    const std::vector<THeaderSection>& Sections() const { return sections_; }
    int SectionCount() const { return static_cast<int>(sections_.size()); }

    // A section was clicked (its index).
    std::function<void(TObject* sender, int section)> OnSectionClick;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;

private:
    void InsertItems();

    std::vector<THeaderSection> sections_;
    int lastClicked_ = -1;
};

}  // namespace tw
