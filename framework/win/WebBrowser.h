// TWebBrowser: the banner pane. Where the system's web-browser control can show pages, it hosts
// one in place and sends it to the address (the page is embedded in the program, so nothing
// depends on a network); where it cannot (Wine without its browser engine), the pane paints a
// banner of its own with the same text.
#pragma once

#include <windows.h>

#include <string>

#include "framework/win/StdCtrls.h"

namespace tw {

class TBrowserHost;

class TWebBrowser : public TCustomControl {
    TW_CLASS_INFO()
public:
    explicit TWebBrowser(TComponent* owner);

    // Starts showing the page at url; nothing waits for it to load.
    void Navigate(const std::wstring& url);
    const std::wstring& LocationURL() const { return url_; }
    // The banner's headline and second line, shown in place of the page.
    void SetBannerText(const std::wstring& headline, const std::wstring& tagline);
    // True while the system's control shows the page; false while the pane paints its banner.
    bool ShowsPage() const { return host_ != nullptr; }

    ~TWebBrowser() override;

protected:
    void Paint(HDC dc) override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;

private:
    void ShowPage();
    void CloseHost();

    TBrowserHost* host_ = nullptr;
    std::wstring url_;
    std::wstring headline_;
    std::wstring tagline_;
    TFont headlineFont_;
};

}  // namespace tw
