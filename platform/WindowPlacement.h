#pragma once
// Keeps windows where the user can reach them: wholly on the available area
// of a connected screen (shrunk when large fonts or scaling make them bigger
// than the screen), and where and how large the user left them last time.
// CModal runs every dialog through Restore and Save.

#include <QRect>

class QWidget;

class CWindowPlacement
{
public:
    // `frame` made to fit `available`: no larger than it, and moved the
    // least distance that puts it wholly inside.
    static QRect Fit(const QRect& frame, const QRect& available);
    // Fits `window` with its frame to the available area of the screen under
    // its centre (or its own screen): shrinks it when it is too large and,
    // once it has been placed, moves it onto the screen.
    static void KeepOnScreen(QWidget& window);
    // The size and place saved for the window's object name, then
    // KeepOnScreen; false when none was saved (the window keeps its own).
    static bool Restore(QWidget& window);
    // Saves the window's size and place under its object name (nothing for
    // a window without one).
    static void Save(const QWidget& window);
};
