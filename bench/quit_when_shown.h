#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace brontel::bench {

// Ends the event loop once the window has been painted for the first time, so a
// whole-process measurement of start-up stops when the window is on screen.
class QuitWhenShown : public QObject {
public:
    explicit QuitWhenShown(QWidget& window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            // After this paint is flushed to the screen.
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool quitting_ = false;
};

}  // namespace brontel::bench
