#include "framework/win/HeaderControl.h"

#include <commctrl.h>

namespace tw {

const TClassInfo& THeaderControl::StaticClassInfo() {
    static const TClassInfo info{
        "THeaderControl",
        &TWinControl::StaticClassInfo(),
        {
            IntProp<THeaderControl>(
                "SectionCount", [](const THeaderControl& c) { return c.SectionCount(); },
                [](THeaderControl&, int64_t) {}),
            IntProp<THeaderControl>(
                "LastClicked", [](const THeaderControl& c) { return c.lastClicked_; }, [](THeaderControl&, int64_t) {}),
        }};
    return info;
}

THeaderControl::THeaderControl(TComponent* owner) : TWinControl(owner) {}

void THeaderControl::SetSections(std::vector<THeaderSection> sections) {
    sections_ = std::move(sections);
    if (HandleAllocated()) InsertItems();
}

void THeaderControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = WC_HEADERW;
    params.Style |= HDS_BUTTONS | HDS_HORZ | HDS_HOTTRACK;
}

void THeaderControl::HandleCreated() {
    TWinControl::HandleCreated();
    InsertItems();
}

void THeaderControl::InsertItems() {
    while (SendMessageW(Handle(), HDM_GETITEMCOUNT, 0, 0) > 0) SendMessageW(Handle(), HDM_DELETEITEM, 0, 0);
    for (size_t i = 0; i < sections_.size(); ++i) {
        const THeaderSection& s = sections_[i];
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.pszText = const_cast<wchar_t*>(s.Text.c_str());
        item.cxy = s.Width;
        item.fmt = HDF_STRING | (s.Alignment == TAlignment::taRightJustify ? HDF_RIGHT
                                 : s.Alignment == TAlignment::taCenter     ? HDF_CENTER
                                                                           : HDF_LEFT);
        SendMessageW(Handle(), HDM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
}

void THeaderControl::WndProc(TMessage& message) {
    if (message.Msg == CN_NOTIFY) {
        auto* header = reinterpret_cast<NMHEADERW*>(message.LParam);
        if (header->hdr.code == HDN_ITEMCLICKW || header->hdr.code == HDN_ITEMCLICKA) {
            lastClicked_ = header->iItem;
            if (OnSectionClick) OnSectionClick(this, header->iItem);
        }
        return;
    }
    TWinControl::WndProc(message);
}

}  // namespace tw
