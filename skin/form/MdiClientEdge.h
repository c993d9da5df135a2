// The sunken edge an MDI client window is made with, painted from the skin's button colours
// where the system would use its own 3D colours; the client keeps its edge, and with it the
// place of its children.
#pragma once

#include <windows.h>

namespace tw {

class TSkinData;

// Paints the two rings of the client's edge over what the system drew (nothing when the client
// has no edge).
void PaintMdiClientEdge(HWND client, const TSkinData& data);

}  // namespace tw
