#include "platform/WindowPlacement.h"

#include "platform/Settings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

QString KeyOf(const QWidget& window)
{
    return window.objectName().isEmpty() ? QString()
                                         : QStringLiteral("Geometry") + window.objectName();
}

} // namespace

QRect CWindowPlacement::Fit(const QRect& frame, const QRect& available)
{
    QRect fitted(frame.topLeft(), frame.size().boundedTo(available.size()));
    fitted.moveLeft(
        std::clamp(fitted.left(), available.left(), available.right() - fitted.width() + 1));
    fitted.moveTop(
        std::clamp(fitted.top(), available.top(), available.bottom() - fitted.height() + 1));
    return fitted;
}

void CWindowPlacement::KeepOnScreen(QWidget& window)
{
    // The frame (title bar and borders) is known once the window is shown;
    // before that, a generous guess keeps the title bar on the screen too.
    QMargins frameMargins(window.geometry().left() - window.frameGeometry().left(),
                          window.geometry().top() - window.frameGeometry().top(),
                          window.frameGeometry().right() - window.geometry().right(),
                          window.frameGeometry().bottom() - window.geometry().bottom());
    if (!window.isVisible() || frameMargins.isNull()) {
        frameMargins = QMargins(4, 32, 4, 4);
    }
    const QRect frame = window.geometry().marginsAdded(frameMargins);
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr) {
        screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    const QRect fitted = Fit(frame, screen->availableGeometry()).marginsRemoved(frameMargins);
    if (fitted.size() != window.size()) {
        // Smaller than the layout would like: better cramped than out of reach.
        window.setMinimumSize(window.minimumSize().boundedTo(fitted.size()));
        window.resize(fitted.size());
    }
    if (window.isVisible() || window.testAttribute(Qt::WA_Moved)) {
        window.move(fitted.topLeft());
    }
}

bool CWindowPlacement::Restore(QWidget& window)
{
    const QString key = KeyOf(window);
    const QByteArray saved =
        key.isEmpty() ? QByteArray()
                      : QByteArray::fromBase64(CSettings::GetProfileString(key).toLatin1());
    const bool restored = !saved.isEmpty() && window.restoreGeometry(saved);
    KeepOnScreen(window);
    return restored;
}

void CWindowPlacement::Save(const QWidget& window)
{
    const QString key = KeyOf(window);
    if (!key.isEmpty()) {
        CSettings::WriteProfileString(key, QString::fromLatin1(window.saveGeometry().toBase64()));
    }
}
