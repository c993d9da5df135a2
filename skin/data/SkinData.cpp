#include "skin/data/SkinData.h"

#include <algorithm>

#include "framework/core/Exception.h"
#include "skin/data/BuiltinBitmaps.h"
#include "skin/data/SkinDataHost.h"
#include "skin/data/SkinDataPlatform.h"
#include "skin/data/SkinSchema.h"
#include "skin/data/SystemInfo.h"
#include "skin/package/QuickIni.h"
#include "skin/package/SkinReader.h"
#include "skin/package/SkinStore.h"

namespace tw {

const TClassInfo& TSkinData::StaticClassInfo() {
    using T = TSkinData;
    static const TClassInfo info{
        "TSkinData",
        &TComponent::StaticClassInfo(),
        {
            BoolProp<T>(
                "Active", [](const T& o) { return o.Active(); }, [](T& o, bool v) { o.SetActive(v); }),
            IntProp<T>(
                "DisableTag", [](const T& o) { return o.DisableTag; },
                [](T& o, int64_t v) { o.DisableTag = static_cast<int>(v); }),
            IntProp<T>(
                "SkinControls", [](const T& o) { return o.SkinControls; },
                [](T& o, int64_t v) { o.SkinControls = static_cast<TSkinControlTypes>(v); }),
            IntProp<T>(
                "Options", [](const T& o) { return o.Options; },
                [](T& o, int64_t v) { o.Options = static_cast<TSkinOptions>(v); }),
            StrProp<T>(
                "Skin3rd", [](const T& o) { return o.Skin3rd().Text(); },
                [](T& o, const std::string& v) {
                    TStringList lines;
                    lines.SetText(v);
                    o.SetSkin3rd(lines);
                }),
            StrProp<T>(
                "SkinFile", [](const T& o) { return o.SkinFile(); },
                [](T& o, const std::string& v) { o.SetSkinFile(v); }),
            StrProp<T>(
                "SkinStore", [](const T& o) { return o.SkinStore(); }, [](T&, const std::string&) {}),
            EnumProp<T>(
                "SkinFormtype", {"sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"},
                [](const T& o) { return static_cast<int>(o.SkinFormtype); },
                [](T& o, int64_t v) {
                    if (v >= sfMainform && v <= sfDLL) o.SkinFormtype = static_cast<TSkinFormType>(v);
                }),
            StrProp<T>(
                "Version", [](const T& o) { return o.Version(); }, [](T&, const std::string&) {}),
            BoolProp<T>(
                "MenuUpdate", [](const T& o) { return o.MenuUpdate; }, [](T& o, bool v) { o.MenuUpdate = v; }),
            BoolProp<T>(
                "MenuMerge", [](const T& o) { return o.MenuMerge; }, [](T& o, bool v) { o.MenuMerge = v; }),
        }};
    return info;
}

TSkinData::TSkinData(TComponent* owner)
    : TComponent(owner),
      Buttons(std::make_unique<TDataSkinButton>("Buttons")),
      Title(std::make_unique<TDataSkinTitle>("Title")),
      Left(std::make_unique<TDataSkinBorder>("Left")),
      Right(std::make_unique<TDataSkinBorder>("Right")),
      Top(std::make_unique<TDataSkinBorder>("Top")),
      Bottom(std::make_unique<TDataSkinBorder>("Bottom")),
      skin3rd_(DefaultSkin3rd()),
      menuGlyphs_(BuiltinMenuGlyphBitmap()),
      platform_(CreateSkinDataPlatform()) {
    platform_->LoadMenuGlyphs(menuGlyphs_);
    FMaxWidth = MaximizedWidth();
    FMaxHeight = MaximizedHeight();
    Colours.ButtonFace = SystemColorValue(COLOR_INDEX_BTNFACE);
}

TSkinData::~TSkinData() {
    if (TSkinDataHost* host = FindSkinDataHost(false)) host->SkinDataRemoved(*this);
}

void* TSkinData::FMenuGlyphs() const { return platform_->MenuGlyphs(); }
void* TSkinData::FCaptionFont() const { return platform_->CaptionFont(); }
void* TSkinData::FFaceBrush() const { return platform_->FaceBrush(); }

std::string TSkinData::SkinStore() const {
    if (IsDesigning()) return FSkinBuffer.Size() > 0 ? "(Good)" : "(none)";
    return "(none)";
}

void TSkinData::SetSkinFile(const std::string& path) {
    skinFile_ = path;
    if (IsDesigning()) {
        FNoSkin = true;
        if (!path.empty() && FSkinBuffer.Size() > 0) FSkinBuffer.Clear();
        return;
    }
    // A path that cannot be read is ignored: the current skin stays in use.
    TMemoryStream bytes;
    if (path.empty() || !bytes.LoadFromFile(path)) return;
    FNoSkin = true;
    FSkinBuffer = std::move(bytes);
    if (ParseSkin()) ApplySkin();
}

void TSkinData::WriteSkinStream(TMemoryStream& target) const {
    target.WriteUInt32LE(static_cast<uint32_t>(FSkinBuffer.Size()));
    if (FSkinBuffer.Size() > 0) target.Write(FSkinBuffer.Memory(), FSkinBuffer.Size());
}

void TSkinData::ReadSkinStream(TMemoryStream& source) {
    const uint32_t length = source.ReadUInt32LE();
    if (length == 0) return;
    if (source.Size() - source.Position() < length) throw Exception("Stream read error");
    TMemoryStream bytes;
    bytes.SetSize(length);
    source.ReadBuffer(bytes.Memory(), length);
    FSkinBuffer = std::move(bytes);
    if (!IsDesigning()) ParseSkin();
}

void TSkinData::LoadFromStore(TSkinStore* store, int index) {
    if (!store || index >= store->Store()->Count()) return;
    TSkinCollectionItem* item = store->Store()->Items(index);  // EListError below 0
    FNoSkin = true;
    FSkinBuffer.Clear();
    const TMemoryStream& data = item->Data();
    if (data.Size() > 0) FSkinBuffer.Write(data.Memory(), data.Size());
    FSkinBuffer.SetPosition(0);
    ParseSkin();
    ApplySkin();
}

bool TSkinData::ParseSkin() {
    FNoSkin = true;
    if (IsDesigning()) return false;
    TSkinReader reader;
    if (!reader.Open(FSkinBuffer)) return false;
    TQuickIni ini;
    TMemoryStream scratch;
    std::string iniName;
    reader.ExtractFirstMatch(".ini", scratch, iniName);
    scratch.SetPosition(0);
    ini.LoadFromStream(&scratch);
    TSkinSchemaReader(*this, ini, reader).Run();
    BuildDerivedImages();
    platform_->RecreateFaceBrush(Colours.ButtonFace);
    FNoSkin = false;
    return true;
}

void TSkinData::ApplySkin() {
    if (IsDesigning() || IsLoading()) return;
    if (!FindSkinDataHost(false)) Loaded();
    if (TSkinDataHost* host = FindSkinDataHost(true)) host->SkinApplied(*this);
}

void TSkinData::Loaded() {
    TComponent::Loaded();
    if (IsDesigning()) return;
    if (!platform_->HasScrollBarInfo()) SkinControls &= ~SetBit(xcScrollbar);
    TSkinDataHost* host = FindSkinDataHost(true);
    platform_->RebuildCaptionFont();
    // A main-form component cannot stay active without a skin.
    if (SkinFormtype == sfMainform && active_ && FNoSkin) active_ = false;
    if (host) host->SkinDataLoaded(*this);
    if (SkinFormtype != sfMainform) return;
    if (InSet(SkinControls, xcMainMenu)) SkinControls &= ~SetBit(xcMenuItem);
    else
        SkinControls &= ~SetBit(xcSystemMenu);
    platform_->BuildAppIcon(FAppIcon);
}

void TSkinData::SetActive(bool value) {
    if (value == active_) return;
    active_ = value;
    if (IsDesigning() || IsLoading()) return;
    switch (SkinFormtype) {
        case sfMainform:
            if (value && FNoSkin) return;
            [[fallthrough]];
        case sfOnlyThisForm:
            if (TSkinDataHost* host = FindSkinDataHost(true)) host->SkinActiveChanged(*this, value);
            break;
        case sfDialog:
        case sfDLL:
            break;
    }
}

void TSkinData::DoFormSkin(void* window, const std::string& className, bool& doSkin) {
    formSkinWindow_ = window;
    if (OnFormSkin) {
        OnFormSkin(this, className, doSkin);
        return;
    }
    if (className == "SysMonthCal32") doSkin = false;
    else if (InSet(SkinControls, xcFastReport) && className.compare(0, 3, "Tfr") == 0)
        doSkin = false;
}

void TSkinData::DoSkinChanged() {
    if (OnSkinChanged) OnSkinChanged(this);
}

std::string TSkinData::LookupSkin3rd(const std::string& className) const {
    const std::string key = LowerCase(className) + "=";
    for (const std::string& line : skin3rd_.Items()) {
        const std::string lower = LowerCase(line);
        if (lower.compare(0, key.size(), key) == 0) return lower.substr(key.size(), 50);
    }
    return {};
}

}  // namespace tw
