#include "import/Version1Importer.h"

#include "import/Version1Duplicates.h"
#include "import/Version1Wrapper.h"
#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"
#include "platform/DayloomFolderDialog.h"
#include "platform/FileErrorMessage.h"
#include "platform/MessageBox.h"
#include "platform/WaitCursor.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/FileError.h"
#include "store/Version1File.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

void Say(QWidget* parent, const QString& text, const QString& caption = CAppInfo::Title())
{
    CMessageBox::Show(parent, text, caption);
}

// Reads a whole file; 0 or the errno of the failure.
int ReadFileBytes(const std::string& path, std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    bytes.clear();
    char buffer[65536];
    int error = 0;
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = errno;
            break;
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, static_cast<size_t>(got));
    }
    ::close(fd);
    return error;
}

} // namespace

CVersion1Importer::CVersion1Importer(Host& host) : m_host(host) {}

bool CVersion1Importer::IsDataFolder(const QString& folder)
{
    return QDir::fromNativeSeparators(folder)
        .split(QLatin1Char('/'))
        .contains(QStringLiteral("DATA"), Qt::CaseSensitive);
}

QStringList CVersion1Importer::ListFiles(const QString& folder)
{
    // Name filters ignore letter case unless told otherwise, as the old
    // listing did.
    return QDir(folder).entryList({QStringLiteral("*.??D")}, QDir::Files | QDir::Hidden,
                                  QDir::Name);
}

void CVersion1Importer::Run()
{
    QWidget* window = m_host.Window();
    m_nConverted = 0;
    m_nSkipped = 0;
    m_nDuplicates = 0;

    Say(window, tr("Select the directory with your old data files (it will be called "
                   "\\DATA in the directory where you installed Dayloom v1.00)."));
    QString folder;
    CDayloomFolderDialog chooser(folder);
    if (!chooser.Run(window)) {
        return;
    }
    if (!IsDataFolder(folder)) {
        Say(window, tr("That is probably not a correct directory! The directory "
                       "Dayloom needs will be named \\DATA and it will be a "
                       "subdirectory of a directory where you installed Dayloom "
                       "v1.00!"));
        return;
    }
    const QStringList files = ListFiles(folder);

    m_host.CloseAndOpenOrCreateDiary();
    if (m_host.Session() == nullptr) {
        return;
    }
    const std::optional<std::string> password = DiaryPassword();
    if (!password) {
        return;
    }

    CWaitCursor wait;
    bool hasEntries = !m_host.Session()->IsNew();
    if (ConvertFiles(folder, files, *password, hasEntries)) {
        QString done = tr("Successfully converted %n entries!", "", m_nConverted);
        if (m_nDuplicates > 0) {
            done += tr(" Skipped %n entries already in the diary!", "", m_nDuplicates);
        }
        Say(window, done);
        if (m_nSkipped > 0) {
            Say(window, tr("%n file(s) were not converted because their names do not "
                           "carry a date and time the way Dayloom v1.00 wrote them.",
                           "", m_nSkipped));
        }
    }
    // Also after an error: the entries converted so far are in date order and
    // belong on the list.
    m_host.ReloadDiary(hasEntries);
}

std::optional<std::string> CVersion1Importer::DiaryPassword()
{
    // A diary just unlocked keeps its one password for every entry.
    const CDiarySession* session = m_host.Session();
    if (session != nullptr && !session->IsNew()) {
        return session->Password();
    }
    return m_host.AskNewPassword();
}

bool CVersion1Importer::ConvertFiles(const QString& folder, const QStringList& files,
                                     const std::string& password, bool& hasEntries)
{
    QWidget* window = m_host.Window();
    const CDiarySession& diary = *m_host.Session();
    const QDir dir(folder);
    bool completed = true;

    const auto convert = [&](CDiaryStore& store) {
        CVersion1Duplicates known(store);
        for (const QString& name : files) {
            const std::optional<Version1Stamp> stamp =
                ParseVersion1Name(QFile::encodeName(name).toStdString());
            if (!stamp) {
                ++m_nSkipped;
                continue;
            }
            const std::string path = QFile::encodeName(dir.filePath(name)).toStdString();
            std::string bytes;
            if (const int error = ReadFileBytes(path, bytes); error != 0) {
                Say(window, tr("Error while opening old file!"));
                CFileErrorMessage::Show(window,
                                        FileErrorMessage(FileErrorCauseFromErrno(error), path));
                return false;
            }
            const Version1ReadResult read = ReadVersion1Entry(bytes);
            if (!read.entry) {
                Say(window, QString::fromStdString(Version1FieldMessage(read.failedField)));
                return false;
            }

            const int64_t time = stamp->LocalTime();
            if (known.Contains(time, read.entry->text)) {
                ++m_nDuplicates;
                continue;
            }

            DiaryEntry& entry = store.entry;
            entry = DiaryEntry{};
            entry.time = time;
            entry.mood = read.entry->mood;
            entry.text = WrapVersion1Text(read.entry->text);
            known.Added(time, entry.text);
            const size_t length = std::min<size_t>(password.size(), 30);
            std::memcpy(entry.password, password.data(), length);
            entry.password[length] = '\0';
            store.AppendEntry();
            ++m_nConverted;
            hasEntries = true;
        }
        return true;
    };

    // Whatever happens in the loop, the entries converted so far are put in
    // date order.
    try {
        const auto pStore = diary.MakeStore();
        CDiaryStore& store = *pStore;
        try {
            completed = convert(store);
        } catch (const CFileError& error) {
            CFileErrorMessage::Show(window, error);
            completed = false;
        }
        store.SortEntries();
        if (store.OpenIndexFile()) {
            hasEntries = store.m_nEntryCount > 0;
            store.CloseIndexFile();
        }
    } catch (const CFileError& error) {
        CFileErrorMessage::Show(window, error);
        completed = false;
    }
    return completed;
}
