// DIB-section pixel storage: GDI selects and draws the very rows the portable code edits.
#include <windows.h>

#include <cstring>
#include <vector>

#include "framework/win/Handles.h"
#include "skin/data/Bitmap.h"

namespace tw {

namespace {

class TDibSectionStorage : public TBitmapStorage {
public:
    TDibSectionStorage(int width, int height, int bitCount, const std::vector<TRGBQuad>& palette) {
        std::vector<uint8_t> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
        auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
        header->biSize = sizeof(BITMAPINFOHEADER);
        header->biWidth = width;
        header->biHeight = height;  // bottom-up, as the portable rows expect
        header->biPlanes = 1;
        header->biBitCount = static_cast<WORD>(bitCount);
        header->biCompression = BI_RGB;
        header->biClrUsed = static_cast<DWORD>(palette.size());
        if (!palette.empty())
            std::memcpy(info.data() + sizeof(BITMAPINFOHEADER), palette.data(), palette.size() * sizeof(RGBQUAD));
        void* bits = nullptr;
        handle_.Reset(
            CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<uint8_t*>(bits);
    }

    bool Ok() const { return handle_ && bits_; }
    uint8_t* Bits() override { return bits_; }
    void* Handle() const override { return handle_.Get(); }

    void PaletteChanged(const std::vector<TRGBQuad>& palette) override {
        if (palette.empty() || !handle_) return;
        const TMemoryDC dc = CompatibleDC(nullptr);
        if (!dc) return;
        const TSelection selectBitmap = Select(dc.Get(), handle_.Get());
        SetDIBColorTable(dc.Get(), 0, static_cast<UINT>(palette.size()),
                         reinterpret_cast<const RGBQUAD*>(palette.data()));
    }

private:
    TBitmapHandle handle_;
    uint8_t* bits_ = nullptr;
};

}  // namespace

std::unique_ptr<TBitmapStorage> CreateBitmapStorage(int width, int height, int bitCount,
                                                    const std::vector<TRGBQuad>& palette, size_t) {
    auto storage = std::make_unique<TDibSectionStorage>(width, height, bitCount, palette);
    if (!storage->Ok()) return nullptr;
    // GDI may still be batching; the rows are ours to write from here on.
    GdiFlush();
    return storage;
}

}  // namespace tw
