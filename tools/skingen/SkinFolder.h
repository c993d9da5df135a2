// Writing a generated skin to disk: its members into a folder and, optionally, a package file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/skingen/SkinBuilder.h"

namespace tw::skingen {

using TSkinMembers = std::vector<std::pair<std::string, std::vector<uint8_t>>>;

// Writes every member into folder (created when missing) and removes bitmap files there that
// are no longer part of the skin. Throws tw::Exception naming the path that failed.
void WriteSkinFolder(const TSkinMembers& members, const std::string& folder);

// Writes bytes to a file through a temporary name, so a failed run leaves no half file.
void WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes);

std::string ReadTextFile(const std::string& path);

}  // namespace tw::skingen
