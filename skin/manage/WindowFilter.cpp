#include "skin/manage/WindowFilter.h"

#include "framework/core/StringList.h"
#include "skin/data/SkinData.h"

namespace tw {

namespace {

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

bool IsDialogClass(const std::string& lowerClass) { return lowerClass == "tmessageform" || lowerClass == "#32770"; }

}  // namespace

TAttachVerdict FilterWindow(const TWindowFacts& w, bool skinning, bool sweep, TSkinData* defaultData) {
    if (!skinning) return TAttachVerdict::SkinningOff;
    if (w.AnswersQuery || w.HasSkinner) return TAttachVerdict::AlreadySkinned;
    const bool mdiChild = (w.ExStyle & kExStyleMdiChild) != 0;
    const bool plainChild = (w.Style & kStyleChild) != 0 && !mdiChild && LowerCase(w.ParentClassName) != "mdiclient";
    if (!sweep && plainChild) return TAttachVerdict::PlainChild;
    if (!w.Form && !w.OwnModule && w.ClassName != "#32770") return TAttachVerdict::Foreign;
    if (!w.HasArea && !mdiChild) return TAttachVerdict::NoArea;
    if (w.Form && w.Form->Tag() == kNeverSkinTag) return TAttachVerdict::DisabledTag;
    if (Contains(w.ClassName, "TcxPopupEditPopupWindow") || w.ClassName == "TApplication")
        return TAttachVerdict::ExcludedClass;
    if (defaultData) {
        if (!InSet(defaultData->Options, xoPreview) && Contains(LowerCase(w.ClassName), "preview"))
            return TAttachVerdict::Preview;
        bool doSkin = true;
        defaultData->DoFormSkin(w.Window, w.ClassName, doSkin);
        if (!doSkin) return TAttachVerdict::RefusedByData;
    }
    return TAttachVerdict::Attach;
}

TSkinData* ChooseSkinData(const std::vector<TSkinData*>& datas, const TWindowFacts& w) {
    auto lastOf = [&datas](auto&& matches) -> TSkinData* {
        for (auto it = datas.rbegin(); it != datas.rend(); ++it)
            if (matches(**it)) return *it;
        return nullptr;
    };
    if (w.Form) {
        if (TSkinData* own = lastOf(
                [&](const TSkinData& d) { return d.SkinFormtype == sfOnlyThisForm && d.Owner() == w.Form; }))
            return own;
    }
    if (IsDialogClass(LowerCase(w.ClassName))) {
        if (TSkinData* dialog = lastOf([](const TSkinData& d) { return d.SkinFormtype == sfDialog; })) return dialog;
    }
    if (TSkinData* main = lastOf([](const TSkinData& d) { return d.SkinFormtype == sfMainform; })) return main;
    return datas.empty() ? nullptr : datas.front();
}

TCreationKind ClassifyCreation(const std::string& className, uint32_t style, uint32_t exStyle) {
    if (SameText(className, "ScrollBar") && (style & kScrollSizeGrip) != 0) return TCreationKind::SizeGrip;
    if ((style & kStyleChild) == 0 && className == "#32768") return TCreationKind::PopupMenu;
    if ((exStyle & kExStyleMdiChild) != 0) return TCreationKind::MdiChild;
    return TCreationKind::None;
}

}  // namespace tw
