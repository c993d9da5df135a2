// TWinSkinPopMenu: one system popup menu window ("#32768") wrapped for its lifetime; its frame
// and background are painted from the skin's MenuBackground object, its items are left to the
// menu drawing on top of them.
#pragma once

#include <windows.h>

#include "framework/win/Messages.h"
#include "framework/win/Subclass.h"
#include "skin/data/Bitmap.h"

namespace tw {

class TSkinData;

class TWinSkinPopMenu {
public:
    // skinning answers whether the manager is skinning at the moment of each message.
    using TSkinningQuery = bool (*)(void* context);

    TWinSkinPopMenu() = default;
    ~TWinSkinPopMenu() { Unwrap(); }
    TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
    TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

    bool Wrap(HWND window, TSkinData* data, HMENU menu, TSkinningQuery skinning, void* context);
    void Unwrap();
    bool Wrapped() const { return subclass_.Installed(); }

    HWND Window() const { return window_; }
    HMENU Menu() const { return menu_; }
    void BindMenu(HMENU menu) { menu_ = menu; }
    // The last rendered background, the size of the whole window; null before the first paint.
    HBITMAP Background() const { return static_cast<HBITMAP>(background_.Handle()); }

private:
    void Route(TMessage& message);
    // Renders the background; false when the skin has no MenuBackground image.
    bool RenderBackground();
    void PaintFrame(TMessage& message);
    void Print(TMessage& message);
    void RepaintEdges();
    bool Skinning() const { return skinning_ && skinning_(context_); }

    HWND window_ = nullptr;
    TSkinData* data_ = nullptr;
    HMENU menu_ = nullptr;
    TSkinningQuery skinning_ = nullptr;
    void* context_ = nullptr;
    TBitmap background_;
    TWindowSubclass subclass_;
};

}  // namespace tw
