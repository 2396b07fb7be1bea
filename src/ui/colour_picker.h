#pragma once

#include <QWidget>

#include "model/colour.h"

namespace brontel {

// Shows a colour; clicking it drops down a palette, with "其它颜色..." for the colour
// dialog and, on pickers that offer it, "透明" for NoColour. Only the user's choice raises
// colourPicked(); setting the colour from code is silent.
class ColourPicker : public QWidget {
    Q_OBJECT

public:
    ColourPicker(Colour initial, bool offersNoColour, QWidget* parent = nullptr);

    Colour colour() const { return colour_; }
    void setColour(Colour colour);
    bool offersNoColour() const { return offersNoColour_; }

    // What the user's choice does: takes the colour and raises colourPicked(), even when it
    // equals the current one. NoColour is refused by a picker that does not offer it.
    void pickColour(Colour colour);

    QSize sizeHint() const override;

signals:
    void colourPicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void dropDownPalette();
    void pickFromColourDialog();
    QRect swatchRect() const;

    Colour colour_;
    bool offersNoColour_;
};

}  // namespace brontel
