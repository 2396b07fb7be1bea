// Paints Brontel's application icon (48 x 48 and 24 x 24) and its logo (193 x 61, with
// alpha) into assets/. The pictures are the project's own: run scripts/paint_assets.sh to
// redraw them after changing this file.
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QTransform>
#include <array>
#include <cstdio>

namespace {

// The four initial face colours of the preview board, in board order.
constexpr std::array<QRgb, 4> kFaceColours{0xFFFFA8FF, 0xFFA2D2FF, 0xFF9BFF9B, 0xFFFFFF97};

QImage transparentImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A 2 x 2 board of rounded cells, the first one framed like the selected cell.
void paintBoard(QPainter& painter, const QRectF& area) {
    const qreal gap = area.width() / 12.0;
    const qreal cell = (area.width() - gap) / 2.0;
    const qreal radius = cell / 4.0;
    for (int i = 0; i < 4; ++i) {
        const QRectF rect(area.left() + (i % 2) * (cell + gap), area.top() + (i / 2) * (cell + gap),
                          cell, cell);
        QLinearGradient shade(rect.topLeft(), rect.bottomLeft());
        shade.setColorAt(0.0, QColor(kFaceColours[i]).lighter(112));
        shade.setColorAt(1.0, QColor(kFaceColours[i]).darker(112));
        painter.setPen(QPen(QColor(0x50, 0x50, 0x60), qMax(1.0, area.width() / 40.0)));
        painter.setBrush(shade);
        painter.drawRoundedRect(rect, radius, radius);
    }
}

QImage paintIcon(int size) {
    QImage image = transparentImage(size, size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal margin = size / 16.0;
    paintBoard(painter, QRectF(margin, margin, size - 2 * margin, size - 2 * margin));
    return image;
}

QImage paintLogo() {
    QImage image = transparentImage(193, 61);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintBoard(painter, QRectF(4, 6, 49, 49));

    QFont font("DejaVu Sans");
    font.setPixelSize(34);
    font.setBold(true);
    QPainterPath word;
    word.addText(0, 0, font, QStringLiteral("Brontel"));
    // Fit the word into the room right of the board, keeping its proportions.
    const QRectF room(60, 10, 129, 40);
    const QRectF bounds = word.boundingRect();
    const qreal scale = qMin(room.width() / bounds.width(), room.height() / bounds.height());
    QTransform fit;
    fit.translate(room.left(), room.center().y() + bounds.height() * scale / 2);
    fit.scale(scale, scale);
    fit.translate(-bounds.left(), -bounds.bottom());
    word = fit.map(word);
    QLinearGradient ink(0, 12, 0, 46);
    ink.setColorAt(0.0, QColor(0xD0, 0x3C, 0xD0));
    ink.setColorAt(1.0, QColor(0x4A, 0x6C, 0xE0));
    painter.setPen(QPen(QColor(0x30, 0x20, 0x40, 160), 1.0));
    painter.setBrush(ink);
    painter.drawPath(word);
    return image;
}

bool save(const QImage& image, const QString& path) {
    const bool saved = image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG");
    std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "wrote" : "could not write",
                 qPrintable(path));
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("assets");
    const bool ok = save(paintIcon(48), folder + "/brontel-icon-48.png") &&
                    save(paintIcon(24), folder + "/brontel-icon-24.png") &&
                    save(paintLogo(), folder + "/brontel-logo.png");
    return ok ? 0 : 1;
}
