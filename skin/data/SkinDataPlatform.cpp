// Without a desktop there are no system resources to hold.
#include "skin/data/SkinDataPlatform.h"

namespace tw {

namespace {

class TNoPlatform : public TSkinDataPlatform {
public:
    void LoadMenuGlyphs(const TBitmap&) override {}
    void RebuildCaptionFont() override {}
    void RecreateFaceBrush(TColor) override {}
    void BuildAppIcon(TBitmap& icon) override { icon.Clear(); }
    bool HasScrollBarInfo() const override { return true; }
    void* MenuGlyphs() const override { return nullptr; }
    void* CaptionFont() const override { return nullptr; }
    void* FaceBrush() const override { return nullptr; }
};

}  // namespace

std::unique_ptr<TSkinDataPlatform> CreateSkinDataPlatform() { return std::make_unique<TNoPlatform>(); }

}  // namespace tw
