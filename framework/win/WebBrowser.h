// TWebBrowser: the banner pane. It remembers the address it was sent to and paints a banner
// of our own; the page itself is embedded in the program, so nothing depends on a network.
#pragma once

#include <windows.h>

#include <string>

#include "framework/win/StdCtrls.h"

namespace tw {

class TWebBrowser : public TCustomControl {
    TW_CLASS_INFO()
public:
    explicit TWebBrowser(TComponent* owner);

    // Starts showing the page at url; nothing waits for it to load.
    void Navigate(const std::wstring& url);
    const std::wstring& LocationURL() const { return url_; }
    // The banner's headline and second line, shown in place of the page.
    void SetBannerText(const std::wstring& headline, const std::wstring& tagline);

protected:
    void Paint(HDC dc) override;

private:
    std::wstring url_;
    std::wstring headline_;
    std::wstring tagline_;
    TFont headlineFont_;
};

}  // namespace tw
