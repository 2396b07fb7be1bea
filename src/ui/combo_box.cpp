#include "ui/combo_box.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QPointer>

namespace brontel {

namespace {

// Draws the list rows as the style's own delegate does, one pixel taller.
class TallerRowDelegate : public QAbstractItemDelegate {
public:
    TallerRowDelegate(QAbstractItemDelegate* styleDelegate, QObject* parent)
        : QAbstractItemDelegate(parent), styleDelegate_(styleDelegate) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (styleDelegate_) styleDelegate_->paint(painter, option, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        if (!styleDelegate_) return {};
        return styleDelegate_->sizeHint(option, index) + QSize(0, 1);
    }

private:
    QPointer<QAbstractItemDelegate> styleDelegate_;
};

}  // namespace

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setItemDelegate(new TallerRowDelegate(itemDelegate(), this));
    connect(this, &QComboBox::activated, this, &ComboBox::chooseIndex);
}

void ComboBox::addValuedItem(const QString& text, int value) {
    addItem(text, value);
}

int ComboBox::currentValue() const {
    return currentData().toInt();
}

void ComboBox::chooseIndex(int index) {
    if (index < 0 || index >= count()) return;
    setCurrentIndex(index);
    emit itemChosen(itemData(index).toInt());
}

}  // namespace brontel
