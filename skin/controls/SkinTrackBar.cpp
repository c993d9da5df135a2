#include "skin/controls/SkinTrackBar.h"

#include "skin/controls/TrackGeometry.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/BitmapDC.h"
#include "skin/form/ImageDrawing.h"

namespace tw {

namespace {

bool HasImage(const TDataSkinObject* object) { return object && !object->Image.Empty(); }

}  // namespace

TSkinTrackBar::~TSkinTrackBar() { parentLayer_.Remove(); }

void TSkinTrackBar::AttachWindow(HWND window, TSkinData& data, TWinSkinForm& form) {
    TControlSkinner::AttachWindow(window, data, form);
    if (!Attached()) return;
    if (HWND parent = GetParent(window))
        parentLayer_.Install(parent, TWndMethod::Of<TSkinTrackBar, &TSkinTrackBar::ParentMessage>(this));
}

void TSkinTrackBar::Detach() {
    parentLayer_.Remove();
    TControlSkinner::Detach();
}

void TSkinTrackBar::SkinChanged() {
    if (!Attached()) return;
    face_.Reset();
    TControlSkinner::SkinChanged();
}

bool TSkinTrackBar::Vertical() const { return (GetWindowLongPtrW(Handle(), GWL_STYLE) & TBS_VERT) != 0; }

HBRUSH TSkinTrackBar::FaceBrush() {
    const COLORREF colour = FaceColour();
    if (!face_ || colour != faceColour_) {
        face_.Reset(CreateSolidBrush(colour));
        faceColour_ = colour;
    }
    return face_.Get();
}

bool TSkinTrackBar::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
        case CN_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(message.LParam);
            if (!header || header->code != static_cast<UINT>(NM_CUSTOMDRAW)) break;
            message.Result = CustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(header), 0);
            return false;
        }
        case CN_CTLCOLORSTATIC:
            SetBkColor(reinterpret_cast<HDC>(message.WParam), FaceColour());
            message.Result = reinterpret_cast<LRESULT>(FaceBrush());
            return false;
        default:
            break;
    }
    return TControlSkinner::BeforeMessage(message);
}

