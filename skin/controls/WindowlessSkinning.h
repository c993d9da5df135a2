// The walk that gives a skinned form's windowless controls (speed buttons) their skinners:
// they are not in the tab order, so every windowed control's children are looked at.
#pragma once

namespace tw {

class TWinSkinForm;
class TWinControl;
class TControl;

// Every windowless control under root, at any depth.
void SkinWindowlessChildren(TWinSkinForm& skinner, TWinControl& root);
// Classifies and attaches one windowless control (once: a second call finds its skinner).
void DispatchWindowless(TWinSkinForm& skinner, TControl& control);

}  // namespace tw
