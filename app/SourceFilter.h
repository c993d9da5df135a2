// The source files the program takes: the extensions an open-dialog filter lists, and the test
// a dropped file must pass.
#pragma once

#include <string>
#include <vector>

namespace tw {

// The open dialog's filter: the source kinds the program takes, then every file.
extern const wchar_t kSourceFilter[];

// The plain extensions of a filter "Name|*.A;*.B|Name|*.C|...", upper-cased, each once, in the
// order first met. Patterns with a wildcard after "*." (such as "*.*") name no extension.
std::vector<std::wstring> FilterExtensions(const std::wstring& filter);

// True when the file name's last extension is one of extensions (ASCII letters in any case).
bool HasListedExtension(const std::wstring& path, const std::vector<std::wstring>& extensions);

}  // namespace tw
