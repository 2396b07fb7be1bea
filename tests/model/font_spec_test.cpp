#include "model/font_spec.h"

#include <gtest/gtest.h>

namespace brontel {
namespace {

TEST(FontSpecToSystemFont, FollowsEveryAttributeRule) {
    FontSpec spec;
    spec.angle = 450;
    spec.bold = true;
    spec.italic = true;
    spec.strikeout = true;
    spec.size = 12;
    spec.name = "Arial";
    const SystemFont font = toSystemFont(spec);
    EXPECT_EQ(font.height, -16);
    EXPECT_EQ(font.escapement, 450);
    EXPECT_EQ(font.orientation, 450);
    EXPECT_EQ(font.weight, 700);
    EXPECT_TRUE(font.italic);
    EXPECT_TRUE(font.strikeout);
    EXPECT_FALSE(font.underline);
    EXPECT_EQ(font.faceName, "Arial");
}

TEST(FontSpecToSystemFont, RoundsHeightsAndFallsBackOnBadNames) {
    struct Case {
        int size;
        int dpi;
        int height;
    };
    const Case cases[] = {{9, 96, -12}, {10, 96, -13}, {0, 96, 0}, {-4, 96, 0},
                          {1, 96, -1},  {3, 96, -4},   {12, 72, -12}};
    for (const auto& c : cases) {
        FontSpec spec;
        spec.size = c.size;
        EXPECT_EQ(toSystemFont(spec, c.dpi).height, c.height) << c.size << " at " << c.dpi;
    }
    FontSpec spec;
    EXPECT_EQ(toSystemFont(spec).faceName, "宋体");
    spec.name = std::string(31, 'x');
    EXPECT_EQ(toSystemFont(spec).faceName, spec.name);
    spec.name = std::string(32, 'x');
    EXPECT_EQ(toSystemFont(spec).faceName, "宋体");
    spec.name = "微软雅黑微软雅黑微软雅黑微软雅黑";  // 32 GBK bytes, 48 UTF-8 bytes
    EXPECT_EQ(toSystemFont(spec).faceName, "宋体");
    spec.name = "微软雅黑微软雅黑微软雅黑微软雅";  // 30 GBK bytes
    EXPECT_EQ(toSystemFont(spec).faceName, spec.name);
    EXPECT_EQ(toSystemFont(FontSpec{}).weight, 0);
}

TEST(SystemFontToFontSpec, ReadsBackPointsAndFlags) {
    SystemFont font = defaultUiFont();
    FontSpec spec = toFontSpec(font);
    EXPECT_EQ(spec.size, 9);
    EXPECT_EQ(spec.name, "宋体");
    EXPECT_FALSE(spec.bold);

    font.height = 16;  // a cell height reads the same as a character height
    font.weight = 800;
    font.orientation = 900;
    font.underline = true;
    spec = toFontSpec(font);
    EXPECT_EQ(spec.size, 12);
    EXPECT_TRUE(spec.bold);
    EXPECT_EQ(spec.angle, 900);
    EXPECT_TRUE(spec.underline);
    EXPECT_FALSE(spec.strikeout);
    font.weight = 699;
    EXPECT_FALSE(toFontSpec(font).bold);
}

}  // namespace
}  // namespace brontel
