#include "app/SkinResources.h"

#include <windows.h>

#include <string>

#include "skin/package/SkinStore.h"
#include "skins/SkinResources.h"

namespace tw {

void LoadBuiltInSkins(TSkinStore& store) {
    TSkinCollection* items = store.Store();
    items->Clear();
    HMODULE module = GetModuleHandleW(nullptr);
    for (int i = 0; i < kSkinPackageCount; ++i) {
        TSkinCollectionItem* item = items->Add();
        item->SetName("SkinItem" + std::to_string(i));
        HRSRC found = FindResourceW(module, kSkinResourceNames[i], MAKEINTRESOURCEW(kSkinResourceType));
        HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
        const void* bytes = loaded ? LockResource(loaded) : nullptr;
        if (bytes) item->Data().Write(bytes, SizeofResource(module, found));
        item->Data().SetPosition(0);
    }
}

}  // namespace tw
