// Answers to the standard dialogs a program shows: file dialogs, message boxes and the shell's
// folder browser.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tw::driver {

// Types path into the dialog's first visible, enabled edit box and presses its OK button.
void AnswerWithPath(HWND dialog, const std::wstring& path);

// The dialog's button with that text (accelerator marks ignored) or "#id"; null when it has none.
HWND FindDialogButton(HWND dialog, const std::wstring& button);

// Presses the dialog's button with that text (accelerator marks ignored) or "#id".
void PressDialogButton(HWND dialog, const std::wstring& button);

struct DialogTexts {
    std::vector<std::wstring> statics;  // the message lines of a message box
    std::vector<std::wstring> buttons;
};
DialogTexts ReadDialogTexts(HWND dialog);

// Folder browser: selects the folder in its tree view and presses OK. path is a file-system
// path ("Z:\tmp\out": the drive is looked up under the tree's top items) or a path of item
// labels separated by '/' from the top ("Desktop/My Computer").
void PickFolder(HWND dialog, const std::wstring& path);

// The folder browser's tree down to depth levels, one indented label per line.
std::vector<std::wstring> ListFolderTree(HWND dialog, int depth);

}  // namespace tw::driver
