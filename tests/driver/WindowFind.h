// Window lookup for twdriver: top-level windows by selector (with waiting), descendants, texts.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/driver/DriverArgs.h"

namespace tw::driver {

std::wstring ClassOf(HWND w);
// The system class a superclassed control is built on ("ComboBox" for a framework's
// "TComboBox"); the class itself when the system does not know one.
std::wstring BaseClassOf(HWND w);
// Whether w's class, or the class it is built on, is name.
bool IsClass(HWND w, const std::wstring& name);
// WM_GETTEXT with a timeout, so a hung target cannot hang the driver.
std::wstring TextOf(HWND w);
// A message to another process that gives up after a few seconds instead of hanging.
LRESULT SendTimed(HWND w, UINT msg, WPARAM wp, LPARAM lp);

// Top-level windows matching the selector, in Z order (visible ones only unless includeHidden).
std::vector<HWND> FindTopLevels(const WindowSelector& sel);
// Waits up to timeoutMs for a match. Throws DriverError naming what was looked for.
HWND WaitTopLevel(const WindowSelector& sel, unsigned timeoutMs);

// Every descendant of root, depth-first in Z order, with its depth below root (1 = child).
struct Descendant {
    HWND hwnd;
    int depth;
};
std::vector<Descendant> Descendants(HWND root);

// The descendant the selector picks, or root itself when the selector is empty. Waits up to
// timeoutMs for it to appear. Throws DriverError.
HWND FindChild(HWND root, const ChildSelector& sel, unsigned timeoutMs);

// What a selector looks for, for error messages.
std::wstring Describe(const WindowSelector& sel);
std::wstring Describe(const ChildSelector& sel);

}  // namespace tw::driver
