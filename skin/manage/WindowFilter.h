// The skin manager's decisions about one window, over a plain description of it: whether a
// window gets a frame skinner, which skin component skins it, and what a window being created
// asks of the manager.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tw {

class TComponent;
class TSkinData;

// The window styles the decisions read (the system's values).
constexpr uint32_t kStyleChild = 0x40000000;       // WS_CHILD
constexpr uint32_t kExStyleMdiChild = 0x00000040;  // WS_EX_MDICHILD
constexpr uint32_t kScrollSizeGrip = 0x0010;       // SBS_SIZEGRIP

// What the manager knows of a window when it decides.
struct TWindowFacts {
    void* Window = nullptr;
    std::string ClassName;
    uint32_t Style = 0;
    uint32_t ExStyle = 0;
    std::string ParentClassName;
    // The framework control of the window (its form), or null for a window of someone else.
    const TComponent* Form = nullptr;
    // Made by this program's module.
    bool OwnModule = false;
    // Its rectangle has a non-zero area.
    bool HasArea = false;
    // It answers SKM_QUERY with 1.
    bool AnswersQuery = false;
    // The manager already lists a frame skinner for it.
    bool HasSkinner = false;
};

// Why a window is or is not given a frame skinner.
enum class TAttachVerdict {
    Attach,
    SkinningOff,
    AlreadySkinned,
    PlainChild,
    Foreign,
    NoArea,
    DisabledTag,
    ExcludedClass,
    Preview,
    RefusedByData,
};

// Forms with this Tag are never frame-skinned, whatever a component's DisableTag says.
constexpr int kNeverSkinTag = 99;

// The filter chain in its order. `sweep`: the activation walk over the existing forms, which
// also takes child-style forms. defaultData (may be null) decides last through DoFormSkin.
TAttachVerdict FilterWindow(const TWindowFacts& window, bool skinning, bool sweep, TSkinData* defaultData);

// The component that skins the window: one that skins only its owner form when that form is
// this window, else for dialog classes a dialog component, else a main-form one, else the first
// listed; among several of one rule the one listed last. Null when none is listed.
TSkinData* ChooseSkinData(const std::vector<TSkinData*>& datas, const TWindowFacts& window);

// What a window being created asks of the manager.
enum class TCreationKind { None, SizeGrip, PopupMenu, MdiChild };
TCreationKind ClassifyCreation(const std::string& className, uint32_t style, uint32_t exStyle);

}  // namespace tw
