#include "tests/support/FreedMemoryWatch.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>

namespace {

constexpr unsigned char kFreedPattern = 0xDD;

// Before every block: its size and, once given back during a watch, the next kept block.
struct alignas(16) THeader {
    size_t Size;
    THeader* NextKept;
};

bool watching = false;
THeader* kept = nullptr;

std::mutex& Lock() {
    static std::mutex lock;
    return lock;
}

void* Allocate(size_t size) {
    auto* header = static_cast<THeader*>(std::malloc(sizeof(THeader) + (size ? size : 1)));
    if (!header) throw std::bad_alloc();
    header->Size = size;
    header->NextKept = nullptr;
    return header + 1;
}

void Release(void* block) noexcept {
    if (!block) return;
    THeader* header = static_cast<THeader*>(block) - 1;
    {
        std::lock_guard<std::mutex> hold(Lock());
        if (watching) {
            std::memset(block, kFreedPattern, header->Size);
            header->NextKept = kept;
            kept = header;
            return;
        }
    }
    std::free(header);
}

bool Untouched(const THeader* header) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(header + 1);
    for (size_t i = 0; i < header->Size; ++i)
        if (bytes[i] != kFreedPattern) return false;
    return true;
}

}  // namespace

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, size_t) noexcept { Release(block); }
void operator delete[](void* block, size_t) noexcept { Release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Release(block); }

namespace tw {

TFreedMemoryWatch::TFreedMemoryWatch() {
    std::lock_guard<std::mutex> hold(Lock());
    watching = true;
}

TFreedMemoryWatch::~TFreedMemoryWatch() {
    THeader* blocks = nullptr;
    {
        std::lock_guard<std::mutex> hold(Lock());
        watching = false;
        blocks = kept;
        kept = nullptr;
    }
    while (blocks) {
        THeader* next = blocks->NextKept;
        std::free(blocks);
        blocks = next;
    }
}

size_t TFreedMemoryWatch::Kept() const {
    std::lock_guard<std::mutex> hold(Lock());
    size_t count = 0;
    for (const THeader* h = kept; h; h = h->NextKept) ++count;
    return count;
}

size_t TFreedMemoryWatch::Overwritten() const {
    std::lock_guard<std::mutex> hold(Lock());
    size_t count = 0;
    for (const THeader* h = kept; h; h = h->NextKept)
        if (!Untouched(h)) ++count;
    return count;
}

}  // namespace tw
