#pragma once

#include <QWidget>
#include <vector>

#include "model/colour.h"

namespace brontel {

// The grid of ready-made colours a colour picker drops down. Clicking a swatch raises
// colourChosen().
class PaletteGrid : public QWidget {
    Q_OBJECT

public:
    explicit PaletteGrid(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // The colours in reading order, and where each is drawn.
    static const std::vector<Colour>& colours();
    QRect swatchRect(int index) const;

signals:
    void colourChosen(Colour colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int swatchAt(QPoint pos) const;
    void setMarked(int index);

    int marked_ = -1;
};

}  // namespace brontel
