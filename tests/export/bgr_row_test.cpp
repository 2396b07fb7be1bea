#include "export/bgr_row.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace brontel {
namespace {

constexpr std::uint8_t kGuard = 0xA5;

// Widths up to 40 meet every way a row can end after blocks of four and of eight pixels;
// the guard bytes after the row catch any store that reaches past it.
TEST(BgrRow, PortableWayGivesBlueGreenRedAndNothingMore) {
    std::mt19937 random(5);
    for (int width = 0; width <= 40; ++width) {
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width));
        for (auto& p : pixels) p = random();
        std::vector<std::uint8_t> out(3 * pixels.size() + 32, kGuard);
        toBgrRowPortable(pixels.data(), out.data(), width);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[static_cast<std::size_t>(x)];
            const std::size_t at = 3 * static_cast<std::size_t>(x);
            ASSERT_EQ(out[at], p & 0xFF) << width << " " << x;
            ASSERT_EQ(out[at + 1], (p >> 8) & 0xFF) << width << " " << x;
            ASSERT_EQ(out[at + 2], (p >> 16) & 0xFF) << width << " " << x;
        }
        for (std::size_t at = 3 * pixels.size(); at < out.size(); ++at) ASSERT_EQ(out[at], kGuard);
    }
}

TEST(BgrRow, EveryFastWayMatchesThePortableOne) {
    std::mt19937 random(6);
    const std::vector<BgrRowConverter> converters = availableBgrRowConverters();
    for (int width = 0; width <= 300; ++width) {
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width));
        for (auto& p : pixels) p = random();
        std::vector<std::uint8_t> expected(3 * pixels.size() + 32, kGuard);
        toBgrRowPortable(pixels.data(), expected.data(), width);
        for (std::size_t i = 0; i < converters.size(); ++i) {
            std::vector<std::uint8_t> out(expected.size(), kGuard);
            converters[i](pixels.data(), out.data(), width);
            ASSERT_EQ(out, expected) << "way " << i << " width " << width;
        }
        std::vector<std::uint8_t> chosen(expected.size(), kGuard);
        toBgrRow(pixels.data(), chosen.data(), width);
        ASSERT_EQ(chosen, expected) << width;
    }
}

}  // namespace
}  // namespace brontel