void TSkinTrackBar::AfterMessage(TMessage& message) {
    const POINT point{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
    switch (message.Msg) {
        case WM_MOUSEMOVE:
            // A drag keeps the thumb pressed wherever the mouse goes.
            FollowMouse(point, (mouseState_ & msPressed) != 0);
            TrackLeave();
            return;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // The bar takes the mouse only for a press on its thumb; a press beside it pages.
            FollowMouse(point, OnThumb(point) && GetCapture() == Handle());
            return;
        case WM_LBUTTONUP:
            FollowMouse(point, false);
            return;
        case WM_CAPTURECHANGED:
            if (mouseState_ & msPressed) {
                POINT cursor{};
                GetCursorPos(&cursor);
                ScreenToClient(Handle(), &cursor);
                FollowMouse(cursor, false);
            }
            return;
        case WM_MOUSELEAVE: {
            const unsigned before = mouseState_;
            TControlSkinner::AfterMessage(message);
            if (before & msPressed) mouseState_ = msPressed;
            if (mouseState_ != before) InvalidateRect(Handle(), nullptr, FALSE);
            return;
        }
        default:
            TControlSkinner::AfterMessage(message);
    }
}

bool TSkinTrackBar::OnThumb(POINT point) const {
    RECT thumb{};
    SendMessageW(Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    return PtInRect(&thumb, point) != FALSE;
}

void TSkinTrackBar::FollowMouse(POINT point, bool pressed) {
    const unsigned state = (pressed ? msPressed : 0u) | (OnThumb(point) ? msHot : 0u);
    if (state == mouseState_) return;
    mouseState_ = state;
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TSkinTrackBar::ParentMessage(TMessage& message) {
    HWND bar = Handle();
    if (Active() && message.Msg == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(message.LParam);
        if (header && header->hwndFrom == bar && header->code == static_cast<UINT>(NM_CUSTOMDRAW)) {
            parentLayer_.CallPrevious(message);
            message.Result = CustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(header), message.Result);
            return;
        }
    }
    if (Active() && message.Msg == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(message.LParam) == bar) {
        SetBkColor(reinterpret_cast<HDC>(message.WParam), FaceColour());
        message.Result = reinterpret_cast<LRESULT>(FaceBrush());
        return;
    }
    parentLayer_.CallPrevious(message);
}

LRESULT TSkinTrackBar::CustomDraw(NMCUSTOMDRAW& draw, LRESULT unchanged) {
    try {
        switch (draw.dwDrawStage) {
            case CDDS_PREPAINT:
                return CDRF_NOTIFYITEMDRAW;
            case CDDS_PREERASE:
                FillRect(draw.hdc, &draw.rc, FaceBrush());
                return CDRF_SKIPDEFAULT;
            case CDDS_ITEMPREPAINT:
                switch (draw.dwItemSpec) {
                    case TBCD_TICS:
                        return CDRF_DODEFAULT;
                    case TBCD_THUMB:
                        DrawThumb(draw.hdc);
                        return CDRF_SKIPDEFAULT;
                    case TBCD_CHANNEL:
                        DrawChannel(draw.hdc);
                        return CDRF_SKIPDEFAULT;
                    default:
                        return unchanged;
                }
            default:
                return unchanged;
        }
    } catch (...) {
        return unchanged;
    }
}

void TSkinTrackBar::DrawChannel(HDC dc) {
    if (!dc || !skinData_) return;
    RECT reported{};
    SendMessageW(Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&reported));
    const bool vertical = Vertical();
    const TDataSkinObject* image = vertical && HasImage(skinData_->TrackVert.get()) ? skinData_->TrackVert.get()
                                                                                    : skinData_->Track.get();
    if (!HasImage(image)) return;
    TRect channel{reported.left, reported.top, reported.right, reported.bottom};
    if (vertical) channel = UprightVerticalChannel(channel);
    TChannelSlice slices[3];
    const int n = ChannelSlices(vertical, channel, image->Image.Width(), image->Image.Height(),
                                vertical ? image->TopHeight : image->LeftWidth,
                                vertical ? image->BottomHeight : image->RightWidth, slices);
    if (n == 0) return;
    TBitmapDC source(dc, image->Image);
    if (!source) return;
    SetStretchBltMode(dc, COLORONCOLOR);
    for (int i = 0; i < n; ++i) {
        const TRect& s = slices[i].Source;
        const TRect& d = slices[i].Dest;
        StretchBlt(dc, d.Left, d.Top, d.Width(), d.Height(), source.Get(), s.Left, s.Top, s.Width(), s.Height(),
                   SRCCOPY);
    }
}

void TSkinTrackBar::DrawThumb(HDC dc) {
    if (!dc || !skinData_ || !IsWindow(Handle())) return;
    RECT thumb{};
    SendMessageW(Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    if (thumb.right <= thumb.left || thumb.bottom <= thumb.top) return;
    const TDataSkinObject* image = Vertical() && HasImage(skinData_->TrackbarThumbVert.get())
                                       ? skinData_->TrackbarThumbVert.get()
                                       : skinData_->TrackbarThumbHorz.get();
    if (HasImage(image)) {
        TSliceOptions options;
        options.FrameCount = 5;
        options.FrameIndex = TrackThumbFrame(IsWindowEnabled(Handle()) != FALSE, (mouseState_ & msHot) != 0,
                                             (mouseState_ & msPressed) != 0);
        DrawStripFrame(dc, thumb, image->Image, options, true);
        return;
    }
    const TBrushHandle shadow(CreateSolidBrush(ColorToRGB(ResolveColor(skinData_->Colours.ButtonShadow))));
    if (shadow) FrameRect(dc, &thumb, shadow.Get());
}

}  // namespace tw
