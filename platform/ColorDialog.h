#pragma once
// The colour chooser, with a scripted mode for tests.

#include <QColor>
#include <optional>

class QWidget;

class CColorDialog
{
public:
    // nullopt when cancelled.
    static std::optional<QColor> Choose(QWidget* parent, const QColor& initial);

    static void SetScripted(bool scripted);
    static void PushAnswer(std::optional<QColor> color); // nothing queued = cancelled
    static void Reset();
};
