// The walk that gives a skinned window's children their control skinners as its form skinner
// activates: a framework form through its controls, a bare window window by window.
#pragma once

#include <windows.h>

#include <memory>

namespace tw {

class TWinSkinForm;
class TWinControl;
class TControlSkinner;
enum class TSkinnerKind;

// The form skinner's seam: SkinChildren for a framework form, SkinChildWindows otherwise.
void SkinFormChildren(TWinSkinForm& skinner);
// Makes SkinFormChildren the seam every form skinner calls (from code that is surely linked).
void InstallControlSkinners();

// A framework form: sweeps the skinners of gone controls, then classifies and attaches every
// windowed control in tab order.
void SkinChildren(TWinSkinForm& skinner);
// Classifies and attaches one framework control.
void Dispatch(TWinSkinForm& skinner, TWinControl& control);
// Every child window of a bare window (style WS_CHILD), by class and style.
void SkinChildWindows(TWinSkinForm& skinner, HWND window);
void SkinWindow(TWinSkinForm& skinner, HWND window);

// A new skinner of the kind, or none for a kind this program does not skin yet.
std::unique_ptr<TControlSkinner> MakeSkinner(TSkinnerKind kind);

}  // namespace tw
