#include "ui/vertical_tab_control.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace brontel {

namespace {

constexpr int kCharHeight = 12;  // the title font's character height
constexpr int kCharGap = 1;
constexpr int kTitlePadding = 5;  // above the first and below the last character
const QString kTitleFontFamily = QStringLiteral("SimSun");

QColor toQColor(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

// The title one character at a time; characters beyond the basic plane stay whole.
QStringList charactersOf(const QString& title) {
    QStringList characters;
    for (char32_t c : title.toUcs4()) characters.append(QString::fromUcs4(&c, 1));
    return characters;
}

QFont titleFont() {
    QFont font(kTitleFontFamily);
    font.setPixelSize(kCharHeight);
    font.setWeight(QFont::Normal);
    return font;
}

}  // namespace

VerticalTabControl::VerticalTabControl(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

int VerticalTabControl::addPage(QWidget* page, const QString& title, const QString& toolTip) {
    const int index = pageCount();
    pages_.push_back({page, title, toolTip});
    page->setParent(this);
    page->installEventFilter(this);
    page->setVisible(index == current_);
    update();
    return index;
}

void VerticalTabControl::setCurrentPage(int index) {
    if (index == current_ || index < 0 || index >= pageCount()) return;
    if (current_ < pageCount()) pages_[current_].widget->hide();
    current_ = index;
    pages_[current_].widget->show();
    update();
    emit pageChanged(index);
}

void VerticalTabControl::setTabColour(Colour colour) {
    tabColour_ = colour;
    update();
}

void VerticalTabControl::setHotTabColour(Colour colour) {
    hotTabColour_ = colour;
    update();
}

void VerticalTabControl::setCurrentTabColour(Colour colour) {
    currentTabColour_ = colour;
    update();
}

int VerticalTabControl::tabLength(int index) const {
    const auto n = static_cast<int>(charactersOf(pages_[index].title).size());
    const int text = n > 0 ? n * kCharHeight + (n - 1) * kCharGap : 0;
    return 2 * kTitlePadding + text;
}

QRect VerticalTabControl::tabRect(int index) const {
    if (index < 0 || index >= pageCount()) return {};
    int top = 0;
    for (int i = 0; i < index; ++i) top += tabLength(i);
    return {width() - kTabThickness, top, kTabThickness, tabLength(index)};
}

int VerticalTabControl::tabAt(QPoint pos) const {
    for (int i = 0; i < pageCount(); ++i) {
        if (tabRect(i).contains(pos)) return i;
    }
    return -1;
}

Colour VerticalTabControl::colourOfTab(int index) const {
    if (index == hot_) return hotTabColour_;
    if (index == current_) return currentTabColour_;
    return tabColour_;
}

void VerticalTabControl::paintTab(QPainter& painter, int index) const {
    const QRect tab = tabRect(index);
    painter.fillRect(tab, toQColor(colourOfTab(index)));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(tab.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    int y = tab.top() + kTitlePadding;
    for (const QString& character : charactersOf(pages_[index].title)) {
        painter.drawText(QRect(tab.left(), y, kTabThickness, kCharHeight), Qt::AlignCenter,
                         character);
        y += kCharHeight + kCharGap;
    }
}

void VerticalTabControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setFont(titleFont());
    for (int i = 0; i < pageCount(); ++i) paintTab(painter, i);
}

void VerticalTabControl::setHotTab(int index) {
    if (index == hot_) return;
    hot_ = index;
    update();
}

void VerticalTabControl::mousePressEvent(QMouseEvent* event) {
    const int index = tabAt(event->pos());
    if (event->button() == Qt::LeftButton && index >= 0) {
        setCurrentPage(index);
        return;
    }
    QWidget::mousePressEvent(event);
}

void VerticalTabControl::mouseMoveEvent(QMouseEvent* event) {
    setHotTab(tabAt(event->pos()));
    QWidget::mouseMoveEvent(event);
}

void VerticalTabControl::leaveEvent(QEvent* event) {
    setHotTab(-1);
    QWidget::leaveEvent(event);
}

bool VerticalTabControl::eventFilter(QObject* watched, QEvent* event) {
    // The pointer can pass from a tab straight onto a page, which the control sees as no
    // leaving of its own.
    if (event->type() == QEvent::Enter) setHotTab(-1);
    return QWidget::eventFilter(watched, event);
}

bool VerticalTabControl::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const int index = tabAt(help->pos());
    if (index >= 0) {
        QToolTip::showText(help->globalPos(), pages_[index].toolTip, this, tabRect(index));
    } else {
        QToolTip::hideText();
        event->ignore();
    }
    return true;
}

}  // namespace brontel
