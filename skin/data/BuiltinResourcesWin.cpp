// The built-in bitmaps from the program's resources, the drawings when a module lacks them.
#include <windows.h>

#include <cstring>
#include <vector>

#include "skin/data/BmpCodec.h"
#include "skin/data/BuiltinBitmaps.h"

namespace tw {

namespace {

// A bitmap resource is a file without its 14-byte file header; put one back and decode.
TBitmap FromResource(const wchar_t* name) {
    TBitmap bitmap;
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, name, MAKEINTRESOURCEW(2) /* RT_BITMAP */);
    if (!info) return bitmap;
    HGLOBAL handle = LoadResource(module, info);
    const void* bytes = handle ? LockResource(handle) : nullptr;
    const DWORD size = SizeofResource(module, info);
    if (!bytes || size < 16) return bitmap;
    std::vector<uint8_t> file(14 + size);
    file[0] = 'B';
    file[1] = 'M';
    const uint32_t total = static_cast<uint32_t>(file.size());
    std::memcpy(&file[2], &total, 4);
    // Pixels follow the header and colour table; the decoder finds them itself from offset 0.
    std::memcpy(&file[14], bytes, size);
    LoadBmp(file, bitmap);
    return bitmap;
}

TBitmap ResourceOr(const wchar_t* name, TBitmap (*drawn)()) {
    TBitmap bitmap = FromResource(name);
    return bitmap.Empty() ? drawn() : bitmap;
}

}  // namespace

TBitmap BuiltinMenuGlyphBitmap() { return ResourceOr(L"THALORMENU", &DrawnMenuGlyphBitmap); }
TBitmap BuiltinTrackBitmap() { return ResourceOr(L"TRACK", &DrawnTrackBitmap); }
TBitmap BuiltinTrackVertBitmap() { return ResourceOr(L"TRACKVERT", &DrawnTrackVertBitmap); }

}  // namespace tw
