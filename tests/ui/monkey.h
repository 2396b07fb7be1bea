#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <chrono>
#include <cstdint>
#include <random>
#include <vector>

class QWidget;

namespace brontel::test {

// Drives a window with random input, as a careless user would: clicks anywhere, keys to
// whatever has the focus, random texts and choices in the controls. Popups and dialogs that
// run their own event loop get a few events of their own and are then closed, so none of
// them blocks the run; message boxes are always answered "No".
class Monkey : public QObject {
public:
    Monkey(QWidget& window, std::uint32_t seed, std::chrono::seconds timeLimit);

    // Sends events until `total` have been sent since the start, then closes whatever popup
    // is left and handles pending events and deferred deletes. False once the time limit
    // has run out.
    bool runUntil(int total);

    int eventsSent() const { return events_; }
    // Popups and dialogs with their own event loop the monkey has acted in or closed.
    int nestedWindowsMet() const { return nestedWindowsMet_; }

private:
    // A popup or dialog being acted in, and how many more events it gets before closing.
    struct Visit {
        QPointer<QWidget> window;
        int eventsLeft = 0;
    };

    void actIn(QWidget& root);
    void act(QWidget& root);
    void click(QWidget& root);
    void pressKey(QWidget& root);
    void changeValue(QWidget& root);
    void typeInto(QWidget& field, const QString& text);
    void watchNestedLoops();
    Visit& visitOf(QWidget& window);
    bool isActedIn(const QWidget& window) const;
    bool outOfTime();
    void settle();

    int below(int bound);
    bool chance(int percent) { return below(100) < percent; }
    QString randomText();

    QWidget& window_;
    std::mt19937 random_;
    QElapsedTimer clock_;
    std::chrono::milliseconds timeLimit_;
    bool outOfTime_ = false;
    int events_ = 0;
    int goal_ = 0;
    int nestedWindowsMet_ = 0;
    int busy_ = 0;  // depth of acts under way; nested loops met then are the monkey's
    std::vector<QPointer<QWidget>> actedIn_;
    std::vector<Visit> visits_;
};

}  // namespace brontel::test
