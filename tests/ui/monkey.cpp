#include "monkey.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <array>

#include "ui/colour_picker.h"
#include "ui/combo_box.h"
#include "ui/edit_box.h"
#include "ui/vertical_tab_control.h"

namespace brontel::test {
namespace {

// What users type into number fields, and what they should not.
const std::array<const char*, 30> kTexts = {
    "",      "0",          "1",          "-1",          "-",     "--5",
    "5",     "12",         "100",        "220",         "270",   "271",
    "99999", "2147483647", "2147483648", "-2147483649", "1e999", "1e5",
    "abc",   "12ab",       "１２",       "－３",        " 7",    "7 ",
    "宋体",  "点击设置",   "a,b,c,d",    ",,,",         "\t",    "99999999999999999999999",
};

// Keys with the text they type; keys that type nothing have none.
struct KeyStroke {
    Qt::Key key;
    const char* text;
};

const std::array<KeyStroke, 21> kKeys = {{
    {Qt::Key_0, "0"},         {Qt::Key_1, "1"},          {Qt::Key_2, "2"},
    {Qt::Key_5, "5"},         {Qt::Key_7, "7"},          {Qt::Key_9, "9"},
    {Qt::Key_A, "a"},         {Qt::Key_E, "e"},          {Qt::Key_X, "x"},
    {Qt::Key_Minus, "-"},     {Qt::Key_Comma, ","},      {Qt::Key_Period, "."},
    {Qt::Key_Tab, "\t"},      {Qt::Key_Return, "\r"},    {Qt::Key_Enter, "\r"},
    {Qt::Key_Escape, "\x1b"}, {Qt::Key_Backspace, "\b"}, {Qt::Key_Space, " "},
    {Qt::Key_Down, ""},       {Qt::Key_Up, ""},          {Qt::Key_Delete, "\x7f"},
}};

// The widgets of `root`'s own window a user can see.
std::vector<QWidget*> visibleWidgets(QWidget& root) {
    std::vector<QWidget*> widgets{&root};
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        if (widget->isVisible() && widget->window() == &root) widgets.push_back(widget);
    }
    return widgets;
}

bool takesValues(QWidget* widget) {
    if (!widget->isEnabled()) return false;
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return !line->isReadOnly();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) return !plain->isReadOnly();
    return qobject_cast<QComboBox*>(widget) || qobject_cast<VerticalTabControl*>(widget) ||
           qobject_cast<ColourPicker*>(widget);
}

// Closes a popup or dialog the way its user would: a message box by its "No" (or its only
// button), a dialog by cancelling it.
void closeWindow(QWidget& window) {
    if (auto* box = qobject_cast<QMessageBox*>(&window)) {
        if (QAbstractButton* no = box->button(QMessageBox::No)) {
            no->click();
            return;
        }
    }
    if (auto* dialog = qobject_cast<QDialog*>(&window);
        dialog && !qobject_cast<QMessageBox*>(&window)) {
        dialog->reject();
        return;
    }
    window.close();
}

}  // namespace

Monkey::Monkey(QWidget& window, std::uint32_t seed, std::chrono::seconds timeLimit)
    : window_(window), random_(seed), timeLimit_(timeLimit) {
    clock_.start();
    watchNestedLoops();
}

bool Monkey::runUntil(int total) {
    goal_ = total;
    while (events_ < goal_ && !outOfTime()) {
        QWidget* root = QApplication::activePopupWidget();
        actIn(root ? *root : window_);
        QCoreApplication::processEvents();
    }
    settle();
    return !outOfTime_;
}

// While the monkey acts, nothing else may act in the same window: a handler that handles
// events midway does not let the watcher in there.
void Monkey::actIn(QWidget& root) {
    actedIn_.emplace_back(&root);
    ++busy_;
    act(root);
    --busy_;
    actedIn_.pop_back();
}

void Monkey::act(QWidget& root) {
    ++events_;
    const int roll = below(100);
    if (roll < 50) {
        click(root);
    } else if (roll < 75) {
        pressKey(root);
    } else {
        changeValue(root);
    }
}

void Monkey::click(QWidget& root) {
    const std::vector<QWidget*> widgets = visibleWidgets(root);
    QWidget* target = widgets[static_cast<std::size_t>(below(static_cast<int>(widgets.size())))];
    const QPoint inside(below(std::max(1, target->width())), below(std::max(1, target->height())));
    const QPoint at = target->mapTo(&root, inside);
    QWindow* handle = root.windowHandle();
    if (handle == nullptr) return;
    const Qt::MouseButton button = chance(85)   ? Qt::LeftButton
                                   : chance(70) ? Qt::RightButton
                                                : Qt::MiddleButton;
    if (chance(10)) {
        QTest::mouseDClick(handle, button, {}, at);
    } else {
        QTest::mouseClick(handle, button, {}, at);
    }
}

