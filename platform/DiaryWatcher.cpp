#include "platform/DiaryWatcher.h"

#include "store/ConflictCopies.h"
#include "store/RecordCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <utility>

CDiaryWatcher::CDiaryWatcher(const QStringList& files, QObject* parent)
    : QObject(parent), m_files(files)
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(kQuietMs);
    connect(&m_quiet, &QTimer::timeout, this, &CDiaryWatcher::OnQuiet);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        m_bFolderChanged = true;
        OnActivity();
    });
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &CDiaryWatcher::OnActivity);
    if (!m_files.isEmpty())
        m_watcher.addPath(QFileInfo(m_files.first()).absolutePath());
    WatchFiles();
    m_known = Stamps();
    // Copies there at the start are the opening's business.
    m_knownCopies = ConflictCopies();
}

void CDiaryWatcher::Acknowledge()
{
    m_known = Stamps();
    WatchFiles();
}

std::vector<CDiaryWatcher::Stamp> CDiaryWatcher::Stamps() const
{
    std::vector<Stamp> stamps;
    for (const QString& file : m_files) {
        Stamp& stamp = stamps.emplace_back();
        struct stat info
        {
        };
        if (::stat(QFile::encodeName(file).constData(), &info) != 0)
            continue;
        stamp.device = info.st_dev;
        stamp.inode = info.st_ino;
        stamp.size = info.st_size;
        stamp.mtimeNs = qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    }
    return stamps;
}

void CDiaryWatcher::WatchFiles()
{
    // A watch follows the file it was set on: one renamed over or removed
    // is watched no longer, so every file is watched afresh by its name.
    const QStringList watched = m_watcher.files();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    for (const QString& file : m_files)
        if (QFileInfo::exists(file))
            m_watcher.addPath(file);
}

void CDiaryWatcher::OnActivity()
{
    // Every change starts the quiet time afresh.
    m_quiet.start();
}

QStringList CDiaryWatcher::ConflictCopies() const
{
    if (m_files.isEmpty())
        return {};
    const QFileInfo diary(m_files.first());
    std::vector<std::string> names;
    for (const QString& name : diary.absoluteDir().entryList(QDir::Files))
        names.push_back(QFile::encodeName(name).toStdString());
    QStringList copies;
    for (const std::string& copy :
         CConflictCopies::Find(QFile::encodeName(diary.fileName()).toStdString(), names))
        copies << QFile::decodeName(QByteArray::fromStdString(copy));
    return copies;
}

void CDiaryWatcher::OnQuiet()
{
    if (std::exchange(m_bFolderChanged, false)) {
        const QStringList copies = ConflictCopies();
        QStringList appeared;
        for (const QString& copy : copies)
            if (!m_knownCopies.contains(copy))
                appeared << copy;
        m_knownCopies = copies;
        if (!appeared.isEmpty())
            emit conflictCopiesAppeared(appeared);
    }
    WatchFiles();
    const std::vector<Stamp> now = Stamps();
    if (now == m_known)
        return; // our own writing, or a change undone
    // A four-file diary half copied: the next change will bring the rest.
    if (!IndexAndTextsAgree())
        return;
    m_known = now;
    emit changedOnDisk();
}

bool CDiaryWatcher::IndexAndTextsAgree() const
{
    if (m_files.size() < 2)
        return true; // one sealed file: it is whole or it is not the diary's
    QFile index(m_files[0]);
    if (!index.open(QIODevice::ReadOnly))
        return !index.exists(); // a diary whose last entry was deleted
    const QByteArray bytes = index.readAll();
    if (bytes.size() % qsizetype(kEntryRecordSize) != 0)
        return false;
    const qint64 textsSize = QFileInfo(m_files[1]).size();
    const auto* records = reinterpret_cast<const unsigned char*>(bytes.constData());
    for (qsizetype at = 0; at < bytes.size(); at += kEntryRecordSize) {
        const EntryHeader header = CRecordCodec::DecodeHeader(records + at);
        if (qint64(header.textOffset) + header.textLength > textsSize)
            return false;
    }
    return true;
}
