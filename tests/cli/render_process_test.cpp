#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "cli/design_reader.h"
#include "cli/scaled_design.h"
#include "cli/state_images.h"
#include "export/export_file_names.h"
#include "support/scratch_folder.h"

namespace brontel {
namespace {

using testing::HasSubstr;

struct ProcessResult {
    int exitCode = -1;
    QByteArray out;
    std::string err;
};

class RenderProcess : public testing::Test {
protected:
    ProcessResult run(const QStringList& arguments, const QProcessEnvironment& environment =
                                                        QProcessEnvironment::systemEnvironment()) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(BRONTEL_RENDER_PATH, arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        const int exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        return {exitCode, process.readAllStandardOutput(),
                process.readAllStandardError().toStdString()};
    }

    static QByteArray readFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QString imagePath(const QString& dir, ButtonState state,
                             ImageFormat format = ImageFormat::Bmp) {
        return QDir(dir).filePath(stateImageFileName(state, format));
    }

    ScratchFolder folder;
};

TEST_F(RenderProcess, TheDefaultDesignGivesFourFullSizeImages) {
    const ProcessResult defaults = run({"--defaults"});
    ASSERT_EQ(defaults.exitCode, 0) << defaults.err;
    const DesignReading printed = parseDesign(defaults.out, "stdout", ".");
    ASSERT_TRUE(printed.design) << printed.error;
    EXPECT_EQ(*printed.design, initialDesign());

    const QString design = folder.write("defaults.json", defaults.out);
    const QString out = folder.filePath("made/nested");  // created with its parent
    const ProcessResult render = run({design, "-o", out});
    ASSERT_EQ(render.exitCode, 0) << render.err;
    EXPECT_EQ(render.err, "");
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), 4);
    for (ButtonState state : kButtonStates) {
        const QByteArray file = readFile(imagePath(out, state));
        ASSERT_EQ(file.size(), 178694) << kExportFileNames[indexOf(state)];
        const Bytes bytes(file.begin(), file.end());
        EXPECT_EQ(bytes, renderStateImages(initialDesign(), DesktopTheme{})[indexOf(state)]);
    }
}

// The same engine as the program: the files are the cells drawn in this process, canvas
// green in the rounded corners.
TEST_F(RenderProcess, ReplacesOldImagesWithTheDesignsCells) {
    const QString design = folder.write("d.json", R"({"cornerDiameter": 40, "width": 100,
        "pressed": {"gradientMode": 3, "canvasColour": "#0000FF"}})");
    const QString out = folder.filePath("out");
    QDir().mkpath(out);
    folder.write("out/按钮_按下图片.bmp", "old");
    const ProcessResult render = run({"-o", out, design});
    ASSERT_EQ(render.exitCode, 0) << render.err;
    const PerState<Bytes> expected = renderStateImages(*readDesign(design).design, DesktopTheme{});
    for (ButtonState state : kButtonStates) {
        const QByteArray file = readFile(imagePath(out, state));
        EXPECT_EQ(Bytes(file.begin(), file.end()), expected[indexOf(state)]);
    }
    const QByteArray pressed = readFile(imagePath(out, ButtonState::Pressed));
    ASSERT_EQ(pressed.size(), 54 + 300 * 220);
    EXPECT_EQ(pressed.mid(54 + 300 * 219, 3), QByteArray("\xFF\x00\x00", 3));  // top-left: blue
}

