#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace brontel {

// Little-endian reads over the bytes of a picture file. A read past the end gives 0 and
// marks the reader failed, so a header is read field by field and checked once with ok().
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes, std::size_t offset = 0)
        : bytes_(bytes), offset_(offset), ok_(offset <= bytes.size()) {}

    bool ok() const { return ok_; }
    std::size_t offset() const { return offset_; }
    std::size_t remaining() const { return ok_ ? bytes_.size() - offset_ : 0; }

    std::uint8_t u8() {
        const auto b = take(1);
        return b.empty() ? 0 : b[0];
    }
    std::uint16_t u16() {
        const auto b = take(2);
        return b.empty() ? 0 : static_cast<std::uint16_t>(b[0] | b[1] << 8);
    }
    std::uint32_t u32() {
        const auto b = take(4);
        if (b.empty()) return 0;
        return std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 |
               std::uint32_t{b[3]} << 24;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }

    // The next `count` bytes; empty, and the reader failed, when fewer remain.
    std::span<const std::uint8_t> take(std::size_t count) {
        if (count > remaining()) {
            ok_ = false;
            return {};
        }
        const auto part = bytes_.subspan(offset_, count);
        offset_ += count;
        return part;
    }
    void skip(std::size_t count) { take(count); }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t offset_;
    bool ok_;
};

}  // namespace brontel
