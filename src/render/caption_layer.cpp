#include "render/caption_layer.h"

#include <QColor>
#include <QPainter>
#include <QString>

#include "render/caption_font.h"
#include "render/surface.h"

namespace brontel {
namespace {

constexpr Colour kEffectLight = 0xFFFFFF;
constexpr Colour kEffectDark = 0x000000;

// The desktop takes a text colour's low 24 bits, so NoColour writes black.
QColor textQColor(Colour colour) {
    return QColor::fromRgb(surfacePixel(colour));
}

int horizontalFlag(int hAlign) {
    if (hAlign == 1) return Qt::AlignHCenter;
    return hAlign == 2 ? Qt::AlignRight : Qt::AlignLeft;
}

int verticalFlag(int vAlign) {
    if (vAlign == 1) return Qt::AlignVCenter;
    return vAlign == 2 ? Qt::AlignBottom : Qt::AlignTop;
}

// Qt's flags for the caption's layout: mnemonic ampersands, no cut at the text rectangle,
// tabs not expanded, and `vAlign` only for single-line captions (wrapped lines stack from
// the top).
int captionFlags(const FaceStyle& style) {
    int flags = Qt::TextShowMnemonic | Qt::TextDontClip | horizontalFlag(style.hAlign());
    if (style.wordWrap() == 1) return flags | Qt::TextWordWrap | Qt::AlignTop;
    return flags | Qt::TextSingleLine | verticalFlag(style.vAlign());
}

// The caption as it is laid out: single-line captions lose their line breaks; wrapped
// captions break once per CR LF pair, or at a lone CR or LF.
QString captionLayoutText(const FaceStyle& style) {
    QString text = QString::fromStdString(style.caption());
    if (style.wordWrap() != 1) {
        text.remove(QLatin1Char('\r'));
        text.remove(QLatin1Char('\n'));
        return text;
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

struct CaptionPass {
    QString text;
    int flags;
    QPointF turnAbout;  // where the level text starts; unused when not turned
    qreal degrees;      // counter-clockwise, as the font's escapement counts
};

void drawLayer(QPainter& painter, const CaptionPass& pass, const QRect& rect, Colour colour) {
    painter.save();
    if (pass.degrees != 0) {
        const QPointF pivot = pass.turnAbout + QPointF(rect.topLeft());
        painter.translate(pivot);
        painter.rotate(-pass.degrees);
        painter.translate(-pivot);
    }
    painter.setPen(textQColor(colour));
    painter.drawText(rect, pass.flags, pass.text);
    painter.restore();
}

// A turned caption is laid out as if level and turned about the top-left corner of the
// level text, so it starts where the level caption would start.
QPointF turnOrigin(QPainter& painter, const CaptionPass& pass, const QRect& textRect) {
    const QRectF level = painter.boundingRect(QRectF(textRect), pass.flags, pass.text);
    return level.topLeft() - QPointF(textRect.topLeft());
}

CaptionPass captionPass(QPainter& painter, const FaceStyle& style, const SystemFont& font,
                        const QRect& textRect) {
    CaptionPass pass{captionLayoutText(style), captionFlags(style), {}, font.escapement / 10.0};
    if (pass.degrees != 0) pass.turnAbout = turnOrigin(painter, pass, textRect);
    return pass;
}

// Draws the white or black copy of the caption and returns where the main layer goes:
// embossed text stands one pixel right of and below its white copy. The offsets are design
// pixels, `pixelRatio` device pixels each.
QRect drawEffectLayer(QPainter& painter, const CaptionPass& pass, const QRect& textRect, int effect,
                      int pixelRatio) {
    const int one = pixelRatio, two = 2 * pixelRatio;
    switch (static_cast<TextEffect>(effect)) {
        case TextEffect::Engraved:
            drawLayer(painter, pass, textRect.translated(one, one), kEffectLight);
            return textRect;
        case TextEffect::Embossed:
            drawLayer(painter, pass, textRect, kEffectLight);
            return textRect.translated(one, one);
        case TextEffect::Shadow:
            drawLayer(painter, pass, textRect.translated(two, two), kEffectDark);
            return textRect;
        case TextEffect::Plain:
            break;
    }
    return textRect;
}

}  // namespace

void drawCaption(QImage& surface, const FaceStyle& style, const QRect& textRect, const QRect& clip,
                 const DesktopTheme& theme) {
    if (style.caption().empty()) return;
    const SystemFont font = captionSystemFont(style.font(), theme);
    QPainter painter(&surface);
    painter.setClipRect(clip);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(toQFont(font, theme));
    const CaptionPass pass = captionPass(painter, style, font, textRect);
    const QRect mainRect =
        drawEffectLayer(painter, pass, textRect, style.textEffect(), theme.pixelRatio);
    drawLayer(painter, pass, mainRect, style.textColour());
}

}  // namespace brontel
