#include "render/face_picture.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include "render/face_painter.h"
#include "render/picture_blend.h"
#include "render/picture_placement.h"
#include "render/surface.h"
#include "render/surface_ink.h"

namespace brontel {
namespace {

constexpr Colour kBack = 0xFFA8FF;
const QSize kFaceSize{270, 220};
const DesktopTheme kTheme;

Bytes encoded(const QImage& image, const char* format) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return Bytes(data.begin(), data.end());
}

Bytes bmpOf(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return encoded(image, "BMP");
}

Face faceWith(Bytes picture, int pictureMode) {
    Face face;
    face.style.setBackColour(kBack);
    face.style.setPicture(std::move(picture));
    face.style.setPictureMode(pictureMode);
    return face;
}

QImage render(Face& face) {
    return renderFace(face, kFaceSize, kTheme);
}

TEST(FacePicture, BytesThatAreNoPictureAreDroppedAfterOnePaint) {
    const std::string text = "not a picture, only some text";
    Face face = faceWith(Bytes(text.begin(), text.end()), 2);
    face.style.setGradientMode(1);
    face.style.setGradientColour1(0x000000);
    face.style.setGradientColour2(0xFFFFFF);

    const QImage first = render(face);
    EXPECT_TRUE(face.style.picture().empty());
    QImage plain(kFaceSize, QImage::Format_RGB32);
    plain.fill(surfacePixel(kBack));
    EXPECT_EQ(first, plain) << "the failed paint shows the background colour only";

    const QImage second = render(face);
    EXPECT_EQ(second.pixel(0, 0), surfacePixel(0x000000)) << "the gradient shows from now on";
    EXPECT_NE(second.pixel(0, 219), second.pixel(0, 0));
}

TEST(FacePicture, APictureHidesTheGradientInEveryMode) {
    for (int mode : {0, 1, 2}) {
        Face withGradient = faceWith(bmpOf({30, 20}, qRgb(9, 99, 199)), mode);
        withGradient.style.setGradientMode(5);
        Face without = faceWith(withGradient.style.picture(), mode);
        EXPECT_EQ(render(withGradient), render(without)) << "mode " << mode;
    }
}

TEST(FacePicture, CentredPictureLeavesTheBackgroundAround) {
    Face face = faceWith(bmpOf({300, 300}, qRgb(9, 99, 199)), 2);
    const QImage image = render(face);
    const QRect placed = centredPlacement({300, 300}, QRect(QPoint(0, 0), kFaceSize));
    EXPECT_EQ(placed, QRect(25, 0, 219, 219));
    EXPECT_EQ(test::colourBounds(image, qRgb(9, 99, 199)), placed);
    EXPECT_EQ(test::inkBounds(image, surfacePixel(kBack)), placed);
}

TEST(FacePicture, TransparentPngPixelsShowTheCurrentBackgroundColour) {
    QImage png(2, 2, QImage::Format_ARGB32);
    png.fill(qRgba(0, 0, 0, 0));
    png.setPixel(1, 1, qRgba(10, 200, 0, 51));
    Face face = faceWith(encoded(png, "PNG"), 0);
    EXPECT_EQ(render(face).pixel(0, 0), surfacePixel(0xFFA8FF));
    EXPECT_EQ(colourOfPixel(render(face).pixel(1, 1)),
              rgb(blendChannel(10, 255, 51), blendChannel(200, 168, 51), blendChannel(0, 255, 51)));

    face.style.setBackColour(0x00FF00);  // the decoded picture stays; the blend is redone
    EXPECT_EQ(render(face).pixel(0, 0), surfacePixel(0x00FF00));
}

// Where two paints of the same face size differ.
QRect differenceBounds(const QImage& a, const QImage& b) {
    QRect bounds;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

Face framedCaptionFace(std::string caption) {
    Face face = faceWith(bmpOf({64, 64}, qRgb(9, 99, 199)), 1);
    face.style.setBorder(border::GradientFrame);
    face.style.setFrameWidth(12);
    face.style.setTextEffect(static_cast<int>(TextEffect::Shadow));
    face.style.setCaption(std::move(caption));
    return face;
}

TEST(FacePicture, CaptionLiesOverThePictureInsideTheFrameOnly) {
    Face plain = framedCaptionFace("");
    Face captioned = framedCaptionFace("正常按钮文字正常按钮文字正常按钮文字正常按钮文字");
    const QRect interior = QRect(QPoint(0, 0), kFaceSize).adjusted(12, 12, -12, -12);
    const QRect changed = differenceBounds(render(plain), render(captioned));
    EXPECT_LE(changed.left(), interior.left() + 3) << "the long line runs past both edges";
    EXPECT_GE(changed.right(), interior.right() - 3);
    EXPECT_TRUE(interior.contains(changed));
}

TEST(FacePicture, PartialRepaintMatchesTheFullPaint) {
    const std::pair<int, QSize> pictures[] = {{0, {200, 90}}, {1, {64, 64}}, {2, {700, 500}}};
    const QRect areas[] = {{0, 0, 40, 40}, {100, 80, 77, 33}, {30, 200, 240, 20}};
    for (const auto& [mode, size] : pictures) {
        QImage picture(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) picture.setPixel(x, y, qRgb(x, y, x ^ y));
        Face face = faceWith(encoded(picture, "BMP"), mode);
        face.style.setCaption("正常按钮文字");
        face.style.setTextEffect(static_cast<int>(TextEffect::Embossed));
        const QImage full = render(face);
        for (const QRect& area : areas) {
            QImage part(kFaceSize, QImage::Format_RGB32);
            part.fill(0xFF123456u);
            renderFace(face, part, area, kTheme);
            EXPECT_EQ(part.copy(area), full.copy(area)) << "mode " << mode;
            EXPECT_EQ(test::inkBounds(part, 0xFF123456u), area) << "mode " << mode;
        }
    }
}

}  // namespace
}  // namespace brontel
