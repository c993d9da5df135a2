// TObject, TClassInfo and published properties: class identity by name and properties readable
// and writable by name, the one run-time type facility the skin engine needs.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tw {

class TObject;

enum class TTypeKind { tkInteger, tkEnumeration, tkString, tkWString, tkClass };

// One published property. Enumerations (Booleans included: "False", "True") are read and set
// as their identifier text; ordinal getters and setters carry the value's position.
struct TPropInfo {
    std::string Name;
    TTypeKind Kind = TTypeKind::tkInteger;
    std::vector<std::string> EnumNames;
    std::function<int64_t(const TObject&)> GetOrd;
    std::function<void(TObject&, int64_t)> SetOrd;
    std::function<std::string(const TObject&)> GetStr;
    std::function<void(TObject&, const std::string&)> SetStr;
    std::function<std::wstring(const TObject&)> GetWStr;
    std::function<void(TObject&, const std::wstring&)> SetWStr;
    std::function<TObject*(const TObject&)> GetObj;
};

struct TClassInfo {
    const char* Name;
    const TClassInfo* Parent;
    std::vector<TPropInfo> Props;

    // True when this class or one of its ancestors is called name (ASCII case ignored).
    bool InheritsFrom(const std::string& name) const;
    const TPropInfo* FindProp(const std::string& name) const;
};

class TObject {
public:
    virtual ~TObject() = default;
    static const TClassInfo& StaticClassInfo();
    virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }
    std::string ClassName() const { return ClassInfo().Name; }
    bool InheritsFrom(const std::string& name) const { return ClassInfo().InheritsFrom(name); }
};

// The plain event: a method pointer (object and method, here any callable) called with the sender.
using TNotifyEvent = std::function<void(TObject* sender)>;

// Declares the class-information pair of a framework class; its definition lists the
// class name, the parent class and the published properties.
#define TW_CLASS_INFO()                               \
public:                                               \
    static const ::tw::TClassInfo& StaticClassInfo(); \
    const ::tw::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

// Property builders for class-information tables.
template <class T, class Get, class Set>
TPropInfo IntProp(const char* name, Get get, Set set) {
    TPropInfo p;
    p.Name = name;
    p.Kind = TTypeKind::tkInteger;
    p.GetOrd = [get](const TObject& o) { return static_cast<int64_t>(get(static_cast<const T&>(o))); };
    p.SetOrd = [set](TObject& o, int64_t v) { set(static_cast<T&>(o), v); };
    return p;
}

template <class T, class Get, class Set>
TPropInfo EnumProp(const char* name, std::vector<std::string> identifiers, Get get, Set set) {
    TPropInfo p;
    p.Name = name;
    p.Kind = TTypeKind::tkEnumeration;
    p.EnumNames = std::move(identifiers);
    p.GetOrd = [get](const TObject& o) { return static_cast<int64_t>(get(static_cast<const T&>(o))); };
    p.SetOrd = [set](TObject& o, int64_t v) { set(static_cast<T&>(o), v); };
    return p;
}

template <class T, class Get, class Set>
TPropInfo BoolProp(const char* name, Get get, Set set) {
    return EnumProp<T>(name, {"False", "True"}, get, [set](T& o, int64_t v) { set(o, v != 0); });
}

template <class T, class Get, class Set>
TPropInfo StrProp(const char* name, Get get, Set set) {
    TPropInfo p;
    p.Name = name;
    p.Kind = TTypeKind::tkString;
    p.GetStr = [get](const TObject& o) { return std::string(get(static_cast<const T&>(o))); };
    p.SetStr = [set](TObject& o, const std::string& v) { set(static_cast<T&>(o), v); };
    return p;
}

template <class T, class Get, class Set>
TPropInfo WStrProp(const char* name, Get get, Set set) {
    TPropInfo p;
    p.Name = name;
    p.Kind = TTypeKind::tkWString;
    p.GetWStr = [get](const TObject& o) { return std::wstring(get(static_cast<const T&>(o))); };
    p.SetWStr = [set](TObject& o, const std::wstring& v) { set(static_cast<T&>(o), v); };
    return p;
}

template <class T, class Get>
TPropInfo ObjProp(const char* name, Get get) {
    TPropInfo p;
    p.Name = name;
    p.Kind = TTypeKind::tkClass;
    p.GetObj = [get](const TObject& o) -> TObject* { return get(static_cast<const T&>(o)); };
    return p;
}

// Access by name. None of these fails: a missing object or property, or one of another kind,
// gives -1, empty text or no object, and a set that cannot apply answers false.
int64_t GetOrdProp(const TObject* obj, const std::string& name);
std::string GetEnumProp(const TObject* obj, const std::string& name);
std::wstring GetWideTextProp(const TObject* obj, const std::string& name);
TObject* GetObjectProp(const TObject* obj, const std::string& name, const std::string& className = {});
bool SetPropFromText(TObject* obj, const std::string& name, const std::string& text);
bool HasProp(const TObject* obj, const std::string& name);

// UTF-8 <-> UTF-16 for the byte-string properties; portable, no system code page involved.
std::wstring WideFromUtf8(const std::string& s);
std::string Utf8FromWide(const std::wstring& s);

}  // namespace tw