TEST_F(RenderProcess, BadInputWritesNothingAndExitsWithTwo) {
    const QString out = folder.filePath("out");
    const QString malformed = folder.write("bad.json", "{\n  \"width\": 270\n  \"height\": 5\n}");
    const QString unknown = folder.write("unknown.json", R"({"normal": {"colour": "#000000"}})");
    const QString colour = folder.write("colour.json", R"({"hot": {"textColour": "#12345"}})");
    const QString small = folder.write("small.json", R"({"height": 0})");
    const QString good = folder.write("good.json", "{}");
    struct Case {
        QStringList arguments;
        std::string message;
    };
    const Case cases[] = {
        {{malformed, "-o", out}, malformed.toStdString() + ":3:4: malformed JSON"},
        {{unknown, "-o", out}, unknown.toStdString() + ": field \"normal.colour\": unknown field"},
        {{colour, "-o", out}, colour.toStdString() + ": field \"hot.textColour\": \"#12345\""},
        {{small, "-o", out}, small.toStdString() + ": field \"height\": must be at least 1"},
        {{folder.filePath("none.json"), "-o", out}, "none.json: cannot read: "},
        {{malformed}, "no output folder given (-o OUTDIR)\nusage: brontel-render"},
        {{"-o", out}, "no design file given\nusage: brontel-render"},
        {{malformed, "-o"}, "-o needs an output folder"},
        {{malformed, "-o", out, "-o", out}, "unexpected argument \"-o\""},
        {{"--defaults", "-o", out}, "unexpected argument \"--defaults\""},
        {{good, "-o", out, "--format", "gif"}, "--format must be bmp or png, found \"gif\""},
        {{good, "-o", out, "--format", "PNG"}, "--format must be bmp or png, found \"PNG\""},
        {{good, "-o", out, "--format"}, "--format needs a value"},
        {{good, "-o", out, "--format", "png", "--format", "png"},
         "unexpected argument \"--format\""},
        {{good, "-o", out, "--scale", "3"}, "--scale must be 1 or 2, found \"3\""},
        {{good, "-o", out, "--scale", "0"}, "--scale must be 1 or 2, found \"0\""},
        {{good, "-o", out, "--scale", "1.5"}, "--scale must be 1 or 2, found \"1.5\""},
        {{good, "-o", out, "--scale", "-2"}, "--scale must be 1 or 2, found \"-2\""},
        {{"--scale", "2", good}, "no output folder given (-o OUTDIR)"},
        {{good, "-o", out, "--scale"}, "--scale needs a value"},
        {{good, "-o", out, "--scale", "2", "--scale", "2"}, "unexpected argument \"--scale\""},
    };
    for (const Case& c : cases) {
        const ProcessResult render = run(c.arguments);
        EXPECT_EQ(render.exitCode, 2) << c.message;
        EXPECT_THAT(render.err, HasSubstr("brontel-render: "));
        EXPECT_THAT(render.err, HasSubstr(c.message));
        EXPECT_FALSE(QFileInfo::exists(out)) << c.message;
    }
}

// The rounded corners become transparent in place of the canvas colour; each file holds
// exactly the transparent cell this process draws, at either scale.
TEST_F(RenderProcess, PngFilesHoldTheTransparentCells) {
    const QString design = folder.write("d.json", R"({"cornerDiameter": 40, "width": 100,
        "hot": {"gradientMode": 3, "canvasColour": "#0000FF", "border": 4}})");
    for (int scale : {1, 2}) {
        const QString out = folder.filePath("png" + QString::number(scale));
        const ProcessResult render =
            run({design, "-o", out, "--format", "png", "--scale", QString::number(scale)});
        ASSERT_EQ(render.exitCode, 0) << render.err;
        QStringList names = QDir(out).entryList(QDir::Files);
        names.sort();
        EXPECT_EQ(names, (QStringList{"按钮_按下图片.png", "按钮_正常图片.png", "按钮_点燃图片.png",
                                      "按钮_禁止图片.png"}));
        const Design drawn = scaledDesign(*readDesign(design).design, scale);
        for (ButtonState state : kButtonStates) {
            const QImage image(imagePath(out, state, ImageFormat::Png), "PNG");
            ASSERT_EQ(image.size(), QSize(100, 220) * scale);
            EXPECT_EQ(image.convertToFormat(QImage::Format_ARGB32),
                      renderTransparentCell(drawn, state, scaledTheme(DesktopTheme{}, scale)));
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
            EXPECT_EQ(qAlpha(image.pixel(50 * scale, 110 * scale)), 255);
        }
    }
}

// Square corners need no alpha: the PNG is the BMP's picture, fully opaque.
TEST_F(RenderProcess, SquareCornersGiveOpaquePngsOfTheBmpPixels) {
    const QString design = folder.write("d.json", R"({"pressed": {"gradientMode": 7}})");
    const QString bmpOut = folder.filePath("bmp"), pngOut = folder.filePath("png");
    ASSERT_EQ(run({design, "-o", bmpOut, "--format", "bmp"}).exitCode, 0);
    ASSERT_EQ(run({design, "--format", "png", "-o", pngOut}).exitCode, 0);
    for (ButtonState state : kButtonStates) {
        const QImage bmp(imagePath(bmpOut, state), "BMP");
        const QImage png(imagePath(pngOut, state, ImageFormat::Png), "PNG");
        ASSERT_EQ(png.size(), QSize(270, 220));
        EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32),
                  bmp.convertToFormat(QImage::Format_RGB32));
        for (int y = 0; y < 220; ++y) {
            for (int x = 0; x < 270; ++x) ASSERT_EQ(qAlpha(png.pixel(x, y)), 255) << x << "," << y;
        }
    }
}

