#include "skin/form/WinSkinMenu.h"

#include "framework/win/Graphics.h"
#include "framework/win/Menus.h"
#include "skin/data/MenuBarLayout.h"
#include "skin/data/SkinData.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/BitmapDC.h"
#include "skin/form/FormSkinnerHost.h"
#include "skin/form/ImageDrawing.h"
#include "skin/form/MenuItemPainter.h"
#include "skin/form/OwnerDrawSwitch.h"
#include "skin/form/WinSkinForm.h"

namespace tw {

namespace {

COLORREF Colour(TColor color) { return ColorToRGB(ResolveColor(color)); }

// The menu loop of the process: one menu-bar popup is open at a time.
struct TMenuLoop {
    TWinSkinMenu* Bar = nullptr;  // none once the bar is gone while its popup still shows
    int Open = -1;
    int Pending = -1;  // the item to open once the popup has ended
    bool FirstSeen = false;
};
TMenuLoop& Loop() {
    static TMenuLoop loop;
    return loop;
}

int CaptionWidth(const std::wstring& caption) {
    if (caption.empty()) return 0;
    const TWindowDC screen = ClientDC(nullptr);
    const TSelection keep = Select(screen.Get(), MenuFont(false));
    RECT r{0, 0, 0, 0};
    DrawTextW(screen.Get(), caption.c_str(), static_cast<int>(caption.size()), &r,
              DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);
    return r.right - r.left;
}

bool Contains(const TRect& r, POINT p) { return p.x >= r.Left && p.x < r.Right && p.y >= r.Top && p.y < r.Bottom; }

// The window's small icon, else its big one, else its class's, else the system's application icon.
HICON SmallIconOf(HWND window) {
    for (WPARAM kind : {ICON_SMALL, ICON_BIG})
        if (auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, kind, 0))) return icon;
    for (int index : {GCLP_HICONSM, GCLP_HICON})
        if (auto icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, index))) return icon;
    return LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace

