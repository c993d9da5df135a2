// TFreedMemoryWatch: while one lives, memory given back with delete is kept, filled with a
// pattern, instead of being freed; when it ends it tells how many of those blocks were written
// to after they were given back. A test whose code must not touch an object once it is gone
// holds one around the code. The program's operator new and delete are replaced for it: link
// FreedMemoryWatch.cpp into the test program itself.
#pragma once

#include <cstddef>

namespace tw {

class TFreedMemoryWatch {
public:
    TFreedMemoryWatch();
    // Frees what was kept.
    ~TFreedMemoryWatch();
    TFreedMemoryWatch(const TFreedMemoryWatch&) = delete;
    TFreedMemoryWatch& operator=(const TFreedMemoryWatch&) = delete;

    // Blocks given back since the watch began.
    size_t Kept() const;
    // Of them, those whose pattern was written over.
    size_t Overwritten() const;
};

}  // namespace tw
