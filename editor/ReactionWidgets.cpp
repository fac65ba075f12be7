// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ReactionWidgets.h"

#include "shell/MainU.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TReactionImage::TReactionImage(TSTMainForm* form, QWidget* parent) : QWidget(parent), Form(form)
{
    setCursor(Qt::IBeamCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TReactionImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, 0, Picture);
}

void TReactionImage::mousePressEvent(QMouseEvent* event)
{
    Pressed = true;
    Form->TextImgMouseDown(qRound(event->position().x()));
}

void TReactionImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (Pressed && rect().contains(event->position().toPoint()))
        Form->TextImgClick();
    Pressed = false;
}

TKeyCatcher::TKeyCatcher(TSTMainForm* form, QWidget* parent) : QLineEdit(parent), Form(form)
{
    setLayoutDirection(Qt::LeftToRight);
    setAttribute(Qt::WA_InputMethodEnabled);
}

int TKeyCatcher::VirtualKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Right:
        return VirtualKeys::Right;
    case Qt::Key_Left:
        return VirtualKeys::Left;
    case Qt::Key_Delete:
        return VirtualKeys::Delete;
    case Qt::Key_Backspace:
        return VirtualKeys::Back;
    case Qt::Key_Home:
        return VirtualKeys::Home;
    case Qt::Key_End:
        return VirtualKeys::End;
    default:
        return 0;
    }
}

bool TKeyCatcher::event(QEvent* event)
{
    // The window's shortcuts (Copy, Paste, ...) must win over the edit box's own.
    if (event->type() == QEvent::ShortcutOverride) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void TKeyCatcher::keyPressEvent(QKeyEvent* event)
{
    if (!event->isAutoRepeat())
        PressedKeys.insert(event->key());
    Form->hfKeyDown(VirtualKey(event->key()));
    // Delete produces no character of its own on the platform the editor is modelled on.
    if (event->key() == Qt::Key_Delete)
        return;
    for (char32_t ch : event->text().toUcs4())
        Form->hfKeyPress(ch);
}

void TKeyCatcher::keyReleaseEvent(QKeyEvent* event)
{
    if (!event->isAutoRepeat() && PressedKeys.remove(event->key()))
        Form->hfKeyUp();
}

void TKeyCatcher::inputMethodEvent(QInputMethodEvent* event)
{
    for (char32_t ch : event->commitString().toUcs4())
        Form->hfKeyPress(ch);
    if (!event->commitString().isEmpty())
        Form->hfKeyUp();
    event->accept();
}

void TKeyCatcher::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    Form->hfEnter();
}

void TKeyCatcher::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    Form->hfExit();
}