LRESULT CALLBACK MenuFilterHook(int code, WPARAM wParam, LPARAM lParam) {
    TMenuLoop& loop = Loop();
    auto* message = reinterpret_cast<MSG*>(lParam);
    if (code == MSGF_MENU && message && loop.Bar) {
        bool ended = false;
        try {
            // The popup opens with its first entry selected.
            if (!loop.FirstSeen) {
                loop.FirstSeen = true;
                PostMessageW(message->hwnd, WM_KEYDOWN, VK_DOWN, 0);
            }
            const int target = loop.Bar->SwitchFor(*message);
            if (target >= 0) {
                // The popup ends here and the loop in OpenMenu opens the next one: a click
                // posted to the window would be dispatched inside this popup's loop and open a
                // second popup inside the first.
                loop.Pending = target;
                EndMenu();
                ended = true;
            }
        } catch (...) {
        }
        if (ended) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// ---------------------------------------------------------------- TMenuBtn

void TMenuBtn::Paint() { bar_.PaintItem(*this); }

// ---------------------------------------------------------------- TWinSkinMenu

TWinSkinMenu::TWinSkinMenu(TWinSkinForm& form)
    : form_(form), childIcon_(std::make_unique<TMdiChildIcon>(form)), life_(std::make_shared<int>(0)) {}

TWinSkinMenu::~TWinSkinMenu() {
    if (Loop().Bar == this) Loop().Bar = nullptr;
    if (form_.HotObject() == childIcon_.get()) form_.SetHotObject(nullptr);
    if (form_.HotObject())
        for (const auto& item : items_)
            if (form_.HotObject() == item.get()) form_.SetHotObject(nullptr);
}

int TWinSkinMenu::OpenIndex() { return Loop().Open; }

bool TWinSkinMenu::DrawsMenu(HMENU menu) const { return drawn_ && menu && drawn_->Holds(menu); }

bool TWinSkinMenu::DrawsCommand(UINT command) const {
    if (!drawn_ || !openSubMenu_) return false;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID;
    return GetMenuItemInfoW(openSubMenu_, command, FALSE, &info) != FALSE;
}

TMenuBtn* TWinSkinMenu::Item(int index) const {
    return index >= 0 && index < Count() ? items_[static_cast<size_t>(index)].get() : nullptr;
}

void TWinSkinMenu::ReadItems(HMENU menu, TMenu* framework) {
    // The hot object must not outlive the buttons it points to.
    for (const auto& item : items_)
        if (form_.HotObject() == item.get()) form_.SetHotObject(nullptr);
    items_.clear();
    menuHandle_ = menu;
    framework_ = framework;
    rightToLeft_ = (GetWindowLongPtrW(form_.Handle(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    if (!menu) return;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[80] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 79;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        auto item = std::make_unique<TMenuBtn>(form_, *this);
        item->Index = static_cast<int>(items_.size());
        item->SubMenu = info.hSubMenu;
        item->Enabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
        item->Command = info.wID;
        item->Caption = text;
        if (framework)
            if (TMenuItem* found = framework->FindItem(info.wID)) {
                item->Caption = found->Caption();
                item->Enabled = found->Enabled();
                item->MenuItem = found;
                item->SubMenu = found->Count() > 0 ? found->Handle() : nullptr;
            }
        const size_t tab = item->Caption.find(L'\t');
        if (tab != std::wstring::npos) item->Caption.resize(tab);
        item->TextWidth = CaptionWidth(item->Caption);
        items_.push_back(std::move(item));
    }
}

void TWinSkinMenu::Layout(const TFrameMetrics& m, int frameWidth) {
    const TSkinData* data = form_.SkinData();
    const TRect band(m.BorderLeft, m.TitleHeight, frameWidth - m.BorderRight, m.TitleHeight + m.MenuHeight);
    std::vector<TMenuBarEntry> entries;
    for (const auto& item : items_)
        entries.push_back(TMenuBarEntry{item->Caption, item->TextWidth, item->Enabled, true});
    TMenuBarLook look;
    if (data && data->MenuBar && !data->MenuBar->Image.Empty()) {
        look.HasImage = true;
        look.LeftWidth = data->MenuBar->LeftWidth;
        look.RightWidth = data->MenuBar->RightWidth;
    }
    look.RightToLeft = rightToLeft_;
    // A maximised MDI child's system menu is reached from its icon, ahead of the frame's items.
    childIcon_->Child = form_.MaximisedActiveMdiChild();
    const int iconSize = GetSystemMetrics(SM_CXSMICON);
    if (childIcon_->Child) look.LeadingIconWidth = iconSize + 4;
    childIcon_->Bounds = MenuBarIconRect(band, look, iconSize);
    childIcon_->Visible = childIcon_->Child && !childIcon_->Bounds.IsEmpty();
    const std::vector<TRect> bounds = LayoutMenuBar(band, entries, look);
    for (size_t i = 0; i < items_.size(); ++i) {
        items_[i]->Bounds = bounds[i];
        items_[i]->Visible = items_[i]->ItemVisible && !bounds[i].IsEmpty();
    }
}

void TWinSkinMenu::DrawCaption(HDC dc, const TMenuBtn& item, const RECT& rect) const {
    const TSkinData* data = form_.SkinData();
    if (!data) return;
    // The open item shows as a selected entry of its popup does, so that one sees which menu
    // is open; the hot one keeps a thin frame.
    const bool open = item.State == csPressed && item.Enabled;
    if (open) {
        DrawSelectedMenuItemGround(dc, rect, *data);
    } else if (item.State == csPressed || item.State == csHot) {
        const TBrushHandle frame(CreateSolidBrush(Colour(data->Colours.ButtonHilight)));
        FrameRect(dc, &rect, frame.Get());
    }
    const TSelection keep = Select(dc, MenuFont(false));
    SetBkMode(dc, TRANSPARENT);
    const TColor colour = open           ? data->Colours.HilightText
                          : item.Enabled ? data->Colours.MenuBarText
                                         : data->Colours.ButtonShadow;
    SetTextColor(dc, Colour(colour));
    RECT text = rect;
    DrawTextW(dc, item.Caption.c_str(), static_cast<int>(item.Caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TWinSkinMenu::PaintBar(HDC dc, const RECT& band, bool active) {
    const TSkinData* data = form_.SkinData();
    const int width = band.right - band.left, height = band.bottom - band.top;
    if (!data || !dc || width <= 0 || height <= 0) return;
    barRect_ = band;
    Layout(form_.Metrics(), band.right + form_.Metrics().BorderRight);
    const TBitmapHandle scratch(CreateCompatibleBitmap(dc, width, height));
    TBitmapDC buffer(dc, scratch.Get());
    if (!buffer) return;
    const RECT local{0, 0, width, height};
    const TDataSkinObject* bar = data->MenuBar.get();
    if (bar && !bar->Image.Empty()) {
        TSliceOptions options;
        options.FrameCount = 2;
        options.FrameIndex = active ? 1 : 2;
        options.Stacked = true;
        options.LeftWidth = bar->LeftWidth;
        options.RightWidth = bar->RightWidth;
        if (bar->Tile == 1) DrawNineSlice(buffer.Get(), local, bar->Image, options, false);
        else
            DrawThreeSlice(buffer.Get(), local, bar->Image, options, false);
    } else {
        const TBrushHandle fill(CreateSolidBrush(Colour(data->Colours.Menubar)));
        FillRect(buffer.Get(), &local, fill.Get());
    }
    // The background kept without texts: one item repaints from it.
    barImage_ = TBitmapHandle(CreateCompatibleBitmap(dc, width, height));
    if (TBitmapDC copy(dc, barImage_.Get()); copy) BitBlt(copy.Get(), 0, 0, width, height, buffer.Get(), 0, 0, SRCCOPY);
    for (const auto& item : items_) {
        if (!item->Visible) continue;
        const TRect b = item->Bounds.Offset(-band.left, -band.top);
        DrawCaption(buffer.Get(), *item, RECT{b.Left, b.Top, b.Right, b.Bottom});
    }
    // A maximised MDI child: its icon at the band's start, its buttons at the end.
    if (childIcon_->Visible) {
        const TRect b = childIcon_->Bounds.Offset(-band.left, -band.top);
        const int size = GetSystemMetrics(SM_CXSMICON);
        DrawIconEx(buffer.Get(), b.Left + (b.Width() - size) / 2, b.Top, SmallIconOf(childIcon_->Child), size, size, 0,
                   nullptr, DI_NORMAL);
    }
    form_.PaintMdiButtons(buffer.Get(), band);
    BitBlt(dc, band.left, band.top, width, height, buffer.Get(), 0, 0, SRCCOPY);
}

void TWinSkinMenu::PaintItem(const TMenuBtn& item) {
    if (!item.Visible || !barImage_ || !IsWindowVisible(form_.Handle())) return;
    const TWindowDC window = WholeWindowDC(form_.Handle());
    if (!window) return;
    const int width = item.Bounds.Width(), height = barRect_.bottom - barRect_.top;
    if (width <= 0 || height <= 0) return;
    const TBitmapHandle column(CreateCompatibleBitmap(window.Get(), width, height));
    TBitmapDC buffer(window.Get(), column.Get());
    TBitmapDC ground(window.Get(), barImage_.Get());
    if (!buffer || !ground) return;
    BitBlt(buffer.Get(), 0, 0, width, height, ground.Get(), item.Bounds.Left - barRect_.left, 0, SRCCOPY);
    const int top = item.Bounds.Top - barRect_.top;
    DrawCaption(buffer.Get(), item, RECT{0, top, width, top + item.Bounds.Height()});
    BitBlt(window.Get(), item.Bounds.Left, barRect_.top, width, height, buffer.Get(), 0, 0, SRCCOPY);
}

TMenuBtn* TWinSkinMenu::ItemAt(POINT framePoint) const {
    for (const auto& item : items_)
        if (item->Visible && !item->Caption.empty() && Contains(item->Bounds, framePoint)) return item.get();
    return nullptr;
}

TNCObject* TWinSkinMenu::ObjectAt(POINT framePoint) const {
    if (childIcon_->Visible && Contains(childIcon_->Bounds, framePoint)) return childIcon_.get();
    return ItemAt(framePoint);
}

bool TWinSkinMenu::OpenChildSystemMenu() {
    const HWND child = form_.MaximisedActiveMdiChild();
    if (!child) return false;
    RECT frame{};
    GetWindowRect(form_.Handle(), &frame);
    const TRect& b = childIcon_->Bounds;
    const POINT at{frame.left + (rightToLeft_ ? b.Right : b.Left), frame.top + barRect_.bottom};
    // A skinned child opens its own skinned copy; a bare one gets the system's menu from here,
    // its choice sent to it as the system's own would be.
    if (SendMessageW(child, SKM_SYSTEMMENU, 0, MAKELPARAM(at.x, at.y)) == 1) return true;
    const HMENU system = GetSystemMenu(child, FALSE);
    if (!system) return false;
    const UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON | (rightToLeft_ ? TPM_RIGHTALIGN : 0);
    const UINT command = static_cast<UINT>(TrackPopupMenu(system, flags, at.x, at.y, 0, child, nullptr));
    if (command && IsWindow(child)) PostMessageW(child, WM_SYSCOMMAND, command, 0);
    return true;
}

std::vector<bool> TWinSkinMenu::ItemsThatOpen() const {
    std::vector<bool> opens;
    for (const auto& item : items_) opens.push_back(item->Enabled && item->ItemVisible);
    return opens;
}

TMenuBtn* TWinSkinMenu::FirstItem() const { return Item(FirstMenuThatOpens(ItemsThatOpen())); }

TMenuBtn* TWinSkinMenu::FindAccelerator(wchar_t character) const {
    std::vector<TMenuBarEntry> entries;
    for (const auto& item : items_)
        entries.push_back(TMenuBarEntry{item->Caption, item->TextWidth, item->Enabled, item->ItemVisible});
    return Item(FindMenuAccelerator(entries, character));
}

void TWinSkinMenu::MenuSelected(WPARAM wParam, LPARAM lParam) {
    const UINT flags = HIWORD(wParam);
    const auto menu = reinterpret_cast<HMENU>(lParam);
    if (flags == 0xFFFF && !menu) return;  // the menu closes
    selection_.Known = menu != nullptr;
    selection_.InTopLevel = menu == openSubMenu_;
    selection_.HasSubItems = (flags & MF_POPUP) != 0;
}

int TWinSkinMenu::SwitchFor(const MSG& message) {
    const TMenuLoop& loop = Loop();
    if (message.message == WM_KEYDOWN) {
        TMenuLoopKey key = message.wParam == VK_LEFT    ? TMenuLoopKey::mkLeft
                           : message.wParam == VK_RIGHT ? TMenuLoopKey::mkRight
                                                        : TMenuLoopKey::mkOther;
        return MenuSwitchForKey(loop.Open, ItemsThatOpen(), MirroredKey(key, rightToLeft_), selection_);
    }
    if (message.message == WM_MOUSEMOVE) {
        const POINT p = message.pt;
        if (p.x == lastCursor_.x && p.y == lastCursor_.y) return -1;
        lastCursor_ = p;
        RECT window{};
        GetWindowRect(form_.Handle(), &window);
        const TMenuBtn* hovered = ItemAt(POINT{p.x - window.left, p.y - window.top});
        return MenuSwitchForHover(loop.Open, ItemsThatOpen(), hovered ? hovered->Index : -1);
    }
    return -1;
}

bool TWinSkinMenu::OpenMenu(TMenuBtn* first) {
    TMenuLoop& loop = Loop();
    if (!first || loop.Bar) return false;
    // What the loop needs once a popup has returned is kept here: the choice posted from the
    // popup may have closed the form, and the painter with it.
    const std::weak_ptr<int> alive = life_;
    const HWND window = form_.Handle();
    TFormSkinnerHost* host = form_.Host();
    bool shown = false;
    int next = first->Index;
    while (next >= 0) {
        TMenuBtn* item = Item(next);
        if (!item) break;
        // A plain command on the bar, or a framework item whose click may fill its submenu.
        if (!item->SubMenu || item->MenuItem) PostMessageW(window, WM_COMMAND, MAKEWPARAM(item->Command, 0), 0);
        if (!item->SubMenu) break;
        const int opened = next;
        const bool enabled = item->Enabled;
        const HMENU subMenu = item->SubMenu;
        TOwnerDrawSwitch drawn(subMenu);
        drawn_ = &drawn;
        openSubMenu_ = subMenu;
        selection_ = TMenuLoopSelection{};
        GetCursorPos(&lastCursor_);
        item->State = csPressed;
        PaintItem(*item);
        RECT frame{};
        GetWindowRect(window, &frame);
        const int x = frame.left + (rightToLeft_ ? item->Bounds.Right : item->Bounds.Left);
        const int y = frame.top + item->Bounds.Bottom;
        const UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON | (rightToLeft_ ? TPM_RIGHTALIGN : 0);
        loop = TMenuLoop{this, opened, -1, false};
        UINT chosen = 0;
        if (enabled) {
            if (host) host->SetMenuContext(mcMenuBar);
            const THookHandle hook(SetWindowsHookExW(WH_MSGFILTER, &MenuFilterHook, nullptr, GetCurrentThreadId()));
            shown = true;
            chosen = static_cast<UINT>(TrackPopupMenu(subMenu, flags, x, y, 0, window, nullptr));
        }
        next = loop.Pending;
        loop = TMenuLoop{};
        const bool painterAlive = !alive.expired();
        if (painterAlive) drawn_ = nullptr;
        // The entries draw as their own again before the choice runs.
        drawn.Restore();
        if (chosen) PostMessageW(window, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
        if (!painterAlive) return shown;
        openSubMenu_ = nullptr;
        if (TMenuBtn* same = Item(opened)) {
            same->State = csNormal;
            if (form_.HotObject() == same) form_.SetHotObject(nullptr);
            PaintItem(*same);
        }
        if (!enabled) break;
    }
    return shown;
}

}  // namespace tw
