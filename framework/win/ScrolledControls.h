// TMemo and TListBox: the system's multi-line edit and list box as framework controls, each
// with the scroll bars it shows published by name (ScrollBars) next to its lines or items.
#pragma once

#include <string>
#include <vector>

#include "framework/win/StdCtrls.h"

namespace tw {

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// The window styles of the bars a scroll style asks for.
DWORD ScrollStyleBits(TScrollStyle style);

class TMemo : public TCustomEdit {
    TW_CLASS_INFO()
public:
    explicit TMemo(TComponent* owner) : TCustomEdit(owner) {}

    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);
    // The text as lines (joined with CR LF in the window).
    std::vector<std::wstring> Lines() const;
    void SetLines(const std::vector<std::wstring>& lines);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
};

class TListBox : public TWinControl {
    TW_CLASS_INFO()
public:
    explicit TListBox(TComponent* owner);

    TScrollStyle ScrollBars() const { return scrollBars_; }
    // The bars stay shown (disabled) while the items fit.
    void SetScrollBars(TScrollStyle value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    const std::vector<std::wstring>& Items() const { return items_; }
    void SetItems(std::vector<std::wstring> items);
    int ItemIndex() const;
    void SetItemIndex(int index);

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;

private:
    void FillWindow();
    TScrollStyle scrollBars_ = TScrollStyle::ssVertical;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    std::vector<std::wstring> items_;
    int itemIndex_ = -1;
};

}  // namespace tw
