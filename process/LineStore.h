// TLineStore: the captured lines of a run, appended by one thread and read by another.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/StringList.h"

namespace tw {

// Lines gathered by the reader from one read, handed to the store under one lock.
class TLineBatch {
public:
    void Add(std::string_view line) {
        text_.append(line.data(), line.size());
        ends_.push_back(text_.size());
    }
    void Clear() {
        text_.clear();
        ends_.clear();
    }
    size_t Count() const { return ends_.size(); }
    const char* Data(size_t index) const { return text_.data() + Begin(index); }
    size_t Length(size_t index) const { return ends_[index] - Begin(index); }

private:
    size_t Begin(size_t index) const { return index == 0 ? 0 : ends_[index - 1]; }
    std::string text_;
    std::vector<size_t> ends_;
};

// Lines are packed into large text blocks that are never moved once filled: a flood of short
// lines costs a copy per line, not an allocation, and no block is copied again as the store
// grows. Every member takes the lock, so the reader's appends and the owner's snapshots never
// overlap.
class TLineStore {
public:
    void Add(const std::string& line);
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
    const char* Data(const TRef& ref) const { return blocks_[ref.Block].data() + ref.Offset; }

    mutable std::mutex lock_;
    std::vector<std::string> blocks_;  // each filled up to its reserved size, never beyond
    std::vector<TRef> refs_;
};

}  // namespace tw
