#pragma once
// Placing the shell's dialog windows in the middle of the screen, whatever the position and size
// of the main window.

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

// Moves a window that has its final size so that it stands centred on the screen of its parent
// (the primary screen without one). A dialog moved this way is no longer centred on its parent
// when it is shown.
inline void CentreOnScreen(QWidget *window)
{
    const QWidget *parent = window->parentWidget();
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(0, 0), window->size());
    frame.moveCenter(screen->geometry().center());
    window->move(frame.topLeft());
}
