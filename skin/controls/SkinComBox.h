// TSkinComBox: combo boxes of every style, framework and bare, with the frame and the drop-down
// button from the skin; the button lights while the pointer is over it (not over the text part)
// and shows pressed while it is held. The edit child of a drop-down combo is hooked so that its
// paints and presses reach the frame too.
#pragma once

#include <memory>

#include "skin/controls/ControlSkinner.h"

namespace tw {

class TSkinComBox : public TControlSkinner {
public:
    TSkinComBox() = default;
    ~TSkinComBox() override;

    void AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) override;
    void AttachWindow(HWND window, TSkinData& data, TWinSkinForm& form) override;
    void Detach() override;

    // The list window of a simple combo box (none for the other styles).
    HWND ListWindow() const { return list_; }
    // The hooked edit child, or none.
    HWND EditWindow() const { return editHook_.Window(); }
    // The drop-down button as last drawn or reported by the system (client coordinates).
    RECT ButtonRect() const { return buttonRect_; }
    bool DroppedDown() const { return droppedDown_; }
    // The strip frame of the last paint (0 before the first, or when the combo kept its own look).
    int LastFrame() const { return lastFrame_; }

protected:
    void AfterMessage(TMessage& message) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    // The steps both kinds of attaching share, once the base has attached.
    void AttachParts();
    // Reads the system's combo information; false when there is none to read.
    bool ReadComboInfo(COMBOBOXINFO& info) const;
    void EditRoute(TMessage& message);
    void DrawPlain(HDC dc, const RECT& rect, int frame, bool left);
    void DrawEdged(HDC dc, const RECT& rect, int frame, bool left);
    void SetButtonFromWindow(const RECT& windowRect);

    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    TWindowSubclass editHook_;
    HWND list_ = nullptr;
    RECT buttonRect_{};
    bool droppedDown_ = false;
    int lastFrame_ = 0;
};

}  // namespace tw
