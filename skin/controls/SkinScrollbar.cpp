#include "skin/controls/SkinScrollbar.h"

#include <commctrl.h>

#include <cctype>
#include <string>

#include "framework/core/ClassInfo.h"
#include "framework/win/Control.h"
#include "framework/win/Graphics.h"
#include "skin/controls/ColourSwap.h"
#include "skin/controls/SkinHeader.h"
#include "skin/data/SkinData.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/WinSkinForm.h"

namespace tw {

// ---------------------------------------------------------------- shared by the three

TScrolledSkinner::~TScrolledSkinner() {
    *scrolledAlive_ = false;
    FreePanels();
}

void TScrolledSkinner::MakePanels() {
    HWND h = Handle();
    horizontal_ = std::make_unique<TWScrollbar>(*this, h, false);
    vertical_ = std::make_unique<TWScrollbar>(*this, h, true);
    PlaceBars();
}

void TScrolledSkinner::FreePanels() {
    horizontal_.reset();
    vertical_.reset();
}

void TScrolledSkinner::Detach() {
    FreePanels();
    TControlSkinner::Detach();
}

void TScrolledSkinner::SkinChanged() {
    TControlSkinner::SkinChanged();
    PlaceBars();
}

void TScrolledSkinner::PlaceBars() {
    if (horizontal_) horizontal_->Place();
    if (vertical_) vertical_->Place();
}

void TScrolledSkinner::HideBars() {
    if (horizontal_) horizontal_->HideBar();
    if (vertical_) vertical_->HideBar();
}

void TScrolledSkinner::InvalidateBars() const {
    if (horizontal_) horizontal_->Invalidate();
    if (vertical_) vertical_->Invalidate();
}

void TScrolledSkinner::FillCorner(HDC dc) const {
    if (!dc || !horizontal_ || !vertical_ || !horizontal_->Shown() || !vertical_->Shown()) return;
    RECT window{};
    if (!GetWindowRect(Handle(), &window)) return;
    RECT h{}, v{};
    if (!horizontal_->BarScreenRect(h) || !vertical_->BarScreenRect(v)) return;
    RECT corner{v.left, h.top, v.right, h.bottom};
    OffsetRect(&corner, -window.left, -window.top);
    FillFace(dc, corner);
}

bool TScrolledSkinner::BeforeMessage(TMessage& message) {
    // The panels are siblings of the window: they go with it, even while this skinner waits
    // for the next sweep.
    if (message.Msg == WM_NCDESTROY) FreePanels();
    return TControlSkinner::BeforeMessage(message);
}

void TScrolledSkinner::AfterMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_HSCROLL:
        case WM_VSCROLL: {
            TWScrollbar* panel = message.Msg == WM_HSCROLL ? horizontal_.get() : vertical_.get();
            if (panel) panel->SetHotPart(LOWORD(message.WParam));
            break;
        }
        case WM_MOUSEWHEEL:
        case WM_MOUSEHWHEEL:
        case WM_KEYDOWN:
            InvalidateBars();
            break;
        default:
            break;
    }
    TControlSkinner::AfterMessage(message);
}

void TScrolledSkinner::DrawSkin(HDC dc, const RECT& /*rect*/) {
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    for (TWScrollbar* panel : {horizontal_.get(), vertical_.get()}) {
        if (!panel) continue;
        if (panel->Shown()) panel->Refresh();
        else if (style & (panel->Vertical() ? WS_VSCROLL : WS_HSCROLL))
            panel->Place();
    }
    FillCorner(dc);
}

// ---------------------------------------------------------------- framework controls

