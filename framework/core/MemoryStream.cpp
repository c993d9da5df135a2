#include "framework/core/MemoryStream.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "framework/core/ClassInfo.h"
#include "framework/core/Exception.h"

namespace tw {

namespace {

struct TFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using TFile = std::unique_ptr<std::FILE, TFileCloser>;

// Paths are UTF-8. Windows' C library reads a narrow path in the ANSI code page, which cannot
// name every file (Chinese names under a Western one): there the path goes to the wide call.
TFile OpenFile(const std::string& path, bool write) {
#ifdef _WIN32
    return TFile(_wfopen(WideFromUtf8(path).c_str(), write ? L"wb" : L"rb"));
#else
    return TFile(std::fopen(path.c_str(), write ? "wb" : "rb"));
#endif
}

}  // namespace

size_t TMemoryStream::Read(void* buffer, size_t count) {
    if (position_ >= bytes_.size()) return 0;
    size_t n = std::min(count, bytes_.size() - position_);
    if (n) std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    return n;
}

void TMemoryStream::Write(const void* buffer, size_t count) {
    if (count == 0) return;
    if (position_ + count > bytes_.size()) bytes_.resize(position_ + count);
    std::memcpy(bytes_.data() + position_, buffer, count);
    position_ += count;
}

void TMemoryStream::ReadBuffer(void* buffer, size_t count) {
    if (Read(buffer, count) != count) throw Exception("Stream read error");
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
    int64_t base = origin == TSeekOrigin::soBeginning ? 0
                   : origin == TSeekOrigin::soCurrent ? static_cast<int64_t>(position_)
                                                      : static_cast<int64_t>(bytes_.size());
    int64_t target = base + offset;
    position_ = target < 0 ? 0 : static_cast<size_t>(target);
    return static_cast<int64_t>(position_);
}

void TMemoryStream::SetSize(size_t size) {
    bytes_.resize(size);
    position_ = std::min(position_, size);
}

void TMemoryStream::Clear() {
    bytes_.clear();
    bytes_.shrink_to_fit();
    position_ = 0;
}

void TMemoryStream::CopyFrom(TMemoryStream& source, size_t count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    size_t available = source.Size() > source.Position() ? source.Size() - source.Position() : 0;
    if (count > available) throw Exception("Stream read error");
    Write(source.Memory() + source.Position(), count);
    source.SetPosition(source.Position() + count);
}

uint32_t TMemoryStream::ReadUInt32LE() {
    uint8_t b[4];
    ReadBuffer(b, 4);
    return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) | (static_cast<uint32_t>(b[2]) << 16) |
           (static_cast<uint32_t>(b[3]) << 24);
}

void TMemoryStream::WriteUInt32LE(uint32_t value) {
    uint8_t b[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value >> 16),
                    static_cast<uint8_t>(value >> 24)};
    Write(b, 4);
}

bool TMemoryStream::LoadFromFile(const std::string& path) {
    TFile in = OpenFile(path, false);
    if (!in) return false;
    std::vector<uint8_t> bytes;
    uint8_t chunk[16384];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, in.get())) > 0;)
        bytes.insert(bytes.end(), chunk, chunk + got);
    if (std::ferror(in.get())) return false;
    bytes_ = std::move(bytes);
    position_ = 0;
    return true;
}

bool TMemoryStream::SaveToFile(const std::string& path) const {
    TFile out = OpenFile(path, true);
    if (!out) return false;
    if (!bytes_.empty() && std::fwrite(bytes_.data(), 1, bytes_.size(), out.get()) != bytes_.size()) return false;
    return std::fclose(out.release()) == 0;
}

}  // namespace tw