// --scale 1 and --format bmp change nothing; --scale 2 draws the doubled design.
TEST_F(RenderProcess, ScaleTwoWritesImagesTwiceAsLarge) {
    const QString design = folder.write("d.json", R"({"cornerDiameter": 30,
        "normal": {"gradientMode": 1, "border": 6, "frameWidth": 7}})");
    const QString plain = folder.filePath("plain"), one = folder.filePath("one");
    const QString two = folder.filePath("two");
    ASSERT_EQ(run({design, "-o", plain}).exitCode, 0);
    ASSERT_EQ(run({design, "-o", one, "--scale", "1", "--format", "bmp"}).exitCode, 0);
    ASSERT_EQ(run({design, "--scale", "2", "-o", two}).exitCode, 0);
    const Design doubled = scaledDesign(*readDesign(design).design, 2);
    const PerState<Bytes> expected =
        renderStateImages(doubled, scaledTheme(DesktopTheme{}, 2), ImageFormat::Bmp);
    for (ButtonState state : kButtonStates) {
        EXPECT_EQ(readFile(imagePath(one, state)), readFile(imagePath(plain, state)));
        const QByteArray file = readFile(imagePath(two, state));
        EXPECT_EQ(file.size(), 54 + 1620 * 440);
        EXPECT_EQ(Bytes(file.begin(), file.end()), expected[indexOf(state)]);
    }
}

TEST_F(RenderProcess, AnOutputFolderThatCannotBeMadeIsRefused) {
    const QString design = folder.write("d.json", "{}");
    const QString blocker = folder.write("file", "not a folder");
    const ProcessResult render = run({design, "-o", blocker + "/out"});
    EXPECT_EQ(render.exitCode, 2);
    EXPECT_EQ(render.err, "brontel-render: cannot create the output folder \"" +
                              blocker.toStdString() + "/out\"\n");
}

TEST_F(RenderProcess, AMissingPictureWarnsAndTheImagesAreStillWritten) {
    const QString design = folder.write("d.json", R"({"disabled": {"picture": "gone.png"}})");
    const QString out = folder.filePath("out");
    const ProcessResult render = run({design, "-o", out});
    EXPECT_EQ(render.exitCode, 0);
    EXPECT_THAT(render.err, HasSubstr("brontel-render: warning: " + design.toStdString() +
                                      ": field \"disabled.picture\": cannot read picture"));
    EXPECT_THAT(render.err, HasSubstr("gone.png"));
    EXPECT_EQ(readFile(imagePath(out, ButtonState::Disabled)).size(), 178694);
}

// Without a display: drawing falls back to the offscreen platform, and a platform that
// cannot start is never needed for printing or for refusing a design.
TEST_F(RenderProcess, RunsWithoutADisplay) {
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    noDisplay.remove("DISPLAY");
    noDisplay.remove("WAYLAND_DISPLAY");
    noDisplay.remove("QT_QPA_PLATFORM");
    const QString design = folder.write("d.json", "{}");
    const ProcessResult render = run({design, "-o", folder.filePath("out")}, noDisplay);
    EXPECT_EQ(render.exitCode, 0) << render.err;
    EXPECT_EQ(render.err, "");

    QProcessEnvironment brokenDisplay = noDisplay;
    brokenDisplay.insert("QT_QPA_PLATFORM", "xcb");
    const ProcessResult printed = run({"--defaults"}, brokenDisplay);
    EXPECT_EQ(printed.exitCode, 0);
    EXPECT_TRUE(printed.out.startsWith("{"));
    const QString bad = folder.write("bad.json", R"({"width": 0})");
    const ProcessResult refused = run({bad, "-o", folder.filePath("other")}, brokenDisplay);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_THAT(refused.err, HasSubstr("field \"width\": must be at least 1"));
}

}  // namespace
}  // namespace brontel
