#include "process/LineStore.h"

namespace tw {

void TLineStore::Add(const std::string& line) {
    std::lock_guard<std::mutex> guard(lock_);
    AddLocked(line.data(), line.size());
}

void TLineStore::Add(const TLineBatch& batch) {
    std::lock_guard<std::mutex> guard(lock_);
    for (size_t i = 0; i < batch.Count(); ++i) AddLocked(batch.Data(i), batch.Length(i));
}

void TLineStore::AddLocked(const char* data, size_t length) {
    if (blocks_.empty() || blocks_.back().capacity() - blocks_.back().size() < length) {
        // A line longer than a block gets a block of its own.
        blocks_.emplace_back();
        blocks_.back().reserve(length > kBlockSize ? length : kBlockSize);
    }
    std::string& block = blocks_.back();
    refs_.push_back(TRef{static_cast<uint32_t>(blocks_.size() - 1), static_cast<uint32_t>(block.size()), length});
    block.append(data, length);
}

void TLineStore::Clear() {
    std::lock_guard<std::mutex> guard(lock_);
    // Give the memory back: a flood may have left a lot behind.
    std::vector<std::string>().swap(blocks_);
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
