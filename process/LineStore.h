// TLineStore and TLineBatch: the captured lines of a run, appended by the reader thread and
// read by the owner.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/StringList.h"

namespace tw {

// A growable byte buffer filled by short appends. Lines are short and many, and some C
// runtimes copy a few bytes at a time slowly, so short appends are copied inline here.
class TByteBuffer {
public:
    explicit TByteBuffer(size_t capacity = 0) { Reserve(capacity); }
    void Append(const char* data, size_t length);
    void Reserve(size_t capacity);
    void Clear() { size_ = 0; }
    size_t Size() const { return size_; }
    size_t Capacity() const { return capacity_; }
    const char* Data() const { return data_.get(); }

private:
    std::unique_ptr<char[]> data_;
    size_t size_ = 0;
    size_t capacity_ = 0;
};

// Lines gathered by the reader from one read, handed to the store under one lock.
class TLineBatch {
public:
    void Add(std::string_view line) {
        text_.Append(line.data(), line.size());
        ends_.push_back(text_.Size());
    }
    void Clear() {
        text_.Clear();
        ends_.clear();
    }
    size_t Count() const { return ends_.size(); }
    const char* Data(size_t index) const { return text_.Data() + Begin(index); }
    size_t Length(size_t index) const { return ends_[index] - Begin(index); }

private:
    size_t Begin(size_t index) const { return index == 0 ? 0 : ends_[index - 1]; }
    TByteBuffer text_;
    std::vector<size_t> ends_;
};

// Lines are packed into large text blocks that are never moved once filled: a flood of short
// lines costs a copy per line, not an allocation, and no block is copied again as the store
// grows. Every member takes the lock, so the reader's appends and the owner's snapshots never
// overlap.
class TLineStore {
public:
    void Add(std::string_view line);
    void Add(const TLineBatch& batch);
    void Clear();
    int Count() const;
    // Line index (0-based); empty for an index out of range.
    std::string Line(int index) const;
    // Every line followed by CR LF.
    std::string Text() const;
    TStringList ToStringList() const;

private:
    struct TRef {
        uint32_t Block;
        uint32_t Offset;
        size_t Length;
    };
    static constexpr size_t kBlockSize = size_t(1) << 20;

    void AddLocked(const char* data, size_t length);
    const char* Data(const TRef& ref) const { return blocks_[ref.Block].Data() + ref.Offset; }

    mutable std::mutex lock_;
    std::vector<TByteBuffer> blocks_;  // each filled up to its capacity, never beyond
    std::vector<TRef> refs_;
};

}  // namespace tw
