#include "framework/core/ClassInfo.h"

#include <cstdlib>

#include "framework/core/StringList.h"

namespace tw {

const TClassInfo& TObject::StaticClassInfo() {
    static const TClassInfo info{"TObject", nullptr, {}};
    return info;
}

bool TClassInfo::InheritsFrom(const std::string& name) const {
    for (const TClassInfo* c = this; c; c = c->Parent)
        if (SameText(c->Name, name)) return true;
    return false;
}

const TPropInfo* TClassInfo::FindProp(const std::string& name) const {
    for (const TClassInfo* c = this; c; c = c->Parent)
        for (const auto& p : c->Props)
            if (SameText(p.Name, name)) return &p;
    return nullptr;
}

static const TPropInfo* Find(const TObject* obj, const std::string& name) {
    return obj ? obj->ClassInfo().FindProp(name) : nullptr;
}

bool HasProp(const TObject* obj, const std::string& name) { return Find(obj, name) != nullptr; }

int64_t GetOrdProp(const TObject* obj, const std::string& name) {
    const TPropInfo* p = Find(obj, name);
    if (!p || p->Kind != TTypeKind::tkInteger || !p->GetOrd) return -1;
    return p->GetOrd(*obj);
}

std::string GetEnumProp(const TObject* obj, const std::string& name) {
    const TPropInfo* p = Find(obj, name);
    if (!p || p->Kind != TTypeKind::tkEnumeration || !p->GetOrd) return {};
    int64_t v = p->GetOrd(*obj);
    if (v < 0 || v >= static_cast<int64_t>(p->EnumNames.size())) return {};
    return p->EnumNames[static_cast<size_t>(v)];
}

std::wstring GetWideTextProp(const TObject* obj, const std::string& name) {
    const TPropInfo* p = Find(obj, name);
    if (!p) return {};
    if (p->Kind == TTypeKind::tkWString && p->GetWStr) return p->GetWStr(*obj);
    if (p->Kind == TTypeKind::tkString && p->GetStr) return WideFromUtf8(p->GetStr(*obj));
    return {};
}

TObject* GetObjectProp(const TObject* obj, const std::string& name, const std::string& className) {
    const TPropInfo* p = Find(obj, name);
    if (!p || p->Kind != TTypeKind::tkClass || !p->GetObj) return nullptr;
    TObject* value = p->GetObj(*obj);
    if (value && !className.empty() && !value->InheritsFrom(className)) return nullptr;
    return value;
}

bool SetPropFromText(TObject* obj, const std::string& name, const std::string& text) {
    const TPropInfo* p = Find(obj, name);
    if (!p) return false;
    switch (p->Kind) {
        case TTypeKind::tkInteger: {
            if (!p->SetOrd) return false;
            char* end = nullptr;
            long long v = std::strtoll(text.c_str(), &end, 10);
            if (text.empty() || *end != '\0') return false;
            p->SetOrd(*obj, v);
            return true;
        }
        case TTypeKind::tkEnumeration:
            if (!p->SetOrd) return false;
            for (size_t i = 0; i < p->EnumNames.size(); ++i)
                if (SameText(p->EnumNames[i], text)) {
                    p->SetOrd(*obj, static_cast<int64_t>(i));
                    return true;
                }
            return false;
        case TTypeKind::tkString:
            if (!p->SetStr) return false;
            p->SetStr(*obj, text);
            return true;
        case TTypeKind::tkWString:
            if (!p->SetWStr) return false;
            p->SetWStr(*obj, WideFromUtf8(text));
            return true;
        case TTypeKind::tkClass:
            return false;
    }
    return false;
}

std::wstring WideFromUtf8(const std::string& s) {
    std::wstring out;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        uint32_t cp;
        size_t n;
        if (c < 0x80) {
            cp = c;
            n = 1;
        } else if ((c >> 5) == 6) {
            cp = c & 0x1F;
            n = 2;
        } else if ((c >> 4) == 14) {
            cp = c & 0x0F;
            n = 3;
        } else if ((c >> 3) == 30) {
            cp = c & 0x07;
            n = 4;
        } else {
            out += L'\xFFFD';
            ++i;
            continue;
        }
        if (i + n > s.size()) {
            out += L'\xFFFD';
            break;
        }
        bool ok = true;
        for (size_t k = 1; k < n; ++k) {
            unsigned char cc = static_cast<unsigned char>(s[i + k]);
            if ((cc >> 6) != 2) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (!ok) {
            out += L'\xFFFD';
            ++i;
            continue;
        }
        i += n;
        if (cp >= 0x10000 && sizeof(wchar_t) == 2) {
            cp -= 0x10000;
            out += static_cast<wchar_t>(0xD800 + (cp >> 10));
            out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<wchar_t>(cp);
        }
    }
    return out;
}

std::string Utf8FromWide(const std::wstring& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        uint32_t cp = static_cast<uint32_t>(s[i]);
        if (sizeof(wchar_t) == 2 && cp >= 0xD800 && cp < 0xDC00 && i + 1 < s.size()) {
            uint32_t lo = static_cast<uint32_t>(s[i + 1]);
            if (lo >= 0xDC00 && lo < 0xE000) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (lo - 0xDC00);
                ++i;
            }
        }
        if (cp < 0x80) out += static_cast<char>(cp);
        else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

}  // namespace tw
