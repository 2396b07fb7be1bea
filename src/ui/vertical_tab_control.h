#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "model/colour.h"

namespace brontel {

// A page control whose tabs stand in one column along its right edge, each title written
// top to bottom. Only the current page is shown; the others keep their controls' values
// while hidden.
class VerticalTabControl : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTabThickness = 20;

    explicit VerticalTabControl(QWidget* parent = nullptr);

    // The page becomes a child of the control, shown only while it is the current page.
    int addPage(QWidget* page, const QString& title, const QString& toolTip);
    int pageCount() const { return static_cast<int>(pages_.size()); }

    int currentPage() const { return current_; }
    // Behaves as a click on the page's tab: a different page is shown and then
    // pageChanged() raised; the current page or an index outside the control does nothing.
    void setCurrentPage(int index);

    Colour tabColour() const { return tabColour_; }
    Colour hotTabColour() const { return hotTabColour_; }
    Colour currentTabColour() const { return currentTabColour_; }
    void setTabColour(Colour colour);
    void setHotTabColour(Colour colour);
    void setCurrentTabColour(Colour colour);

    QRect tabRect(int index) const;

signals:
    void pageChanged(int index);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Page {
        QWidget* widget;
        QString title;
        QString toolTip;
    };

    int tabAt(QPoint pos) const;
    int tabLength(int index) const;
    Colour colourOfTab(int index) const;
    void paintTab(QPainter& painter, int index) const;
    void setHotTab(int index);

    std::vector<Page> pages_;
    int current_ = 0;
    int hot_ = -1;  // the tab under the pointer
    Colour tabColour_ = 0xFFFFFF;
    Colour hotTabColour_ = 0xFFC4FF;
    Colour currentTabColour_ = 0xFFBBFF;
};

}  // namespace brontel
