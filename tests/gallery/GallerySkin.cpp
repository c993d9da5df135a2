#include "tests/gallery/GallerySkin.h"

#include "framework/core/ClassInfo.h"
#include "framework/core/MemoryStream.h"
#include "skin/data/SkinData.h"
#include "skin/package/SkinStore.h"

namespace tw::gallery {

namespace {

constexpr const wchar_t* kBuiltInLabels[kBuiltInSkinCount] = {L"Linen Classic", L"Graphite", L"Azure Glass", L"Walnut",
                                                              L"Slate Flat"};

std::wstring FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return WideFromUtf8(slash == std::string::npos ? path : path.substr(slash + 1));
}

}  // namespace

const wchar_t* BuiltInSkinLabel(int index) {
    return index >= 0 && index < kBuiltInSkinCount ? kBuiltInLabels[index] : L"";
}

TSkinLoadResult LoadGallerySkin(TSkinData& data, TSkinStore& store, const TSkinChoice& choice, bool active) {
    TSkinLoadResult result;
    if (choice.IsFile()) {
        // The component ignores a file it cannot read without saying so: find out first.
        TMemoryStream probe;
        if (probe.LoadFromFile(choice.Path)) {
            data.SetSkinFile(choice.Path);
            result.Loaded = !data.FNoSkin;
        }
        const std::wstring file = FileNameOf(choice.Path);
        result.Name = result.Loaded ? WideFromUtf8(data.FSkinName) + L" (" + file + L")" : L"cannot load " + file;
    } else {
        data.LoadFromStore(&store, choice.Index);
        result.Loaded = !data.FNoSkin;
        result.Name = result.Loaded ? WideFromUtf8(data.FSkinName)
                                    : L"cannot load item " + std::to_wstring(choice.Index);
    }
    data.SetActive(active);
    return result;
}

}  // namespace tw::gallery
