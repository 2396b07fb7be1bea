#include "model/text_conversion.h"

#include <gtest/gtest.h>

#include <limits>

#include "model/gbk_text.h"

namespace brontel {
namespace {

struct NumberCase {
    const char* text;
    double number;
};

TEST(TextToNumber, ReadsTheLeadingNumberAndStopsAtTheFirstOtherCharacter) {
    const NumberCase cases[] = {
        {"", 0},          {"12abc", 12},     {" 7", 7},          {"\t\r\n\v\f7", 7},
        {"1e3", 1000},    {"1d3", 1000},     {"1D3", 1000},      {"1E-2", 0.01},
        {".5", 0.5},      {"0x10", 0},       {"-3.5", -3.5},     {"+4", 4},
        {"219.9", 219.9}, {"220.5", 220.5},  {"1e", 1},          {"1e+", 1},
        {".", 0},         {"-", 0},          {"abc", 0},         {"12 34", 12},
        {"１２", 12},     {"\xE3\x80\x80" "7", 7},  // ideographic space, then 7
        {"－５", -5},     {"３．５", 3.5},   {"1,5", 1},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(textToNumber(c.text), c.number) << c.text;
}

TEST(TextToInteger, ReadsSignAndDigitsOnly) {
    const std::pair<const char*, int> cases[] = {
        {"12.9", 12}, {"1e3", 1},  {"abc", 0},  {"", 0},      {"  -40", -40},
        {"+7x", 7},   {"４０", 40}, {"- 4", 0}, {"4294967297", 1},  // wraps as 32-bit
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(textToInteger(text), value) << text;
}

TEST(NumberToText, WritesPlainDecimalDigits) {
    EXPECT_EQ(numberToText(0), "0");
    EXPECT_EQ(numberToText(270), "270");
    EXPECT_EQ(numberToText(-5), "-5");
}

TEST(TruncateToPixels, TruncatesTowardZeroAndHoldsAtTheIntegerRange) {
    EXPECT_EQ(truncateToPixels(215.9), 215);
    EXPECT_EQ(truncateToPixels(-3.5), -3);
    EXPECT_EQ(truncateToPixels(1e300), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(truncateToPixels(-1e300), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(truncateToPixels(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(truncateToPixels(textToNumber("1e999")), std::numeric_limits<std::int32_t>::max());
}

TEST(GbkText, CountsGbkBytesAndCutsBetweenCharacters) {
    EXPECT_EQ(gbkByteLength("宋体"), 4u);
    EXPECT_EQ(gbkByteLength("Arial"), 5u);
    EXPECT_EQ(gbkByteLength("😀"), 1u);  // not in GBK: stands as one '?'
    EXPECT_EQ(truncateToGbkBytes("宋体A", 3), "宋");
    EXPECT_EQ(truncateToGbkBytes("宋体A", 5), "宋体A");
    EXPECT_EQ(fromGbk(toGbk("正常按钮文字")), "正常按钮文字");
}

TEST(GbkText, NormalisesFullWidthFormsToAscii) {
    EXPECT_EQ(normaliseFullWidth(toGbk("ＡＢ１")), "AB1");
    EXPECT_EQ(normaliseFullWidth(toGbk("　～☆★")), " ~**");
    EXPECT_EQ(normaliseFullWidth(toGbk("宋1")), toGbk("宋1"));
}

}  // namespace
}  // namespace brontel
