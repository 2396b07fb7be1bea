#include <unordered_map>

#include "render/picture/sample_pictures.h"

namespace brontel::samples {
namespace {

constexpr unsigned kTableSize = 4096;

class BitWriter {
public:
    void put(unsigned code, unsigned width) {
        bits_ |= code << count_;
        count_ += width;
        while (count_ >= 8) {
            out_.push_back(static_cast<std::uint8_t>(bits_));
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    std::vector<std::uint8_t> finish() {
        if (count_) out_.push_back(static_cast<std::uint8_t>(bits_));
        return out_;
    }

private:
    std::vector<std::uint8_t> out_;
    std::uint32_t bits_ = 0;
    unsigned count_ = 0;
};

// The encoder's side of the code table. The decoder learns each entry one code later than
// the encoder makes it, so a code is written as wide as the decoder's table then needs.
class LzwEncoder {
public:
    LzwEncoder(int minCodeSize, bool clearWhenFull)
        : minCodeSize_(static_cast<unsigned>(minCodeSize)),
          clear_(1u << minCodeSize),
          clearWhenFull_(clearWhenFull) {
        reset();
    }

    std::vector<std::uint8_t> encode(std::span<const std::uint8_t> indices) {
        put(clear_, next_);
        unsigned prefix = indices[0];
        for (std::size_t i = 1; i < indices.size(); ++i) prefix = extend(prefix, indices[i]);
        put(prefix, next_);
        // The decoder adds one more entry on reading the last code.
        put(clear_ + 1, next_ < kTableSize ? next_ + 1 : next_);
        return bits_.finish();
    }

private:
    unsigned extend(unsigned prefix, std::uint8_t byte) {
        const std::uint32_t key = prefix << 8 | byte;
        if (const auto found = table_.find(key); found != table_.end()) return found->second;
        put(prefix, next_);
        if (next_ < kTableSize) table_[key] = next_++;
        if (next_ == kTableSize && clearWhenFull_) {
            put(clear_, next_);
            reset();
        }
        return byte;
    }

    void put(unsigned code, unsigned encoderNext) {
        unsigned width = minCodeSize_ + 1;
        while (width < 12 && encoderNext - 1 >= 1u << width) ++width;
        bits_.put(code, width);
    }

    void reset() {
        table_.clear();
        next_ = clear_ + 2;
    }

    unsigned minCodeSize_;
    unsigned clear_;
    bool clearWhenFull_;
    unsigned next_ = 0;
    std::unordered_map<std::uint32_t, unsigned> table_;
    BitWriter bits_;
};

int tableBits(int colours) {
    int bits = 1;
    while ((1 << bits) < colours) ++bits;
    return bits;
}

void writeColourTable(ByteWriter& out, const QImage& image, int bits, bool inverted) {
    for (int i = 0; i < 1 << bits; ++i) {
        QRgb c = i < image.colorCount() ? image.color(i) : qRgb(0, 0, 0);
        if (inverted) c = ~c;
        out.u8(qRed(c));
        out.u8(qGreen(c));
        out.u8(qBlue(c));
    }
}

void writeSubBlocks(ByteWriter& out, std::span<const std::uint8_t> data) {
    while (!data.empty()) {
        const std::size_t n = std::min<std::size_t>(255, data.size());
        out.u8(static_cast<unsigned>(n));
        out.append(data.first(n));
        data = data.subspan(n);
    }
    out.u8(0);
}

void writeExtensions(ByteWriter& out, const GifLayout& layout) {
    const std::uint8_t comment[] = {'t', 'e', 's', 't'};
    out.u8(0x21);
    out.u8(0xFE);
    writeSubBlocks(out, comment);
    if (layout.transparentIndex < 0) return;
    const std::uint8_t control[] = {0x01, 0, 0, static_cast<std::uint8_t>(layout.transparentIndex)};
    out.u8(0x21);
    out.u8(0xF9);
    writeSubBlocks(out, control);
}

std::vector<std::uint8_t> storedIndices(const QImage& image, bool interlaced) {
    std::vector<int> rows;
    if (!interlaced) {
        for (int y = 0; y < image.height(); ++y) rows.push_back(y);
    } else {
        for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
            for (int y = start; y < image.height(); y += step) rows.push_back(y);
        }
    }
    std::vector<std::uint8_t> indices;
    for (const int y : rows) {
        for (int x = 0; x < image.width(); ++x)
            indices.push_back(static_cast<std::uint8_t>(image.pixelIndex(x, y)));
    }
    return indices;
}

}  // namespace

std::vector<std::uint8_t> gifLzw(std::span<const std::uint8_t> indices, int minCodeSize,
                                 bool clearWhenFull) {
    return LzwEncoder(minCodeSize, clearWhenFull).encode(indices);
}

Bytes gifFile(const QImage& image, const GifLayout& layout) {
    const int bits = tableBits(image.colorCount());
    const QSize screen = layout.screen.isEmpty() ? image.size() : layout.screen;
    ByteWriter out;
    for (const char c : {'G', 'I', 'F', '8', '9', 'a'}) out.u8(c);
    out.u16(screen.width());
    out.u16(screen.height());
    out.u8(0x80 | 0x70 | (bits - 1));
    out.u8(layout.backgroundIndex);
    out.u8(0);
    writeColourTable(out, image, bits, layout.localPalette);
    writeExtensions(out, layout);
    out.u8(0x2C);
    out.u16(layout.offset.x());
    out.u16(layout.offset.y());
    out.u16(image.width());
    out.u16(image.height());
    out.u8((layout.localPalette ? 0x80 | (bits - 1) : 0) | (layout.interlaced ? 0x40 : 0));
    if (layout.localPalette) writeColourTable(out, image, bits, false);
    const int minCodeSize = layout.minCodeSize ? layout.minCodeSize : std::max(2, bits);
    out.u8(minCodeSize);
    writeSubBlocks(
        out, gifLzw(storedIndices(image, layout.interlaced), minCodeSize, layout.clearWhenFull));
    out.u8(0x3B);
    return out.bytes();
}

}  // namespace brontel::samples
