// TApplicationTest: a test suite whose tests share one application object, made once per suite.
#pragma once

#include <gtest/gtest.h>

#include "framework/win/Forms.h"

namespace tw {

class TApplicationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        app_ = new TApplication();
        app_->Initialize();
    }
    static void TearDownTestSuite() {
        delete app_;
        app_ = nullptr;
    }
    static inline TApplication* app_ = nullptr;
};

}  // namespace tw
