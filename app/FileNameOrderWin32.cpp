#include <windows.h>

#include "app/FileNameOrder.h"

namespace tw {

int CompareFileNames(const std::wstring& a, const std::wstring& b) {
    // The comparison the file system itself makes: ordinal, after the system's upper-case table.
    return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) -
           CSTR_EQUAL;
}

}  // namespace tw