void Monkey::pressKey(QWidget& root) {
    QWindow* handle = root.windowHandle();
    if (handle == nullptr) return;
    if (chance(10)) {  // a full-width digit from an input method
        const QString digit(QChar(0xFF10 + below(10)));
        QTest::sendKeyEvent(QTest::Click, handle, Qt::Key_unknown, digit, Qt::NoModifier);
        return;
    }
    const KeyStroke& stroke = kKeys[static_cast<std::size_t>(below(kKeys.size()))];
    QTest::sendKeyEvent(QTest::Click, handle, stroke.key, QString::fromLatin1(stroke.text),
                        Qt::NoModifier);
}

void Monkey::changeValue(QWidget& root) {
    std::vector<QWidget*> controls = visibleWidgets(root);
    std::erase_if(controls, [](QWidget* widget) { return !takesValues(widget); });
    if (controls.empty()) return;
    QWidget* control = controls[static_cast<std::size_t>(below(static_cast<int>(controls.size())))];
    if (auto* edit = qobject_cast<EditBox*>(control); edit && chance(50)) {
        edit->setContent(randomText());
    } else if (qobject_cast<QLineEdit*>(control)) {
        typeInto(*control, randomText());
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
        plain->setPlainText(randomText());
    } else if (auto* combo = qobject_cast<ComboBox*>(control)) {
        combo->chooseIndex(below(std::max(1, combo->count())));
    } else if (auto* box = qobject_cast<QComboBox*>(control)) {
        box->setCurrentIndex(below(std::max(1, box->count())));
    } else if (auto* tabs = qobject_cast<VerticalTabControl*>(control)) {
        tabs->setCurrentPage(below(std::max(1, tabs->pageCount())));
    } else if (auto* picker = qobject_cast<ColourPicker*>(control)) {
        const bool none = picker->offersNoColour() && chance(10);
        picker->pickColour(none ? NoColour : static_cast<Colour>(random_() & 0xFFFFFF));
    }
}

// Replaces the field's text by typing, as a user selecting all and typing over it.
void Monkey::typeInto(QWidget& field, const QString& text) {
    field.setFocus();
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&field, Qt::Key_Backspace);
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Click, &field, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    }
}

// Runs inside every event loop: when the monkey's own event has opened a popup or dialog
// that runs a loop of its own, this acts in it for a few events and then closes it.
void Monkey::watchNestedLoops() {
    QTimer::singleShot(0, this, &Monkey::watchNestedLoops);
    if (busy_ == 0) return;  // at the top level the monkey acts by itself
    QWidget* top = QApplication::activePopupWidget();
    if (top == nullptr) top = QApplication::activeModalWidget();
    if (top == nullptr || isActedIn(*top)) return;
    Visit& visit = visitOf(*top);
    if (events_ >= goal_ || visit.eventsLeft <= 0 || outOfTime()) {
        closeWindow(*top);
        return;
    }
    --visit.eventsLeft;
    actIn(*top);
}

Monkey::Visit& Monkey::visitOf(QWidget& window) {
    std::erase_if(visits_, [](const Visit& visit) { return visit.window.isNull(); });
    for (Visit& visit : visits_) {
        if (visit.window == &window) return visit;
    }
    // Message boxes are never acted in: a random "Yes" would open the file browser.
    const int events = qobject_cast<QMessageBox*>(&window) ? 0 : 1 + below(15);
    ++nestedWindowsMet_;
    return visits_.emplace_back(Visit{&window, events});
}

bool Monkey::isActedIn(const QWidget& window) const {
    return std::any_of(actedIn_.begin(), actedIn_.end(),
                       [&window](const QPointer<QWidget>& acted) { return acted == &window; });
}

bool Monkey::outOfTime() {
    if (!outOfTime_ && clock_.elapsed() > timeLimit_.count()) outOfTime_ = true;
    return outOfTime_;
}

void Monkey::settle() {
    for (int i = 0; i < 10 && QApplication::activePopupWidget(); ++i)
        QApplication::activePopupWidget()->close();
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

int Monkey::below(int bound) {
    return std::uniform_int_distribution<int>(0, bound - 1)(random_);
}

QString Monkey::randomText() {
    if (chance(80))
        return QString::fromUtf8(kTexts[static_cast<std::size_t>(below(kTexts.size()))]);
    QString digits = chance(30) ? QStringLiteral("-") : QString();
    for (int n = 1 + below(12); n > 0; --n) digits += QChar('0' + below(10));
    return digits;
}

}  // namespace brontel::test
