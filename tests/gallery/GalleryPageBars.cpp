// Page 4: scroll bar controls and track bars, horizontal and vertical, each once enabled and once
// disabled, and a memo and a list box with both scroll bars. A driver moves the enabled ones
// with the mouse and reads their Position back by name.
#include "framework/win/ScrollBar.h"
#include "framework/win/ScrolledControls.h"
#include "framework/win/TrackBar.h"
#include "tests/gallery/FrmGallery.h"
#include "tests/gallery/GalleryPages.h"

#include <string>

namespace tw::gallery {

namespace {

TScrollBar& Bar(TPageBuilder& b, const char* name, TPlace place, TScrollBarKind kind, int position) {
    TScrollBar& bar = b.Make<TScrollBar>(b.Page(), name, place);
    bar.SetKind(kind);
    bar.SetPageSize(10);
    bar.SetLargeChange(10);
    bar.SetPosition(position);
    return bar;
}

TTrackBar& Track(TPageBuilder& b, const char* name, TPlace place, TTrackBarOrientation orientation, int position) {
    TTrackBar& track = b.Make<TTrackBar>(b.Page(), name, place);
    track.SetOrientation(orientation);
    track.SetMax(20);
    track.SetFrequency(2);
    track.SetPosition(position);
    return track;
}

}  // namespace

void BuildBarsPage(TPageBuilder& b) {
    b.Label(b.Page(), "lblScrollBars", {8, 4}, L"Scroll bars 滚动条");
    Bar(b, "sbrHorz", {8, 24, 260, 17}, TScrollBarKind::sbHorizontal, 30);
    Bar(b, "sbrHorzOff", {8, 48, 260, 17}, TScrollBarKind::sbHorizontal, 60).SetEnabled(false);
    Bar(b, "sbrVert", {280, 4, 17, 180}, TScrollBarKind::sbVertical, 20);
    Bar(b, "sbrVertOff", {304, 4, 17, 180}, TScrollBarKind::sbVertical, 70).SetEnabled(false);

    b.Label(b.Page(), "lblTrackBars", {336, 4}, L"Track bars 滑块");
    Track(b, "trkHorz", {336, 24, 200, 40}, TTrackBarOrientation::trHorizontal, 4);
    Track(b, "trkHorzOff", {336, 70, 200, 40}, TTrackBarOrientation::trHorizontal, 12).SetEnabled(false);
    Track(b, "trkVert", {548, 4, 40, 180}, TTrackBarOrientation::trVertical, 6);
    Track(b, "trkVertOff", {592, 4, 40, 180}, TTrackBarOrientation::trVertical, 14).SetEnabled(false);

    TMemo& memo = b.Make<TMemo>(b.Page(), "mmoText", {8, 196, 300, 130});
    memo.SetScrollBars(TScrollStyle::ssBoth);
    std::vector<std::wstring> lines;
    for (int i = 1; i <= 30; ++i)
        lines.push_back(L"Line " + std::to_wstring(i) +
                        L" of a memo whose lines are longer than the memo is wide 备注");
    memo.SetLines(lines);

    TListBox& list = b.Make<TListBox>(b.Page(), "lstItems", {320, 196, 312, 130});
    list.SetScrollBars(TScrollStyle::ssBoth);
    std::vector<std::wstring> items;
    for (int i = 1; i <= 30; ++i)
        items.push_back(L"Item " + std::to_wstring(i) +
                        L": D:\\Videos\\a file whose name is longer than the list 列表.avi");
    list.SetItems(items);
    list.SetItemIndex(2);
}

}  // namespace tw::gallery
