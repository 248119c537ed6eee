#include "platform/DiaryReservation.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <unistd.h>

namespace {

// Long enough to outlast any pause of a running program, which keeps its
// lock file locked besides; only a lock whose owner has ended is stale.
constexpr int kStaleLockMs = 30'000;
// How long a second window waits for the holder to take its request.
constexpr int kRaiseWaitMs = 500;
const QByteArray kRaiseRequest = QByteArrayLiteral("raise\n");

QString SocketPathFor(const QString& lockPath)
{
    QString path = lockPath;
    path.chop(int(qstrlen(".lock")));
    return path + QStringLiteral(".socket");
}

// The canonical path of a diary that may not exist yet: its folder's
// canonical path and its name.
QString CanonicalPath(const QString& diaryPath)
{
    const QFileInfo info(diaryPath);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString folder = info.absoluteDir().canonicalPath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName();
}

} // namespace

CDiaryReservation::CDiaryReservation(const QString& lockPath) : m_lock(lockPath)
{
    m_lock.setStaleLockTime(kStaleLockMs);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(kRaiseRequest.trimmed()))
                    emit raiseRequested();
                socket->disconnectFromServer();
            });
        }
    });
}

CDiaryReservation::~CDiaryReservation()
{
    m_server.close();
    m_lock.unlock();
}

QString CDiaryReservation::NameFor(const QString& diaryPath)
{
    const QByteArray hash = QCryptographicHash::hash(QFile::encodeName(CanonicalPath(diaryPath)),
                                                     QCryptographicHash::Sha256);
    return QStringLiteral("diary-") + QString::fromLatin1(hash.toHex().left(32));
}

QString CDiaryReservation::DefaultFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QString() : runtime + QStringLiteral("/dayloom");
}

QString CDiaryReservation::LockPathFor(const QString& diaryPath, const QString& folder)
{
    return (folder.isEmpty() ? DefaultFolder() : folder) + QLatin1Char('/') + NameFor(diaryPath) +
           QStringLiteral(".lock");
}

std::unique_ptr<CDiaryReservation>
CDiaryReservation::Reserve(const QString& diaryPath, Outcome& outcome, const QString& folder)
{
    const QString dir = folder.isEmpty() ? DefaultFolder() : folder;
    outcome = Outcome::Unavailable;
    if (dir.isEmpty() || !QDir().mkpath(dir))
        return nullptr;
    QFile::setPermissions(dir,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    const QString lockPath = LockPathFor(diaryPath, dir);
    std::unique_ptr<CDiaryReservation> reservation(new CDiaryReservation(lockPath));
    if (!reservation->m_lock.tryLock(0)) {
        if (reservation->m_lock.error() == QLockFile::LockFailedError) {
            outcome = Outcome::HeldElsewhere;
            AskHolderToRaise(SocketPathFor(lockPath));
        }
        return nullptr;
    }
    reservation->Listen(SocketPathFor(lockPath));
    outcome = Outcome::Reserved;
    return reservation;
}

void CDiaryReservation::Listen(const QString& socketPath)
{
    // A socket left by a holder that ended is ours to replace: we hold the lock.
    QLocalServer::removeServer(socketPath);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    // Without the socket the diary is still reserved; a second window is
    // refused all the same, only this one does not come forward.
    m_server.listen(socketPath);
}

void CDiaryReservation::AskHolderToRaise(const QString& socketPath)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(kRaiseWaitMs))
        return;
    socket.write(kRaiseRequest);
    socket.waitForBytesWritten(kRaiseWaitMs);
    socket.disconnectFromServer();
}

void CDiaryReservation::RemoveLeftOverLock(const QString& lockPath)
{
    const QFileInfo info(lockPath);
    if (!info.exists() || info.ownerId() != ::getuid())
        return;
    // A lock of this computer whose program has ended is stale at once; one
    // naming another computer cannot be proven stale and stays.
    QLockFile old(lockPath);
    old.setStaleLockTime(0);
    if (old.tryLock(0))
        old.unlock(); // removes it
}
