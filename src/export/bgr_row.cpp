#include "export/bgr_row.h"

#include <bit>
#include <cstring>

#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
#define BRONTEL_BGR_ROW_X86 1
#include <immintrin.h>
#endif

namespace brontel {
namespace {

void storeLittle32(std::uint8_t* at, std::uint32_t value) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(at, &value, 4);
    } else {
        for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

#ifdef BRONTEL_BGR_ROW_X86
// The fast ways store a whole register per group of pixels: its last bytes are junk that the
// next store overwrites, so each loop stops while the row still has room for them.

__attribute__((target("ssse3"))) void toBgrRowSsse3(const std::uint32_t* pixels, std::uint8_t* out,
                                                    int width) {
    const __m128i dropAlpha = _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    int x = 0;
    for (; x + 6 <= width; x += 4, pixels += 4, out += 12) {  // 16 bytes stored, 12 kept
        const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_shuffle_epi8(four, dropAlpha));
    }
    toBgrRowPortable(pixels, out, width - x);
}

// Each half drops its alpha bytes in place; one cross-half move packs the 24 colour bytes.
__attribute__((target("avx2"))) void toBgrRowAvx2(const std::uint32_t* pixels, std::uint8_t* out,
                                                  int width) {
    const __m256i dropAlpha =
        _mm256_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1,  //
                         0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    const __m256i pack = _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 3, 7);
    int x = 0;
    for (; x + 11 <= width; x += 8, pixels += 8, out += 24) {  // 32 bytes stored, 24 kept
        const __m256i eight = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pixels));
        const __m256i bgr =
            _mm256_permutevar8x32_epi32(_mm256_shuffle_epi8(eight, dropAlpha), pack);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), bgr);
    }
    toBgrRowPortable(pixels, out, width - x);
}
#endif

BgrRowConverter fastestConverter() {
    return availableBgrRowConverters().front();
}

}  // namespace

// Four pixels are packed into three words at a time, which keeps the loop free of byte
// stores.
void toBgrRowPortable(const std::uint32_t* pixels, std::uint8_t* out, int width) {
    int x = 0;
    for (; x + 4 <= width; x += 4, pixels += 4, out += 12) {
        const std::uint32_t p0 = pixels[0], p1 = pixels[1], p2 = pixels[2], p3 = pixels[3];
        storeLittle32(out, (p0 & 0xFFFFFFu) | (p1 << 24));
        storeLittle32(out + 4, ((p1 >> 8) & 0xFFFFu) | (p2 << 16));
        storeLittle32(out + 8, ((p2 >> 16) & 0xFFu) | (p3 << 8));
    }
    for (; x < width; ++x, ++pixels, out += 3) {
        out[0] = static_cast<std::uint8_t>(*pixels);
        out[1] = static_cast<std::uint8_t>(*pixels >> 8);
        out[2] = static_cast<std::uint8_t>(*pixels >> 16);
    }
}

std::vector<BgrRowConverter> availableBgrRowConverters() {
    std::vector<BgrRowConverter> converters;
#ifdef BRONTEL_BGR_ROW_X86
    if (__builtin_cpu_supports("avx2")) converters.push_back(toBgrRowAvx2);
    if (__builtin_cpu_supports("ssse3")) converters.push_back(toBgrRowSsse3);
#endif
    converters.push_back(toBgrRowPortable);
    return converters;
}

void toBgrRow(const std::uint32_t* pixels, std::uint8_t* out, int width) {
    static const BgrRowConverter convert = fastestConverter();
    convert(pixels, out, width);
}

}  // namespace brontel
