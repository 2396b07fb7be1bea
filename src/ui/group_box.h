#pragma once

#include <QString>
#include <QWidget>

namespace brontel {

// A white group frame with its title centred in the top edge, bold "宋体" black text.
// Children are placed relative to the group box itself.
class GroupBox : public QWidget {
    Q_OBJECT

public:
    GroupBox(const QString& title, int titlePixelHeight, QWidget* parent = nullptr);

    const QString& title() const { return title_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
    QFont titleFont_;
};

}  // namespace brontel
