#pragma once
// Notices when another program (a sync tool, most often) changes the open
// diary on disk. It watches the diary's folder, since a sync tool replaces
// the file by renaming a new one over it, which ends a watch on the file
// itself, and the diary's files, which the four-file form changes in place.
// After the last change the folder must stay quiet for a moment, and a
// four-file diary's index and texts must agree (every text the index points
// at is there), before the change is reported, once. The program's own
// writes are never reported: after each one it acknowledges the files as
// they now are. A conflict copy of the diary that a sync tool puts in the
// folder is reported too, each once. No timer runs and nothing is read
// while nothing changes.

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <vector>

class CDiaryWatcher : public QObject
{
    Q_OBJECT

public:
    // The quiet time after the last change before it is looked at.
    static constexpr int kQuietMs = 300;

    // Watches the diary whose files are `files`: its index file first (the
    // one file of an encrypted diary), then its texts, reminders and
    // planner. The files as they are now count as the program's own.
    explicit CDiaryWatcher(const QStringList& files, QObject* parent = nullptr);

    // The files as they are now are the program's own writing: called after
    // every command that wrote to the diary.
    void Acknowledge();

    // For tests: the quiet time in milliseconds.
    void SetQuietTime(int ms) { m_quiet.setInterval(ms); }

signals:
    // The diary changed on disk, was quiet since, and reads as a whole.
    void changedOnDisk();
    // Conflict copies of the diary (file names) that appeared in its folder
    // since the watch began or the last report.
    void conflictCopiesAppeared(const QStringList& names);

private:
    // What tells a file's version apart: which file it is and its size and
    // modification time; a missing file is all zero.
    struct Stamp
    {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = -1;
        qint64 mtimeNs = 0;
        bool operator==(const Stamp&) const = default;
    };
    std::vector<Stamp> Stamps() const;
    // Watches every file of the diary that exists.
    void WatchFiles();
    void OnActivity();
    void OnQuiet();
    // The conflict copies in the folder now.
    QStringList ConflictCopies() const;
    // Whether every text the index points at lies within the texts file.
    bool IndexAndTextsAgree() const;

    QStringList m_files;
    QFileSystemWatcher m_watcher;
    QTimer m_quiet;
    std::vector<Stamp> m_known;
    QStringList m_knownCopies;
    bool m_bFolderChanged = false;
};
