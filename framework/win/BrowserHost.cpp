#include "framework/win/BrowserHost.h"

namespace tw {

namespace {

// The browser control draws pages with the system's HTML engine; without one (Wine without its
// browser engine) it would only show an empty pane.
bool HasHtmlEngine() {
    CLSID htmlDocument{};
    if (FAILED(CLSIDFromProgID(L"htmlfile", &htmlDocument))) return false;
    IUnknown* document = nullptr;
    if (FAILED(CoCreateInstance(htmlDocument, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                reinterpret_cast<void**>(&document))))
        return false;
    document->Release();
    return true;
}

}  // namespace

TBrowserHost* TBrowserHost::Create(HWND parent, const RECT& rect) {
    if (!parent || !HasHtmlEngine()) return nullptr;
    auto* host = new TBrowserHost(parent, rect);
    if (host->Activate()) return host;
    host->Close();
    host->Release();
    return nullptr;
}

bool TBrowserHost::Activate() {
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(&object_))))
        return false;
    if (FAILED(object_->SetClientSite(this))) return false;
    OleSetContainedObject(object_, TRUE);
    RECT place = rect_;
    if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, parent_, &place))) return false;
    if (FAILED(object_->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser_)))) return false;
    // No script error boxes or other questions from a banner.
    browser_->put_Silent(VARIANT_TRUE);
    return true;
}

bool TBrowserHost::Navigate(const std::wstring& url) {
    if (!browser_) return false;
    BSTR address = SysAllocString(url.c_str());
    if (!address) return false;
    VARIANT empty;
    VariantInit(&empty);
    const HRESULT hr = browser_->Navigate(address, &empty, &empty, &empty, &empty);
    SysFreeString(address);
    return SUCCEEDED(hr);
}

void TBrowserHost::SetBounds(const RECT& rect) {
    rect_ = rect;
    if (!object_) return;
    IOleInPlaceObject* inPlace = nullptr;
    if (SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
        inPlace->SetObjectRects(&rect_, &rect_);
        inPlace->Release();
    }
}

void TBrowserHost::Close() {
    if (browser_) {
        browser_->Release();
        browser_ = nullptr;
    }
    if (object_) {
        IOleInPlaceObject* inPlace = nullptr;
        if (SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
            inPlace->InPlaceDeactivate();
            inPlace->Release();
        }
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
        object_->Release();
        object_ = nullptr;
    }
}

STDMETHODIMP TBrowserHost::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
        *object = static_cast<IOleClientSite*>(this);
    } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
        *object = static_cast<IOleInPlaceSite*>(this);
    } else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
        *object = static_cast<IOleInPlaceFrame*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) TBrowserHost::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

STDMETHODIMP_(ULONG) TBrowserHost::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

STDMETHODIMP TBrowserHost::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP TBrowserHost::GetContainer(IOleContainer** container) {
    if (container) *container = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP TBrowserHost::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = parent_;
    return S_OK;
}

STDMETHODIMP TBrowserHost::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                            LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    if (!frame || !document || !position || !clip || !info) return E_POINTER;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    *position = rect_;
    *clip = rect_;
    info->fMDIApp = FALSE;
    info->hwndFrame = parent_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP TBrowserHost::OnPosRectChange(LPCRECT rect) {
    if (rect) SetBounds(*rect);
    return S_OK;
}

}  // namespace tw
