// TSkinObjImage: check boxes and radio buttons that draw their own glyphs from a strip they
// publish are not drawn by a skinner: this one builds the strip such a control expects from the
// skin's check or radio strip and hands it over by name (kind 1: a 9-cell CustomGlyphs check
// strip, kind 2: a 6-cell CustomGlyphs radio strip, kind 3: the Glyph of its Properties), again
// at each skin change, and switches it off when it lets go.
#pragma once

#include "skin/controls/ControlSkinner.h"

namespace tw {

class TSkinObjImage : public TControlSkinner {
public:
    void SetObjKind(int kind) { objKind_ = kind; }
    int ObjKind() const { return objKind_; }
    void AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) override;
    void Detach() override;
    void SkinChanged() override;
    // Strips handed over so far.
    int Handovers() const { return handovers_; }

protected:
    // The control draws itself: nothing to paint over it.
    void AfterMessage(TMessage& /*message*/) override {}

private:
    void HandOver();

    int objKind_ = 1;
    int handovers_ = 0;
};

}  // namespace tw
