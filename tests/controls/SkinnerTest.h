// TSkinnerTest: the suite base of the control-skinner tests under Wine: one application, the
// five built-in skins in a store, the control layer installed, and a fresh skin component of
// any of them on request.
#pragma once

#include <memory>

#include "app/SkinResources.h"
#include "skin/controls/ChildSkinning.h"
#include "skin/data/SkinData.h"
#include "skin/package/SkinStore.h"
#include "tests/support/ApplicationTest.h"

namespace tw {

class TSkinnerTest : public TApplicationTest {
protected:
    static void SetUpTestSuite() {
        TApplicationTest::SetUpTestSuite();
        store_ = new TSkinStore(nullptr);
        LoadBuiltInSkins(*store_);
        InstallControlSkinners();
    }
    static void TearDownTestSuite() {
        delete store_;
        store_ = nullptr;
        TApplicationTest::TearDownTestSuite();
    }

    // A skin component holding built-in skin index.
    static std::unique_ptr<TSkinData> Skin(int index) {
        auto data = std::make_unique<TSkinData>(nullptr);
        data->LoadFromStore(store_, index);
        return data;
    }

    static inline TSkinStore* store_ = nullptr;
};

}  // namespace tw
