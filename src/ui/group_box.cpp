#include "ui/group_box.h"

#include <QFontMetrics>
#include <QPainter>

#include "render/desktop_theme.h"

namespace brontel {

namespace {

const QString kTitleFontFamily = QStringLiteral("宋体");
constexpr int kTitleGap = 2;  // white space on each side of the title, breaking the frame

QColor toQColor(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

}  // namespace

GroupBox::GroupBox(const QString& title, int titlePixelHeight, QWidget* parent)
    : QWidget(parent), title_(title), titleFont_(kTitleFontFamily) {
    titleFont_.setPixelSize(titlePixelHeight);
    titleFont_.setBold(true);
}

void GroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);

    // The etched frame runs through the middle of the title line.
    const QFontMetrics metrics(titleFont_);
    const int frameTop = metrics.height() / 2;
    const QRect frame(0, frameTop, width() - 1, height() - frameTop - 1);
    const DesktopTheme theme = DesktopTheme::fromPalette(palette());
    painter.setPen(toQColor(theme.highlight));
    painter.drawRect(frame.translated(1, 1));
    painter.setPen(toQColor(theme.shadow));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));

    if (title_.isEmpty()) return;
    const int textWidth = metrics.horizontalAdvance(title_);
    const QRect titleRect((width() - textWidth) / 2, 0, textWidth, metrics.height());
    painter.fillRect(titleRect.adjusted(-kTitleGap, 0, kTitleGap, 0), Qt::white);
    painter.setFont(titleFont_);
    painter.setPen(Qt::black);
    painter.drawText(titleRect, Qt::AlignCenter, title_);
}

}  // namespace brontel
