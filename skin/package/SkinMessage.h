// The skin engine's message hook: how portable skin code shows a message to the user.
#pragma once

#include <functional>
#include <string>

namespace tw {

using TSkinMessageHook = std::function<void(const std::string& text)>;

// Installs hook (an empty one silences messages) and answers the one it replaces. The Windows
// program installs a message box at start-up; tests install a recorder. Not thread-safe: set it
// before skins are loaded.
TSkinMessageHook SetSkinMessageHook(TSkinMessageHook hook);

// Passes text to the installed hook; does nothing when none is installed.
void ShowSkinMessage(const std::string& text);

}  // namespace tw
