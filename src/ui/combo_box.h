#pragma once

#include <QComboBox>
#include <QString>

namespace brontel {

// A drop-down list whose items carry values. Only the user's choice raises itemChosen();
// selecting from code is silent.
class ComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit ComboBox(QWidget* parent = nullptr);

    void addValuedItem(const QString& text, int value);
    // The value of the selected item; 0 while nothing is selected.
    int currentValue() const;

    // What the user's choice of the item does: selects it and raises itemChosen().
    // An index outside the list does nothing.
    void chooseIndex(int index);

signals:
    void itemChosen(int value);
};

}  // namespace brontel
