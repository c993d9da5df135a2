#include "framework/core/PropertyText.h"

#include "framework/core/ClassInfo.h"
#include "framework/core/Component.h"

namespace tw {

bool ReadPropertyText(TComponent& root, const std::wstring& path, std::wstring& value) {
    std::string text = Utf8FromWide(path);
    size_t dot = text.find('.');
    TComponent* target = &root;
    std::string property = text;
    if (dot != std::string::npos) {
        target = root.FindComponent(text.substr(0, dot));
        property = text.substr(dot + 1);
    }
    if (!target) return false;
    const TPropInfo* info = target->ClassInfo().FindProp(property);
    if (!info) return false;
    switch (info->Kind) {
        case TTypeKind::tkInteger:
            value = std::to_wstring(GetOrdProp(target, property));
            return true;
        case TTypeKind::tkEnumeration:
            value = WideFromUtf8(GetEnumProp(target, property));
            return true;
        case TTypeKind::tkString:
        case TTypeKind::tkWString:
            value = GetWideTextProp(target, property);
            return true;
        case TTypeKind::tkClass:
            return false;
    }
    return false;
}

}  // namespace tw
