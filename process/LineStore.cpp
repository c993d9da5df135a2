#include "process/LineStore.h"

#include <cstring>

namespace tw {

namespace {

constexpr size_t kInlineCopy = 64;

// Word-sized fixed copies compile to plain moves; only long runs go to memcpy.
void CopyBytes(char* dst, const char* src, size_t n) {
    if (n > kInlineCopy) {
        std::memcpy(dst, src, n);
        return;
    }
    for (; n >= 8; n -= 8, dst += 8, src += 8) std::memcpy(dst, src, 8);
    for (; n > 0; --n) *dst++ = *src++;
}

}  // namespace

void TByteBuffer::Reserve(size_t capacity) {
    if (capacity <= capacity_) return;
    std::unique_ptr<char[]> bigger(new char[capacity]);
    if (size_) std::memcpy(bigger.get(), data_.get(), size_);
    data_ = std::move(bigger);
    capacity_ = capacity;
}

void TByteBuffer::Append(const char* data, size_t length) {
    if (capacity_ - size_ < length) {
        const size_t needed = size_ + length;
        Reserve(needed > 2 * capacity_ ? needed : 2 * capacity_);
    }
    CopyBytes(data_.get() + size_, data, length);
    size_ += length;
}

void TLineStore::Add(std::string_view line) {
    std::lock_guard<std::mutex> guard(lock_);
    AddLocked(line.data(), line.size());
}

void TLineStore::Add(const TLineBatch& batch) {
    std::lock_guard<std::mutex> guard(lock_);
    for (size_t i = 0; i < batch.Count(); ++i) AddLocked(batch.Data(i), batch.Length(i));
}

void TLineStore::AddLocked(const char* data, size_t length) {
    if (blocks_.empty() || blocks_.back().Capacity() - blocks_.back().Size() < length)
        // A line longer than a block gets a block of its own.
        blocks_.emplace_back(length > kBlockSize ? length : kBlockSize);
    TByteBuffer& block = blocks_.back();
    refs_.push_back(TRef{static_cast<uint32_t>(blocks_.size() - 1), static_cast<uint32_t>(block.Size()), length});
    block.Append(data, length);
}

void TLineStore::Clear() {
    std::lock_guard<std::mutex> guard(lock_);
    // Give the memory back: a flood may have left a lot behind.
    std::vector<TByteBuffer>().swap(blocks_);
    std::vector<TRef>().swap(refs_);
}

int TLineStore::Count() const {
    std::lock_guard<std::mutex> guard(lock_);
    return static_cast<int>(refs_.size());
}

std::string TLineStore::Line(int index) const {
    std::lock_guard<std::mutex> guard(lock_);
    if (index < 0 || static_cast<size_t>(index) >= refs_.size()) return {};
    const TRef& ref = refs_[static_cast<size_t>(index)];
    return std::string(Data(ref), ref.Length);
}

std::string TLineStore::Text() const {
    std::lock_guard<std::mutex> guard(lock_);
    size_t total = 0;
    for (const TRef& ref : refs_) total += ref.Length + 2;
    std::string out;
    out.reserve(total);
    for (const TRef& ref : refs_) {
        out.append(Data(ref), ref.Length);
        out.append("\r\n");
    }
    return out;
}

TStringList TLineStore::ToStringList() const {
    std::lock_guard<std::mutex> guard(lock_);
    TStringList list;
    for (const TRef& ref : refs_) list.Add(std::string(Data(ref), ref.Length));
    return list;
}

}  // namespace tw
