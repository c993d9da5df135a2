// The skin engine's three components as the main form carries them: the skin component with the
// main form's switches (inactive, no skin of its own), the store of the five built-in skins and
// the caption add-on bound to the component. The skin gallery carries the same.
#pragma once

namespace tw {

class TComponent;
class TSkinCaption;
class TSkinData;
class TSkinStore;

struct TMainFormSkin {
    TSkinData* Data;
    TSkinStore* Store;
    TSkinCaption* Caption;
};

// Makes the three, owned by owner and named SkinData1, SkinStore1 and SkinCaption1.
TMainFormSkin CreateMainFormSkin(TComponent& owner);

}  // namespace tw
