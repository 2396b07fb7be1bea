#include "ui/colour_picker.h"

#include <QColorDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidgetAction>
#include <optional>

#include "ui/palette_grid.h"

namespace brontel {

namespace {

const QString kOtherColoursText = QStringLiteral("其它颜色...");
const QString kNoColourText = QStringLiteral("透明");

constexpr int kArrowWidth = 11;
constexpr int kInset = 3;

QColor toQColor(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

Colour fromQColor(const QColor& c) {
    return rgb(c.red(), c.green(), c.blue());
}

}  // namespace

ColourPicker::ColourPicker(Colour initial, bool offersNoColour, QWidget* parent)
    : QWidget(parent), colour_(initial), offersNoColour_(offersNoColour) {
    setFocusPolicy(Qt::StrongFocus);
}

void ColourPicker::setColour(Colour colour) {
    colour_ = colour;
    update();
}

void ColourPicker::pickColour(Colour colour) {
    if (colour == NoColour && !offersNoColour_) return;
    setColour(colour);
    emit colourPicked();
}

QSize ColourPicker::sizeHint() const {
    return {48, 20};
}

QRect ColourPicker::swatchRect() const {
    return rect().adjusted(kInset, kInset, -kInset - kArrowWidth, -kInset);
}

void ColourPicker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& pal = palette();
    painter.fillRect(rect(), pal.color(QPalette::Base));
    painter.setPen(pal.color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const QRect swatch = swatchRect();
    const bool transparent = colour_ == NoColour;
    QColor fill = transparent ? pal.color(QPalette::Button) : toQColor(colour_);
    // A disabled picker keeps its colour but shows it faded into the background.
    if (!isEnabled()) fill.setAlpha(96);
    painter.fillRect(swatch, fill);
    painter.setPen(
        pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    if (transparent) painter.drawLine(swatch.bottomLeft(), swatch.topRight());

    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = QRect(swatch.right() + 1, 0, rect().right() - swatch.right(), height());
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = swatch.adjusted(-2, -2, 2, 2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void ColourPicker::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    dropDownPalette();
}

void ColourPicker::keyPressEvent(QKeyEvent* event) {
    const bool opens = event->key() == Qt::Key_Space || event->key() == Qt::Key_F4 ||
                       (event->key() == Qt::Key_Down && event->modifiers() & Qt::AltModifier);
    if (!opens) {
        QWidget::keyPressEvent(event);
        return;
    }
    dropDownPalette();
}

void ColourPicker::dropDownPalette() {
    QMenu menu(this);
    auto* grid = new PaletteGrid(&menu);
    auto* gridAction = new QWidgetAction(&menu);
    gridAction->setDefaultWidget(grid);
    menu.addAction(gridAction);
    std::optional<Colour> fromGrid;
    connect(grid, &PaletteGrid::colourChosen, &menu, [&](Colour c) {
        fromGrid = c;
        menu.close();
    });
    menu.addSeparator();
    QAction* other = menu.addAction(kOtherColoursText);
    QAction* none = offersNoColour_ ? menu.addAction(kNoColourText) : nullptr;

    // The choice is acted on once the palette has closed, so a handler or the colour
    // dialog never runs inside the palette's own loop.
    QAction* chosen = menu.exec(mapToGlobal(QPoint(0, height())));
    if (fromGrid) {
        pickColour(*fromGrid);
    } else if (chosen && chosen == other) {
        pickFromColourDialog();
    } else if (chosen && chosen == none) {
        pickColour(NoColour);
    }
}

void ColourPicker::pickFromColourDialog() {
    const QColor initial = colour_ == NoColour ? Qt::white : toQColor(colour_);
    const QColor picked = QColorDialog::getColor(initial, this);
    if (picked.isValid()) pickColour(fromQColor(picked));
}

}  // namespace brontel
