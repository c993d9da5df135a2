// Plain-memory pixel storage for builds without GDI.
#include <new>

#include "skin/data/Bitmap.h"

namespace tw {

namespace {

class TMemoryBitmapStorage : public TBitmapStorage {
public:
    explicit TMemoryBitmapStorage(size_t bytes) : bits_(new (std::nothrow) uint8_t[bytes]()) {}
    bool Ok() const { return bits_ != nullptr; }
    uint8_t* Bits() override { return bits_.get(); }

private:
    std::unique_ptr<uint8_t[]> bits_;
};

}  // namespace

std::unique_ptr<TBitmapStorage> CreateBitmapStorage(int, int, int, const std::vector<TRGBQuad>&, size_t bytes) {
    auto storage = std::make_unique<TMemoryBitmapStorage>(bytes);
    if (!storage->Ok()) return nullptr;
    return storage;
}

}  // namespace tw
