#pragma once
// Input as the window system delivers it, sent straight to a control.

#include "MazeConstants.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace orvane::test {

// Types text as the keyboard or an input method delivers it.
inline void type(QWidget* target, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
    }
}

inline void mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons held,
                  Qt::MouseButton button = Qt::NoButton,
                  Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, keys);
    QApplication::sendEvent(target, &event);
}

// A click with `keys` held on cell (x, y) of a map, from a move there.
inline void clickWith(QWidget* map, QPoint cell, Qt::KeyboardModifiers keys)
{
    const QPoint at = cell * ChipSize + QPoint(1, 1);
    mouse(map, QEvent::MouseMove, at, {}, Qt::NoButton, keys);
    mouse(map, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, keys);
    mouse(map, QEvent::MouseButtonRelease, at, {}, Qt::LeftButton, keys);
}

} // namespace orvane::test
