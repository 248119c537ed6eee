#include "platform/ScreenLockWatch.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QString>
#include <unistd.h>

namespace {
const QString kLogin = QStringLiteral("org.freedesktop.login1");
const QString kLoginPath = QStringLiteral("/org/freedesktop/login1");
const QString kLoginManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString kLoginSession = QStringLiteral("org.freedesktop.login1.Session");
const QString kScreenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
} // namespace

CScreenLockWatch::CScreenLockWatch(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("screenLockWatch"));
}

bool CScreenLockWatch::Listen()
{
    bool heard = false;
    QDBusConnection session = QDBusConnection::sessionBus();
    if (session.isConnected()) {
        // Desktops publish the screen saver under either path.
        for (const QString& path :
             {QStringLiteral("/ScreenSaver"), QStringLiteral("/org/freedesktop/ScreenSaver")}) {
            heard |= session.connect(QString(), path, kScreenSaver, QStringLiteral("ActiveChanged"),
                                     this, SLOT(OnScreenSaverActiveChanged(bool)));
        }
    }
    QDBusConnection system = QDBusConnection::systemBus();
    if (system.isConnected()) {
        m_bSystemBus =
            system.connect(kLogin, kLoginPath, kLoginManager, QStringLiteral("PrepareForSleep"),
                           this, SLOT(OnPrepareForSleep(bool)));
        heard |= m_bSystemBus;
        if (m_bSystemBus) {
            ListenToSession();
            TakeSleepDelay();
        }
    }
    return heard;
}

void CScreenLockWatch::ListenToSession()
{
    // This process's logind session, asked without waiting for the answer.
    QDBusMessage call = QDBusMessage::createMethodCall(kLogin, kLoginPath, kLoginManager,
                                                       QStringLiteral("GetSessionByPID"));
    call << static_cast<quint32>(getpid());
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* answered) {
                const QDBusPendingReply<QDBusObjectPath> reply = *answered;
                answered->deleteLater();
                if (reply.isValid()) {
                    QDBusConnection::systemBus().connect(kLogin, reply.value().path(),
                                                         kLoginSession, QStringLiteral("Lock"),
                                                         this, SLOT(OnSessionLock()));
                }
            });
}

void CScreenLockWatch::TakeSleepDelay()
{
    if (!m_bSystemBus || m_sleepDelay.isValid()) {
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kLogin, kLoginPath, kLoginManager,
                                                       QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep") << QStringLiteral("Dayloom")
         << tr("Lock the diary before sleep") << QStringLiteral("delay");
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* answered) {
                const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *answered;
                answered->deleteLater();
                if (reply.isValid()) {
                    m_sleepDelay = reply.value(); // a copy of the descriptor, kept open
                }
            });
}

void CScreenLockWatch::SleepLockDone()
{
    // Closing the descriptor tells logind that sleep may go on.
    m_sleepDelay = QDBusUnixFileDescriptor();
}

void CScreenLockWatch::OnScreenSaverActiveChanged(bool active)
{
    if (active) {
        emit lockRequested();
    }
}

void CScreenLockWatch::OnSessionLock()
{
    emit lockRequested();
}

void CScreenLockWatch::OnPrepareForSleep(bool sleeping)
{
    if (sleeping) {
        emit lockRequested();
        return;
    }
    // Awake again: the next sleep waits for the lock as well.
    TakeSleepDelay();
}
