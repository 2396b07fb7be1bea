#include "ui/screen_centre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace brontel {

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    QRect placed = window.frameGeometry();
    placed.moveCenter(screen->availableGeometry().center());
    window.move(placed.topLeft());
}

}  // namespace brontel
