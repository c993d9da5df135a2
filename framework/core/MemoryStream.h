// TMemoryStream: a growable byte buffer with a read/write position, the stream type every
// portable part of the program (skin packages, bitmaps, stored component data) works on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tw {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TMemoryStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

    // Copies up to count bytes at the position into buffer; answers how many were copied.
    size_t Read(void* buffer, size_t count);
    // Writes count bytes at the position, growing the stream as needed.
    void Write(const void* buffer, size_t count);
    // Reads exactly count bytes or throws tw::Exception ("Stream read error").
    void ReadBuffer(void* buffer, size_t count);

    int64_t Seek(int64_t offset, TSeekOrigin origin);
    size_t Position() const { return position_; }
    void SetPosition(size_t position) { position_ = position; }
    size_t Size() const { return bytes_.size(); }
    // Resizes the stream (new bytes are zero); the position is kept within the new size.
    void SetSize(size_t size);
    void Clear();

    // Copies count bytes (0: the whole source from its start) from source at its position.
    void CopyFrom(TMemoryStream& source, size_t count);

    // Reads a 32-bit little-endian value or throws at the end of the stream.
    uint32_t ReadUInt32LE();
    void WriteUInt32LE(uint32_t value);

    const uint8_t* Memory() const { return bytes_.data(); }
    uint8_t* Memory() { return bytes_.data(); }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    std::vector<uint8_t>& Bytes() { return bytes_; }
    std::string ToString() const { return std::string(bytes_.begin(), bytes_.end()); }

    // The whole file at a UTF-8 path; false (the stream as it was) when it cannot be read.
    bool LoadFromFile(const std::string& path);
    bool SaveToFile(const std::string& path) const;

private:
    std::vector<uint8_t> bytes_;
    size_t position_ = 0;
};

}  // namespace tw
