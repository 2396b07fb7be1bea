#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace brontel::test {

// Acts on the popup or modal window of type T from inside the nested event loop that shows
// it, as a user would. Watches only while it lives, so a window that never opens leaves no
// stray action behind for a later test.
template <typename T>
class ActWhenShown {
public:
    explicit ActWhenShown(std::function<void(T*)> act) : act_(std::move(act)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(5);
    }

    bool acted() const { return acted_; }

private:
    void poll() {
        T* window = qobject_cast<T*>(QApplication::activePopupWidget());
        if (!window) window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!window) return;
        timer_.stop();
        acted_ = true;
        act_(window);
    }

    std::function<void(T*)> act_;
    QTimer timer_;
    bool acted_ = false;
};

}  // namespace brontel::test
