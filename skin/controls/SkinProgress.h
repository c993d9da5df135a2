// TSkinProgress: progress bars drawn from the skin's two-frame Progress strip (empty bar, filled
// part), or in chunk style with the Progress.Chunk image repeated over the filled length.
#pragma once

#include "framework/win/Handles.h"
#include "skin/controls/ControlSkinner.h"
#include "skin/controls/ProgressFill.h"

namespace tw {

class TSkinProgress : public TControlSkinner {
protected:
    bool BeforeMessage(TMessage& message) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    bool HasImage() const;
};

}  // namespace tw
