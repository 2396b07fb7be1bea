#include "render/picture/gif_lzw.h"

#include <algorithm>
#include <array>
#include <optional>

namespace brontel {
namespace {

constexpr unsigned kMaxCodeBits = 12;
constexpr unsigned kTableSize = 1u << kMaxCodeBits;

// Codes packed least significant bit first.
class CodeReader {
public:
    explicit CodeReader(std::span<const std::uint8_t> data) : data_(data) {}

    std::optional<unsigned> next(unsigned width) {
        while (bitCount_ < width) {
            if (position_ == data_.size()) return std::nullopt;
            bits_ |= std::uint32_t{data_[position_++]} << bitCount_;
            bitCount_ += 8;
        }
        const unsigned code = bits_ & ((1u << width) - 1);
        bits_ >>= width;
        bitCount_ -= width;
        return code;
    }

private:
    std::span<const std::uint8_t> data_;
    std::size_t position_ = 0;
    std::uint32_t bits_ = 0;
    unsigned bitCount_ = 0;
};

// The string table: each entry is an earlier entry plus one byte.
class StringTable {
public:
    explicit StringTable(unsigned minCodeSize)
        : minCodeSize_(minCodeSize), clear_(1u << minCodeSize) {
        for (unsigned code = 0; code < clear_; ++code) {
            suffix_[code] = first_[code] = static_cast<std::uint8_t>(code);
            length_[code] = 1;
        }
        reset();
    }

    void reset() {
        next_ = clear_ + 2;
        width_ = minCodeSize_ + 1;
    }

    unsigned clearCode() const { return clear_; }
    unsigned endCode() const { return clear_ + 1; }
    unsigned nextCode() const { return next_; }
    unsigned width() const { return width_; }
    std::uint8_t first(unsigned code) const { return first_[code]; }

    // Adds `prefix` + `byte` unless the table is full; codes widen as the table fills.
    void add(unsigned prefix, std::uint8_t byte) {
        if (next_ == kTableSize) return;
        prefix_[next_] = static_cast<std::uint16_t>(prefix);
        suffix_[next_] = byte;
        first_[next_] = first_[prefix];
        length_[next_] = static_cast<std::uint16_t>(length_[prefix] + 1);
        ++next_;
        if (next_ == 1u << width_ && width_ < kMaxCodeBits) ++width_;
    }

    // Appends the string of `code`, as much of it as fits below `limit`.
    void append(unsigned code, std::vector<std::uint8_t>& out, std::size_t limit) const {
        const std::size_t start = out.size();
        const std::size_t length = length_[code];
        const std::size_t kept = std::min(length, limit - start);
        out.resize(start + kept);
        for (std::size_t i = length; i-- > 0; code = prefix_[code]) {
            if (i < kept) out[start + i] = suffix_[code];
        }
    }

private:
    unsigned minCodeSize_;
    unsigned clear_;
    unsigned next_ = 0;
    unsigned width_ = 0;
    std::array<std::uint16_t, kTableSize> prefix_{};
    std::array<std::uint8_t, kTableSize> suffix_{};
    std::array<std::uint8_t, kTableSize> first_{};
    std::array<std::uint16_t, kTableSize> length_{};
};

class LzwDecoder {
public:
    LzwDecoder(std::span<const std::uint8_t> data, unsigned minCodeSize, std::size_t pixelCount)
        : codes_(data), table_(minCodeSize), pixelCount_(pixelCount) {}

    std::variant<std::vector<std::uint8_t>, PictureError> run() {
        while (out_.size() < pixelCount_) {
            const auto code = codes_.next(table_.width());
            if (!code || *code == table_.endCode()) return PictureError::Malformed;
            if (!step(*code)) return PictureError::Malformed;
        }
        return std::move(out_);
    }

private:
    static constexpr unsigned kNone = kTableSize;

    // Handles one code; false for a code the table cannot have yet.
    bool step(unsigned code) {
        if (code == table_.clearCode()) {
            table_.reset();
            previous_ = kNone;
            return true;
        }
        if (previous_ == kNone) {
            if (code >= table_.clearCode()) return false;
        } else if (code < table_.nextCode()) {
            table_.add(previous_, table_.first(code));
        } else if (code == table_.nextCode()) {
            // The string being defined by this very code: the previous one plus its own start.
            table_.add(previous_, table_.first(previous_));
        } else {
            return false;
        }
        table_.append(code, out_, pixelCount_);
        previous_ = code;
        return true;
    }

    CodeReader codes_;
    StringTable table_;
    std::size_t pixelCount_;
    std::vector<std::uint8_t> out_;
    unsigned previous_ = kNone;
};

}  // namespace

std::variant<std::vector<std::uint8_t>, PictureError> decodeGifLzw(
    std::span<const std::uint8_t> data, int minCodeSize, std::size_t pixelCount) {
    if (minCodeSize < 2 || minCodeSize > 8) return PictureError::Malformed;
    return LzwDecoder(data, static_cast<unsigned>(minCodeSize), pixelCount).run();
}

}  // namespace brontel
