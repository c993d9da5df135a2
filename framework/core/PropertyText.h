// A published property read as text by its path ("lblInfo.Caption", or "Caption" for the root
// itself): what painters use to read framework controls they know only by name, and what test
// builds answer to a driver's property queries.
#pragma once

#include <string>

namespace tw {

class TComponent;

// The value of a published property as text (integers in decimal, enumerations as their
// identifier); false when there is no such component or property.
bool ReadPropertyText(TComponent& root, const std::wstring& path, std::wstring& value);

}  // namespace tw
