#include "app/MainFormSkin.h"

#include "app/SkinResources.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinCaption.h"
#include "skin/package/SkinStore.h"

namespace tw {

TMainFormSkin CreateMainFormSkin(TComponent& owner) {
    auto* data = new TSkinData(&owner);
    data->SetName("SkinData1");
    data->DisableTag = 99;
    data->SkinFormtype = sfMainform;
    data->MenuUpdate = true;
    data->MenuMerge = false;
    auto* store = new TSkinStore(&owner);
    store->SetName("SkinStore1");
    LoadBuiltInSkins(*store);
    auto* caption = new TSkinCaption(&owner);
    caption->SetName("SkinCaption1");
    caption->SetSkinData(data);
    return TMainFormSkin{data, store, caption};
}

}  // namespace tw