void TSkinScrollbar::AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) {
    TControlSkinner::AttachControl(form, data, control, recolour);
    if (!Attached()) return;
    std::string border = GetEnumProp(&control, "BorderStyle");
    for (auto& c : border) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    drawBorder_ = !border.empty() && border != "bsnone" && control.ClassName() != "TImageScrollBox" && classMode_ != 1;
    MakePanels();
    if (!control.Visible()) HideBars();
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TSkinScrollbar::DrawBorder(HDC dc) const {
    RECT r{};
    if (!dc || !GetWindowRect(Handle(), &r)) return;
    OffsetRect(&r, -r.left, -r.top);
    const TBrushHandle shadow(CreateSolidBrush(ColorToRGB(ResolveColor(skinData_->Colours.ButtonShadow))));
    const TBrushHandle face(CreateSolidBrush(FaceColour()));
    if (shadow) FrameRect(dc, &r, shadow.Get());
    InflateRect(&r, -1, -1);
    if (face) FrameRect(dc, &r, face.Get());
}

bool TSkinScrollbar::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_NCPAINT: {
            const std::shared_ptr<bool> alive = scrolledAlive_;
            CallPrevious(message);
            if (!*alive) return false;
            const TWindowDC dc = WholeWindowDC(Handle());
            if (dc) {
                if (drawBorder_) DrawBorder(dc.Get());
                FillCorner(dc.Get());
            }
            return false;
        }
        case CM_RECREATEWND:
            FollowRecreation(message);
            return false;
        case SKM_PAINTTO:
            if (message.LParam != SKM_MAGIC) break;
            if (message.WParam && drawBorder_) DrawBorder(reinterpret_cast<HDC>(message.WParam));
            message.Result = SKM_MAGIC;
            return false;
        default:
            break;
    }
    return TScrolledSkinner::BeforeMessage(message);
}

void TSkinScrollbar::AfterMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_SIZE:
        case WM_WINDOWPOSCHANGED:
            PlaceBars();
            break;
        case CM_VISIBLECHANGED:
            if (message.WParam) PlaceBars();
            else
                HideBars();
            break;
        case CM_ENABLEDCHANGED:
            InvalidateBars();
            break;
        default:
            break;
    }
    TScrolledSkinner::AfterMessage(message);
}

// ---------------------------------------------------------------- list views

TSkinListView::~TSkinListView() { header_.reset(); }

void TSkinListView::AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) {
    TSkinScrollbar::AttachControl(form, data, control, recolour);
    if (Attached()) AttachHeader();
}

void TSkinListView::AttachHeader() {
    header_.reset();
    const auto header = reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
    if (!header || !skinData_ || !form_) return;
    header_ = std::make_unique<TSkinHeader>();
    header_->AttachWindow(header, *skinData_, *form_);
}

void TSkinListView::Detach() {
    header_.reset();
    TSkinScrollbar::Detach();
}

void TSkinListView::SkinChanged() {
    TSkinScrollbar::SkinChanged();
    if (header_) header_->SkinChanged();
}

// ---------------------------------------------------------------- bare windows

void TSkinScrollbarH::AttachWindow(HWND window, TSkinData& data, TWinSkinForm& form) {
    TControlSkinner::AttachWindow(window, data, form);
    if (Attached()) MakePanels();
}

void TSkinScrollbarH::AfterMessage(TMessage& message) {
    if (!IsWindowVisible(Handle())) HideBars();
    switch (message.Msg) {
        case WM_SIZE:
        case WM_NCPAINT:
        case WM_WINDOWPOSCHANGED:
            PlaceBars();
            if (message.Msg == WM_NCPAINT) {
                const TWindowDC dc = WholeWindowDC(Handle());
                FillCorner(dc.Get());
            }
            break;
        default:
            break;
    }
    TScrolledSkinner::AfterMessage(message);
}

void TSkinListView::DrawSkin(HDC dc, const RECT& rect) {
    RECT client{};
    if (dc && GetClientRect(Handle(), &client)) {
        // The client area in the window coordinates dc has.
        POINT origin{0, 0};
        ClientToScreen(Handle(), &origin);
        OffsetRect(&client, origin.x - windowRect_.left, origin.y - windowRect_.top);
        SwapColour(dc, client, GetSysColor(COLOR_BTNFACE), FaceColour());
    }
    TSkinScrollbar::DrawSkin(dc, rect);
}

}  // namespace tw
