#include "ui/palette_grid.h"

#include <QMouseEvent>
#include <QPainter>

namespace brontel {

namespace {

constexpr int kColumns = 8;
constexpr int kSwatch = 16;  // outer size of one swatch
constexpr int kGap = 3;
constexpr int kMargin = 4;

QColor toQColor(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

}  // namespace

PaletteGrid::PaletteGrid(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

const std::vector<Colour>& PaletteGrid::colours() {
    // Greys, then strong, light and dark rows of the common hues.
    static const std::vector<Colour> palette{
        rgb(0, 0, 0),       rgb(64, 64, 64),    rgb(128, 128, 128), rgb(160, 160, 160),
        rgb(192, 192, 192), rgb(224, 224, 224), rgb(240, 240, 240), rgb(255, 255, 255),
        rgb(255, 0, 0),     rgb(255, 128, 0),   rgb(255, 255, 0),   rgb(0, 255, 0),
        rgb(0, 255, 255),   rgb(0, 0, 255),     rgb(128, 0, 255),   rgb(255, 0, 255),
        rgb(255, 128, 128), rgb(255, 192, 128), rgb(255, 255, 128), rgb(128, 255, 128),
        rgb(128, 255, 255), rgb(128, 128, 255), rgb(192, 128, 255), rgb(255, 128, 255),
        rgb(128, 0, 0),     rgb(128, 64, 0),    rgb(128, 128, 0),   rgb(0, 128, 0),
        rgb(0, 128, 128),   rgb(0, 0, 128),     rgb(64, 0, 128),    rgb(128, 0, 128),
        rgb(255, 187, 255), rgb(162, 210, 255), rgb(155, 255, 155), rgb(255, 255, 151),
        rgb(255, 168, 255), rgb(85, 173, 255),  rgb(91, 243, 91),   rgb(242, 242, 40),
    };
    return palette;
}

QRect PaletteGrid::swatchRect(int index) const {
    const int column = index % kColumns;
    const int row = index / kColumns;
    return {kMargin + column * (kSwatch + kGap), kMargin + row * (kSwatch + kGap), kSwatch,
            kSwatch};
}

QSize PaletteGrid::sizeHint() const {
    const int count = static_cast<int>(colours().size());
    const QRect last = swatchRect(count - 1);
    return {kMargin + kColumns * (kSwatch + kGap) - kGap + kMargin, last.bottom() + 1 + kMargin};
}

int PaletteGrid::swatchAt(QPoint pos) const {
    const int count = static_cast<int>(colours().size());
    for (int i = 0; i < count; ++i) {
        if (swatchRect(i).contains(pos)) return i;
    }
    return -1;
}

void PaletteGrid::setMarked(int index) {
    if (index == marked_) return;
    marked_ = index;
    update();
}

void PaletteGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int count = static_cast<int>(colours().size());
    for (int i = 0; i < count; ++i) {
        const QRect r = swatchRect(i);
        painter.fillRect(r, palette().color(QPalette::Dark));
        painter.fillRect(r.adjusted(1, 1, -1, -1), toQColor(colours()[i]));
    }
    if (marked_ >= 0) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(swatchRect(marked_).adjusted(-1, -1, 0, 0));
    }
}

void PaletteGrid::mouseMoveEvent(QMouseEvent* event) {
    setMarked(swatchAt(event->pos()));
}

void PaletteGrid::leaveEvent(QEvent*) {
    setMarked(-1);
}

void PaletteGrid::mouseReleaseEvent(QMouseEvent* event) {
    const int index = swatchAt(event->pos());
    if (event->button() == Qt::LeftButton && index >= 0) emit colourChosen(colours()[index]);
}

}  // namespace brontel
