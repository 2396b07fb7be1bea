#include "ui/edit_box.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <memory>
#include <string>

#include "model/gbk_text.h"
#include "render/desktop_theme.h"

namespace brontel {

namespace {

// Width of the sunken edge drawn around the text.
constexpr int kEdgeWidth = 2;

std::size_t gbkBytes(const QString& text) {
    return gbkByteLength(text.toStdString());
}

// How many leading characters two texts share, never splitting a surrogate pair.
qsizetype commonPrefix(const QString& a, const QString& b) {
    const auto limit = std::min(a.size(), b.size());
    qsizetype n = 0;
    while (n < limit && a[n] == b[n]) ++n;
    if (n > 0 && a[n - 1].isHighSurrogate()) --n;
    return n;
}

// How many trailing characters they share beyond `prefix`, never splitting a pair.
qsizetype commonSuffix(const QString& a, const QString& b, qsizetype prefix) {
    const auto limit = std::min(a.size(), b.size()) - prefix;
    qsizetype n = 0;
    while (n < limit && a[a.size() - 1 - n] == b[b.size() - 1 - n]) ++n;
    if (n > 0 && a[a.size() - n].isLowSurrogate()) --n;
    return n;
}

struct LimitedEdit {
    QString text;
    qsizetype cursor = 0;
};

// The user's edit from `before` to `after` with the inserted text cut to what fits in the
// limit, as much of it as fits, as a paste into a full box behaves. Deleting is always
// allowed, even from a text the program made longer than the limit.
LimitedEdit limitEdit(const QString& before, const QString& after, std::size_t limit) {
    const qsizetype prefix = commonPrefix(before, after);
    const qsizetype suffix = commonSuffix(before, after, prefix);
    const QString head = before.left(prefix);
    const QString tail = before.right(suffix);
    const QString inserted = after.mid(prefix, after.size() - prefix - suffix);
    const std::size_t kept = gbkBytes(head) + gbkBytes(tail);
    const std::size_t room = limit > kept ? limit - kept : 0;
    const QString fitting =
        QString::fromStdString(truncateToGbkBytes(inserted.toStdString(), room));
    if (fitting.isEmpty() && !inserted.isEmpty()) return {before, prefix};
    return {head + fitting + tail, prefix + fitting.size()};
}

bool isIntegerCharacter(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u'-';
}

// The sunken edge of a client-edge window: shadow over highlight, then dark shadow over light.
void drawSunkenEdge(QPainter& painter, const QRect& rect, const DesktopTheme& theme) {
    const auto colour = [](Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); };
    const auto ring = [&](const QRect& r, Colour topLeft, Colour bottomRight) {
        painter.setPen(colour(topLeft));
        painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
        painter.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
        painter.setPen(colour(bottomRight));
        painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
    };
    ring(rect, theme.shadow, theme.highlight);
    ring(rect.adjusted(1, 1, -1, -1), theme.darkShadow, theme.light);
}

}  // namespace

EditBox::EditBox(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setTextMargins(kEdgeWidth, kEdgeWidth, kEdgeWidth, kEdgeWidth);
    connect(this, &QLineEdit::textEdited, this, &EditBox::onTextEdited);
}

void EditBox::setContent(const QString& text) {
    setText(text);
    emit contentChanged();
}

bool EditBox::event(QEvent* event) {
    const QString before = text();
    ++eventDepth_;
    const bool handled = QLineEdit::event(event);
    --eventDepth_;
    if (eventDepth_ == 0 && userEdited_) {
        userEdited_ = false;
        finishUserEdit(before);
    }
    return handled;
}

// The standard menu, run inside this event and owned by it. An edit made through it is then
// checked and reported once the menu is gone; the line edit's own menu deletes itself later,
// and a handler that lets pending events run would delete it while it is still handling the
// click that made the edit.
void EditBox::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    menu->exec(event->globalPos());
}

void EditBox::onTextEdited() {
    // Edits always arrive inside one of the box's own events; the check waits for it to end,
    // because the line edit still reports the change after this signal.
    if (eventDepth_ > 0) {
        userEdited_ = true;
    } else {
        emit contentChanged();
    }
}

void EditBox::finishUserEdit(const QString& before) {
    const QString after = text();
    if (gbkLengthLimit_ >= 0 && gbkBytes(after) > static_cast<std::size_t>(gbkLengthLimit_)) {
        const LimitedEdit limited =
            limitEdit(before, after, static_cast<std::size_t>(gbkLengthLimit_));
        setText(limited.text);
        setCursorPosition(static_cast<int>(limited.cursor));
    }
    if (text() != before) emit contentChanged();
}

bool EditBox::isAllowedTyping(const QString& typed) const {
    return std::all_of(typed.begin(), typed.end(),
                       [](QChar c) { return isIntegerCharacter(c) || !c.isPrint(); });
}

void EditBox::keyPressEvent(QKeyEvent* event) {
    const bool typesText =
        !event->text().isEmpty() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (integerInput_ && typesText && !isAllowedTyping(event->text())) {
        event->accept();  // swallowed, so that no shortcut of the window sees it either
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EditBox::inputMethodEvent(QInputMethodEvent* event) {
    if (!integerInput_ || isAllowedTyping(event->commitString())) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QString commit = event->commitString();
    commit.removeIf([](QChar c) { return !isIntegerCharacter(c); });
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(commit, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

void EditBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) emit leftButtonReleased();
}

void EditBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    drawSunkenEdge(painter, rect(), DesktopTheme::fromPalette(palette()));
}

}  // namespace brontel
