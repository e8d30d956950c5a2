// SPDX-License-Identifier: AGPL-3.0-or-later
#include "EditField.h"

#include <QAction>

#include <QApplication>
#include <QKeyEvent>

#include <algorithm>

#include "MessageBoxes.h"

EditField::EditField(const QString &name, int typingMaxLength, QWidget *parent)
    : QLineEdit(parent)
    , m_typingMaxLength(typingMaxLength)
{
    setObjectName(name);
    setFrame(false);
    setTextMargins(-1, 0, -1, 0);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    // Only the field with the focus shows a selection; while another window,
    // such as a message box, is active none does.
    QPalette colors = palette();
    colors.setColor(QPalette::Inactive, QPalette::Highlight, colors.color(QPalette::Inactive, QPalette::Base));
    colors.setColor(QPalette::Inactive, QPalette::HighlightedText, colors.color(QPalette::Inactive, QPalette::Text));
    setPalette(colors);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!m_settingText && m_onChange)
            RunHandler(window(), m_onChange);
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { focusMoved(now); });
}

// The widget's own destructor, which runs after this one, gives the focus
// away and so reports a focus change; this part of the field is gone by then.
EditField::~EditField() { disconnect(qApp, &QApplication::focusChanged, this, nullptr); }

void EditField::setTextByHandler(const QString &newText)
{
    if (newText == text())
        return;
    m_settingText = true;
    setText(newText);
    setCursorPosition(0);
    m_settingText = false;
    if (m_onChange)
        m_onChange();
}

void EditField::widenLeftForLongText()
{
    m_designedGeometry = geometry();
    connect(this, &QLineEdit::textChanged, this, &EditField::fitWidthToText);
    fitWidthToText();
}

// The narrowest width at which QLineEdit shows the text without scrolling
// it: the text and the caret's pixel, inside the text margins and the line
// edit's own 2 pixels a side.
int EditField::widthShowingText() const
{
    constexpr int LineEditMargin = 2;
    const QMargins margins = textMargins();
    return qRound(QFontMetricsF(font()).horizontalAdvance(text())) + 1 + 2 * LineEditMargin + margins.left()
        + margins.right();
}

void EditField::fitWidthToText()
{
    QRect wanted = m_designedGeometry;
    if (widthShowingText() > wanted.width())
        wanted.setLeft(std::max(0, wanted.right() + 1 - widthShowingText()));
    if (wanted != geometry())
        setGeometry(wanted);
}

int EditField::caret() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

void EditField::advanceInto()
{
    setFocus(Qt::OtherFocusReason);
    // The field that was left may have taken the focus back.
    if (ownsFocus())
        setSelection(0, 1);
}

void EditField::focusByProgram()
{
    setFocus(Qt::OtherFocusReason);
    if (ownsFocus())
        selectAll();
}

bool EditField::isWindowShortcut(const QKeyEvent *key) const
{
    const QKeySequence pressed(key->keyCombination());
    for (const QAction *action : window()->findChildren<QAction *>())
        if (action->shortcut() == pressed)
            return true;
    return false;
}

bool EditField::event(QEvent *event)
{
    // The window's menu shortcuts (Ctrl+X closes, Ctrl+K, Ctrl+D) act before
    // the field's own editing shortcuts on the same keys.
    if (event->type() == QEvent::ShortcutOverride && isWindowShortcut(static_cast<QKeyEvent *>(event))) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void EditField::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->ignore(); // the window's default and cancel buttons take these
        return;
    case Qt::Key_Delete:
        QLineEdit::keyPressEvent(event); // not a typed character
        return;
    default:
        break;
    }
    if (event->matches(QKeySequence::Copy))
        return QLineEdit::keyPressEvent(event); // copying changes nothing to filter
    if (event->text().isEmpty() || !typeCharacter(event))
        return QLineEdit::keyPressEvent(event);
}

// Runs the key filter on a typed character; true when the event is dealt with.
bool EditField::typeCharacter(QKeyEvent *event)
{
    const QChar key = event->text().front();
    const KeyDecision decision = m_filter ? m_filter(key) : KeyDecision::Pass;
    if (decision == KeyDecision::Discard) {
        event->accept();
        return true;
    }
    if (decision == KeyDecision::Overtype)
        setSelection(caret(), 1);
    if (key != QChar(8) && text().size() - selectedText().size() >= m_typingMaxLength) {
        event->accept(); // a full field refuses the character
        return true;
    }
    return false;
}

void EditField::keyReleaseEvent(QKeyEvent *event)
{
    QLineEdit::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        emit keyReleased();
}

void EditField::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

void EditField::focusInEvent(QFocusEvent *event)
{
    m_focused = true;
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::MouseFocusReason && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        selectAll();
}

void EditField::focusOutEvent(QFocusEvent *event)
{
    // The line edit drops the selection and leaves its cursor behind it;
    // the exit rules need the caret as the user left it.
    m_caretAtExit = caret();
    QLineEdit::focusOutEvent(event);
    // Leaving the window, or a focus change that moved on before this field
    // ever had the focus, is not an exit.
    const Qt::FocusReason reason = event->reason();
    if (!m_focused || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    m_focused = false;
    emit exited();
}

// A field that lost the focus to another window (a message box) has not
// been left yet. It is left when its window's focus turns out to be
// elsewhere, such as the field a handler focused while the box was open.
void EditField::focusMoved(QWidget *now)
{
    if (!m_focused || !now || now == this || now->window() != window())
        return;
    m_focused = false;
    emit exited();
}
