#include "framework/win/WebBrowser.h"

#include "framework/win/BrowserHost.h"
#include "framework/win/Handles.h"

namespace tw {

const TClassInfo& TWebBrowser::StaticClassInfo() {
    static const TClassInfo info{"TWebBrowser", &TCustomControl::StaticClassInfo(), {}};
    return info;
}

TWebBrowser::TWebBrowser(TComponent* owner) : TCustomControl(owner) {
    headlineFont_.SetHeight(-28);
    headlineFont_.SetStyle(fsBold);
}

TWebBrowser::~TWebBrowser() { CloseHost(); }

void TWebBrowser::Navigate(const std::wstring& url) {
    url_ = url;
    if (HandleAllocated()) ShowPage();
    Invalidate();
}

void TWebBrowser::HandleCreated() {
    TCustomControl::HandleCreated();
    if (!url_.empty()) ShowPage();
}

void TWebBrowser::ShowPage() {
    if (!host_) host_ = TBrowserHost::Create(Handle(), RECT{0, 0, width_, height_});
    if (host_) host_->Navigate(url_);
}

void TWebBrowser::CloseHost() {
    if (!host_) return;
    TBrowserHost* host = host_;
    host_ = nullptr;
    host->Close();
    host->Release();
}

void TWebBrowser::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_SIZE:
            if (host_) host_->SetBounds(RECT{0, 0, LOWORD(message.LParam), HIWORD(message.LParam)});
            break;
        case WM_DESTROY:
            // The control's window is a child of ours and goes with it: let go of it first.
            CloseHost();
            break;
        default:
            break;
    }
    TCustomControl::WndProc(message);
}

void TWebBrowser::SetBannerText(const std::wstring& headline, const std::wstring& tagline) {
    headline_ = headline;
    tagline_ = tagline;
    Invalidate();
}

void TWebBrowser::Paint(HDC dc) {
    // A calm two-tone band: deep blue fading to teal, with the product line on it.
    RECT client{0, 0, width_, height_};
    const int steps = 64;
    for (int i = 0; i < steps; ++i) {
        RECT band{client.left + (client.right * i) / steps, 0, client.left + (client.right * (i + 1)) / steps,
                  client.bottom};
        int r = 24 + (16 - 24) * i / steps, g = 58 + (132 - 58) * i / steps, b = 112 + (140 - 112) * i / steps;
        SetBkColor(dc, RGB(r, g, b));
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &band, nullptr, 0, nullptr);
    }
    headlineFont_.SetName(font_.Name());
    headlineFont_.SetCharset(font_.Charset());
    headlineFont_.SetColor(RGB(255, 255, 255));
    RECT title{24, height_ / 2 - 40, width_ - 24, height_ / 2 + 4};
    DrawControlText(dc, headlineFont_, true, headline_, title, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_BOTTOM);
    TFont tagFont;
    tagFont.Assign(font_);
    tagFont.SetColor(RGB(214, 236, 240));
    RECT tag{26, height_ / 2 + 12, width_ - 24, height_ / 2 + 36};
    DrawControlText(dc, tagFont, true, tagline_, tag, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
}

}  // namespace tw
