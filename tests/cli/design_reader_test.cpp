#include "cli/design_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "model/initial_styles.h"
#include "support/scratch_folder.h"

namespace brontel {
namespace {

using testing::HasSubstr;
using testing::StartsWith;

DesignReading parse(const char* json, const QString& folder = ".") {
    return parseDesign(QByteArray(json), "d.json", folder);
}

struct BadDesign {
    const char* json;
    const char* message;  // the whole message, file name first
};

TEST(DesignReader, RefusesBadDesignsNamingThePlaceOrTheField) {
    const BadDesign cases[] = {
        {"{\"width\": 270,", "d.json:1:15: malformed JSON: unterminated object"},
        {"{\n  \"width\": 270\n  \"height\": 5\n}",
         "d.json:3:4: malformed JSON: unterminated object"},
        {"{\n \"caption\": \"正常\" x}", "d.json:2:19: malformed JSON: unterminated object"},
        {"", "d.json:1:1: malformed JSON: illegal value"},
        {"[1, 2]", "d.json: top level: expected an object, found an array"},
        {"{\"depth\": 3}", "d.json: field \"depth\": unknown field"},
        {"{\"hot\": {\"colour\": \"#000000\"}}", "d.json: field \"hot.colour\": unknown field"},
        {"{\"pressed\": {\"font\": {\"weight\": 700}}}",
         "d.json: field \"pressed.font.weight\": unknown field"},
        {"{\"width\": \"270\"}", "d.json: field \"width\": expected an integer, found a string"},
        {"{\"height\": 2.5}", "d.json: field \"height\": expected an integer, found a fraction"},
        {"{\"cornerDiameter\": null}",
         "d.json: field \"cornerDiameter\": expected an integer, found null"},
        {"{\"width\": 0}", "d.json: field \"width\": must be at least 1, found 0"},
        {"{\"height\": -3}", "d.json: field \"height\": must be at least 1, found -3"},
        {"{\"normal\": 3}", "d.json: field \"normal\": expected an object, found a number"},
        {"{\"normal\": {\"caption\": 5}}",
         "d.json: field \"normal.caption\": expected a string, found a number"},
        {"{\"normal\": {\"border\": true}}",
         "d.json: field \"normal.border\": expected an integer, found a boolean"},
        {"{\"hot\": {\"font\": {\"size\": \"12\"}}}",
         "d.json: field \"hot.font.size\": expected an integer, found a string"},
        {"{\"hot\": {\"font\": {\"bold\": 1}}}",
         "d.json: field \"hot.font.bold\": expected a boolean, found a number"},
        {"{\"hot\": {\"font\": []}}",
         "d.json: field \"hot.font\": expected an object, found an array"},
        {"{\"disabled\": {\"picture\": null}}",
         "d.json: field \"disabled.picture\": expected a string, found null"},
    };
    for (const BadDesign& c : cases) {
        const DesignReading reading = parse(c.json);
        EXPECT_FALSE(reading.design) << c.json;
        EXPECT_EQ(reading.error, c.message) << c.json;
    }
}

TEST(DesignReader, RefusesColoursThatDoNotParse) {
    for (const char* colour : {"#12345", "#1234567", "red", "FF0000", "#GG0000", "", "None"}) {
        const std::string json = std::string("{\"normal\": {\"backColour\": \"") + colour + "\"}}";
        const DesignReading reading = parse(json.c_str());
        EXPECT_EQ(reading.error, std::string("d.json: field \"normal.backColour\": \"") + colour +
                                     "\" is not a colour; write \"#RRGGBB\" or \"none\"");
    }
}

TEST(DesignReader, AnEmptyDesignIsTheInitialOne) {
    const DesignReading reading = parse("{}");
    ASSERT_TRUE(reading.design) << reading.error;
    EXPECT_EQ(*reading.design, initialDesign());
    EXPECT_EQ(reading.design->width, 270);
    EXPECT_EQ(reading.design->height, 220);
    EXPECT_EQ(reading.design->states[1].face.backColour(), 0xFFD2A2u);
}

TEST(DesignReader, ReadsEveryFieldAndHoldsItToItsDomain) {
    const DesignReading reading = parse(R"({
        "width": 300, "height": 1e12, "cornerDiameter": -7,
        "hot": {
            "caption": "第一行\n第二行", "textEffect": 9, "border": -2, "frameWidth": 2,
            "pictureMode": 1, "gradientMode": 100, "hAlign": 0, "vAlign": 2, "wordWrap": 7,
            "frameColour1": "#FF0000", "frameColour2": "none", "frameColour3": "#00ff00",
            "textColour": "#0000FF", "backColour": "#123456", "gradientColour1": "#010203",
            "gradientColour2": "#A0B0C0", "gradientColour3": "none", "canvasColour": "#FEDCBA",
            "font": {"name": "宋体", "size": 12, "bold": true, "italic": true,
                     "underline": true, "strikeout": true, "angle": 900}
        },
        "pressed": {"backColour": "#000000", "font": null}
    })");
    ASSERT_TRUE(reading.design) << reading.error;
    const Design& design = *reading.design;
    EXPECT_EQ(design.width, 270);
    EXPECT_EQ(design.height, 220);
    EXPECT_EQ(design.cornerDiameter, -7);
    const FaceStyle& hot = design.states[1].face;
    EXPECT_EQ(hot.caption(), "第一行\n第二行");
    EXPECT_EQ(hot.textEffect(), 3);
    EXPECT_EQ(hot.border(), 0);
    EXPECT_EQ(hot.frameWidth(), 5);
    EXPECT_EQ(hot.pictureMode(), 1);
    EXPECT_EQ(hot.gradientMode(), 8);
    EXPECT_EQ(hot.hAlign(), 0);
    EXPECT_EQ(hot.vAlign(), 2);
    EXPECT_EQ(hot.wordWrap(), 7);
    EXPECT_EQ(hot.frameColour1(), 0x0000FFu);  // red lives in the low byte
    EXPECT_EQ(hot.frameColour2(), NoColour);
    EXPECT_EQ(hot.frameColour3(), 0x00FF00u);
    EXPECT_EQ(hot.textColour(), 0xFF0000u);
    EXPECT_EQ(hot.backColour(), 0x563412u);
    EXPECT_EQ(hot.gradientColour1(), 0x030201u);
    EXPECT_EQ(hot.gradientColour2(), 0xC0B0A0u);
    EXPECT_EQ(hot.gradientColour3(), NoColour);
    EXPECT_EQ(design.states[1].canvasColour, 0xBADCFEu);
    EXPECT_EQ(hot.font(), (FontSpec{900, true, true, true, true, 12, "宋体"}));
    EXPECT_EQ(design.states[2].face.backColour(), 0u);
    EXPECT_EQ(design.states[2].face.caption(), "按下按钮文字");  // omitted: the state's own
    EXPECT_FALSE(design.states[2].face.font());
    EXPECT_EQ(design.states[0], initialDesign().states[0]);
}

class DesignFiles : public testing::Test {
protected:
    ScratchFolder folder;
};

TEST_F(DesignFiles, PicturesAreFoundBesideTheDesign) {
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(qRgb(1, 2, 3));
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(picture.save(&buffer, "BMP"));
    folder.write("face.bmp", bmp);
    const QString design = folder.write("d.json", R"({"normal": {"picture": "face.bmp"}})");
    const DesignReading reading = readDesign(design);
    ASSERT_TRUE(reading.design) << reading.error;
    EXPECT_EQ(reading.design->states[0].face.picture(), Bytes(bmp.begin(), bmp.end()));
    EXPECT_EQ(reading.design->states[0].picturePath, "face.bmp");
    EXPECT_TRUE(reading.warnings.empty());
}

TEST_F(DesignFiles, AnUnreadablePictureOnlyWarns) {
    folder.write("notes.jpg", QByteArray("only some text, no picture at all"));
    for (const char* name : {"missing.jpg", "notes.jpg"}) {
        const QString design =
            folder.write("d.json", QByteArray(R"({"hot": {"picture": ")") + name + R"("}})");
        const DesignReading reading = readDesign(design);
        ASSERT_TRUE(reading.design) << reading.error;
        EXPECT_TRUE(reading.design->states[1].face.picture().empty()) << name;
        ASSERT_EQ(reading.warnings.size(), 1u) << name;
        EXPECT_THAT(reading.warnings[0],
                    StartsWith(design.toStdString() + ": field \"hot.picture\""));
        EXPECT_THAT(reading.warnings[0], HasSubstr(folder.filePath(name).toStdString() + "\": "));
        EXPECT_THAT(reading.warnings[0], HasSubstr("drawn without it"));
    }
}

TEST_F(DesignFiles, RefusesFilesOverOneMebibyteAndFilesThatCannotBeRead) {
    QByteArray large = "{\"normal\": {\"caption\": \"";
    large += QByteArray(kDesignFileLimit, 'x') + "\"}}";
    const QString big = folder.write("big.json", large);
    EXPECT_EQ(
        readDesign(big).error,
        big.toStdString() + ": larger than 1 MiB; a design file may hold at most 1048576 bytes");
    const QString missing = folder.filePath("none.json");
    EXPECT_THAT(readDesign(missing).error, StartsWith(missing.toStdString() + ": cannot read: "));
    EXPECT_EQ(readDesign(folder.path()).error,
              folder.path().toStdString() + ": cannot read: it is a folder");
    const QString exact =
        folder.write("exact.json", QByteArray("{}") + QByteArray(kDesignFileLimit - 2, ' '));
    EXPECT_TRUE(readDesign(exact).design);
}

}  // namespace
}  // namespace brontel
