// Label matching for twdriver: control texts, tree-view items and folder paths, Windows-free.
#pragma once

#include <string>
#include <vector>

namespace tw::driver {

// Removes '&' accelerator marks: "&Open" -> "Open", "A && B" -> "A & B".
std::wstring StripAccelerators(const std::wstring& text);

// Case-insensitive comparisons (simple per-character folding; Chinese has no case).
bool SameLabel(const std::wstring& a, const std::wstring& b);
bool ContainsLabel(const std::wstring& haystack, const std::wstring& needle);

// Whether a control's text matches a wanted text: equal once accelerator marks are removed.
bool ControlTextMatches(const std::wstring& controlText, const std::wstring& wanted);

// Splits "Z:\a\b" (or with '/') into {"Z:", "a", "b"}; empty parts are dropped.
std::vector<std::wstring> SplitFolderPath(const std::wstring& path);

// Whether a folder-browser label names the drive "Z:": shells show drives as "Z:",
// "(Z:)" or "Label (Z:)".
bool IsDriveLabel(const std::wstring& label, const std::wstring& drive);

// Text made printable on one line: backslash, quote, CR, LF and tab escaped.
std::wstring EscapeText(const std::wstring& text);

}  // namespace tw::driver
