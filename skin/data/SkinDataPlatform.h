// TSkinDataPlatform: the system resources a skin component holds beside its portable model
// (menu glyph image list, caption font, face brush, application icon, built-in resources).
#pragma once

#include <memory>
#include <string>

#include "skin/data/Bitmap.h"

namespace tw {

class TSkinDataPlatform {
public:
    virtual ~TSkinDataPlatform() = default;
    virtual void LoadMenuGlyphs(const TBitmap& glyphs) = 0;
    virtual void RebuildCaptionFont() = 0;
    virtual void RecreateFaceBrush(TColor color) = 0;
    // Fills icon with the application's small icon on magenta; leaves it empty without one.
    virtual void BuildAppIcon(TBitmap& icon) = 0;
    // False where the system lacks the scroll-bar information call (no scroll bar skinning).
    virtual bool HasScrollBarInfo() const = 0;

    virtual void* MenuGlyphs() const = 0;
    virtual void* CaptionFont() const = 0;
    virtual void* FaceBrush() const = 0;
};

std::unique_ptr<TSkinDataPlatform> CreateSkinDataPlatform();

}  // namespace tw
