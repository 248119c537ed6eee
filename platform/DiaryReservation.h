#pragma once
// The reservation that keeps a second Dayloom window off an open diary. It
// lives with the user, not with the diary: a lock file in the user's runtime
// folder ($XDG_RUNTIME_DIR/dayloom/), named after a hash of the diary's
// canonical path, so that nothing the program writes beside a diary ever
// reaches another computer through a synced folder. The runtime folder is
// this computer's and this user's alone, so a lock left by a program that
// ended without removing it is proven stale and taken over. Beside the lock
// the window holding the diary listens on a local socket of the same name:
// a second window's attempt asks it to come to the front.
//
// Earlier versions kept the lock beside the diary (NAME.lock). Such a file
// is ignored, and removed when it is this user's and its program has ended.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class CDiaryReservation : public QObject
{
    Q_OBJECT

public:
    enum class Outcome
    {
        Reserved,
        HeldElsewhere, // another window holds it; that window was asked to come forward
        Unavailable    // no runtime folder to reserve in: the diary opens unreserved
    };

    // Reserves the diary at diaryPath (a path that need not exist yet) in
    // `folder`, by default the user's runtime folder's "dayloom" folder.
    // Null unless the outcome is Reserved.
    static std::unique_ptr<CDiaryReservation> Reserve(const QString& diaryPath, Outcome& outcome,
                                                      const QString& folder = QString());

    ~CDiaryReservation() override;

    // The lock file's path (the socket's is the same with ".socket" for
    // ".lock").
    QString LockPath() const { return m_lock.fileName(); }

    // The lock and socket name for a diary: a hash of its canonical path.
    static QString NameFor(const QString& diaryPath);
    static QString DefaultFolder();
    // The lock file that reserves the diary at diaryPath in `folder` (by
    // default DefaultFolder()).
    static QString LockPathFor(const QString& diaryPath, const QString& folder = QString());

    // Removes the earlier versions' lock file at lockPath when it is this
    // user's and the program that made it has ended; otherwise leaves it.
    static void RemoveLeftOverLock(const QString& lockPath);

signals:
    // A second window tried to open the diary: the holder should come forward.
    void raiseRequested();

private:
    CDiaryReservation(const QString& lockPath);
    void Listen(const QString& socketPath);
    static void AskHolderToRaise(const QString& socketPath);

    QLockFile m_lock;
    QLocalServer m_server;
};
