#include "export/DiaryBackup.h"

#include "platform/PathText.h"
#include "store/AtomicFile.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/FileError.h"
#include "store/FileFaults.h"
#include "store/StoreFile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

namespace {

// No single diary file comes near this; an archive claiming more is damaged.
constexpr uint64_t kMaxFileSize = uint64_t(1) << 33;

// A regular file, -rw-------, in the high half of a member's external
// attributes as Unix zip tools keep them.
constexpr zip_uint32_t kMemberMode = (S_IFREG | S_IRUSR | S_IWUSR) << 16;

std::string FileName(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

QString Native(const std::string& path)
{
    return CPathText::Decoded(path);
}

// Every file of the diary whose index (or encrypted file) is indexPath,
// whether it exists or not, the index first.
std::vector<std::string> DiaryFileSet(const CDiaryName& diary)
{
    if (diary.IsEncrypted()) {
        return {diary.Path()};
    }
    return {diary.Path(), diary.DataPath(), diary.ReminderPath(), diary.PlannerPath()};
}

struct FileCloser
{
    int fd;
    ~FileCloser() { ::close(fd); }
};

std::string ReadFile(const std::string& path)
{
    if (const int injected = CFileFaults::Check(FileOp::Open, path))
        throw CFileError(FileErrorCauseFromErrno(injected), path);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw CFileError(FileErrorCauseFromErrno(errno), path);
    const FileCloser closer{fd};
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0)
        throw CFileError(FileErrorCauseFromErrno(errno), path);
    if (const int injected = CFileFaults::Check(FileOp::Read, path))
        throw CFileError(FileErrorCauseFromErrno(injected), path);
    std::string bytes;
    bytes.reserve(static_cast<size_t>(info.st_size));
    char chunk[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw CFileError(FileErrorCauseFromErrno(errno), path);
        }
        if (n == 0)
            break;
        bytes.append(chunk, static_cast<size_t>(n));
    }
    return bytes;
}

struct ArchiveFile
{
    std::string name; // as stored: a bare file name
    std::string bytes;
};

QString ZipErrorText(zip_error_t* error)
{
    return QString::fromLocal8Bit(zip_error_strerror(error));
}

// The archive as bytes, made in memory so that it reaches the disk only
// through an atomic write.
std::string Pack(const std::vector<ArchiveFile>& files)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* memory = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (memory == nullptr) {
        throw std::runtime_error(ZipErrorText(&error).toStdString());
    }
    zip_t* archive = zip_open_from_source(memory, ZIP_TRUNCATE, &error);
    if (archive == nullptr) {
        zip_source_free(memory);
        throw std::runtime_error(ZipErrorText(&error).toStdString());
    }
    zip_source_keep(memory);
    const std::unique_ptr<zip_source_t, decltype(&zip_source_free)> owner(memory, zip_source_free);
    for (const ArchiveFile& file : files) {
        zip_source_t* source = zip_source_buffer(archive, file.bytes.data(), file.bytes.size(), 0);
        const zip_int64_t index =
            source == nullptr ? -1
                              : zip_file_add(archive, file.name.c_str(), source, ZIP_FL_ENC_GUESS);
        // Unpacked by any zip tool, a member is readable by its owner only.
        if (index < 0 || zip_file_set_external_attributes(archive, static_cast<zip_uint64_t>(index),
                                                          0, ZIP_OPSYS_UNIX, kMemberMode) != 0) {
            if (index < 0 && source != nullptr) {
                zip_source_free(source);
            }
            const QString text = QString::fromLocal8Bit(zip_strerror(archive));
            zip_discard(archive);
            throw std::runtime_error(text.toStdString());
        }
    }
    if (zip_close(archive) != 0) {
        const QString text = QString::fromLocal8Bit(zip_strerror(archive));
        zip_discard(archive);
        throw std::runtime_error(text.toStdString());
    }
    zip_stat_t stat;
    if (zip_source_stat(memory, &stat) != 0 || zip_source_open(memory) != 0) {
        throw std::runtime_error(ZipErrorText(zip_source_error(memory)).toStdString());
    }
    std::string bytes(static_cast<size_t>(stat.size), '\0');
    const zip_int64_t read = zip_source_read(memory, bytes.data(), bytes.size());
    zip_source_close(memory);
    if (read != static_cast<zip_int64_t>(bytes.size())) {
        throw std::runtime_error("the archive could not be read back");
    }
    return bytes;
}

// Reads every file of the archive to its end, so that each checksum is
// compared; false for anything that is not a whole, plain zip archive.
bool Unpack(const std::string& bytes, std::vector<ArchiveFile>& files)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* memory = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (memory == nullptr) {
        return false;
    }
    zip_t* archive = zip_open_from_source(memory, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (archive == nullptr) {
        zip_source_free(memory);
        return false;
    }
    const std::unique_ptr<zip_t, decltype(&zip_discard)> owner(archive, zip_discard);
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    if (count <= 0 || count > 4) {
        return false;
    }
    for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(count); ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        const zip_uint64_t needed = ZIP_STAT_NAME | ZIP_STAT_SIZE;
        if (zip_stat_index(archive, i, ZIP_FL_ENC_RAW, &stat) != 0 ||
            (stat.valid & needed) != needed || stat.size > kMaxFileSize ||
            ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 &&
             stat.encryption_method != ZIP_EM_NONE)) {
            return false;
        }
        zip_file_t* entry = zip_fopen_index(archive, i, 0);
        if (entry == nullptr) {
            return false;
        }
        ArchiveFile file;
        file.name = stat.name;
        char chunk[1 << 16];
        zip_int64_t n = 0;
        while ((n = zip_fread(entry, chunk, sizeof chunk)) > 0 &&
               file.bytes.size() + static_cast<size_t>(n) <= stat.size) {
            file.bytes.append(chunk, static_cast<size_t>(n));
        }
        zip_fclose(entry);
        if (n != 0 || file.bytes.size() != stat.size) {
            return false;
        }
        files.push_back(std::move(file));
    }
    return true;
}

// The archive holds one diary: its index (or encrypted) file first, then
// none or some of that index's siblings, each once, and nothing else.
bool IsOneDiary(const std::vector<ArchiveFile>& files)
{
    std::set<std::string> names;
    for (const ArchiveFile& file : files) {
        const std::string& name = file.name;
        if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos ||
            name.find('\\') != std::string::npos || name.find('\0') != std::string::npos ||
            !names.insert(name).second) {
            return false;
        }
    }
    const std::string& index = files.front().name;
    const CDiaryName diary(index);
    if (diary.IsEncrypted()) {
        return files.size() == 1;
    }
    if (!diary.IsUsable()) {
        return false;
    }
    const std::vector<std::string> set = DiaryFileSet(diary);
    for (size_t i = 1; i < files.size(); ++i) {
        if (files[i].name == index ||
            std::find(set.begin() + 1, set.end(), files[i].name) == set.end()) {
            return false;
        }
    }
    return true;
}

RestoreOutcome Restoring(RestoreOutcome::Status status, const QString& message)
{
    RestoreOutcome outcome;
    outcome.status = status;
    outcome.message = message;
    return outcome;
}

} // namespace

std::vector<std::string> CDiaryBackup::DiaryFiles(const CDiaryName& diary)
{
    std::vector<std::string> files;
    for (const std::string& path : DiaryFileSet(diary)) {
        if (FileExists(path)) {
            files.push_back(path);
        }
    }
    return files;
}

QString CDiaryBackup::DefaultArchiveName(const CDiaryName& diary, const QDate& today)
{
    return Native(diary.Title()) + QLatin1Char('-') + today.toString(QStringLiteral("yyyy-MM-dd")) +
           QStringLiteral(".zip");
}

BackupOutcome CDiaryBackup::Backup(const CDiarySession& session, const std::string& archivePath)
{
    BackupOutcome outcome;
    const QString nothing = tr(" No backup was written.");
    const std::string& indexPath = session.Path();
    try {
        // A password change cut short is finished first, so the archive
        // holds the diary the store would open.
        if (!session.Name().IsEncrypted()) {
            const std::unique_ptr<CDiaryStore> store = session.MakeStore();
            if (FileExists(store->SwitchMarkerPath()) && store->OpenIndexFile()) {
                store->CloseIndexFile();
            }
        }
        const std::vector<std::string> paths = DiaryFiles(session.Name());
        if (paths.empty() || paths.front() != indexPath) {
            outcome.message =
                QString::fromStdString(FileErrorMessage(FileErrorCause::FileNotFound, indexPath)) +
                nothing;
            return outcome;
        }
        std::vector<ArchiveFile> files;
        for (const std::string& path : paths) {
            files.push_back({FileName(path), ReadFile(path)});
        }
        const std::string bytes = Pack(files);
        if (const FileResult written =
                CAtomicFile::Replace(archivePath, bytes, CAtomicFile::TempName::Unique);
            !written.ok()) {
            throw CFileError(written.cause, written.path);
        }
        outcome.ok = true;
    } catch (const CFileError& error) {
        outcome.message = QString::fromLocal8Bit(error.what()) + nothing;
    } catch (const std::runtime_error& error) {
        outcome.message =
            tr("The backup could not be made: %1.").arg(QString::fromLocal8Bit(error.what())) +
            nothing;
    }
    return outcome;
}

RestoreOutcome CDiaryBackup::Restore(const std::string& archivePath, const std::string& folder,
                                     bool overwrite)
{
    using Status = RestoreOutcome::Status;
    const QString nothing = tr(" Nothing was restored.");
    std::vector<ArchiveFile> files;
    try {
        if (!Unpack(ReadFile(archivePath), files) || !IsOneDiary(files)) {
            return Restoring(Status::Damaged, tr("The backup %1 is damaged; nothing was restored.")
                                                  .arg(Native(FileName(archivePath))));
        }
    } catch (const CFileError& error) {
        return Restoring(Status::Failed, QString::fromLocal8Bit(error.what()) + nothing);
    }

    std::string base = folder;
    if (base.empty() || base.back() != '/') {
        base += '/';
    }
    RestoreOutcome outcome;
    outcome.diary = CDiaryName(base + files.front().name);
    // Everything of a diary already there: its files, and what a rewrite
    // cut short left of it, which the store would otherwise take up again.
    std::vector<std::string> existing = DiaryFiles(outcome.diary);
    std::vector<std::string> leftovers;
    for (const std::string& path : DiaryFileSet(outcome.diary)) {
        leftovers.push_back(CAtomicFile::TempPathFor(path));
    }
    leftovers.push_back(outcome.diary.SwitchMarkerPath());
    if (!existing.empty() && !overwrite) {
        outcome.status = Status::Exists;
        outcome.message = tr("A diary named %1 already exists in %2. Replace it with the backup?")
                              .arg(Native(outcome.diary.FileName()), Native(folder));
        return outcome;
    }

    std::string notPutBack; // why a file of the old diary could not be given back
    try {
        // Unique temporary names: the store's own (NAME.ilm.tmp) are among
        // the leftovers removed below. Whatever mode the file replaced had,
        // a restored file is its owner's only.
        std::vector<std::unique_ptr<CAtomicFile>> writers;
        for (const ArchiveFile& file : files) {
            writers.push_back(std::make_unique<CAtomicFile>(
                base + file.name, CAtomicFile::TempName::Unique, CAtomicFile::NewMode::OwnerOnly));
            FileResult written = writers.back()->Open();
            if (written.ok())
                written = writers.back()->Write(file.bytes);
            if (written.ok())
                written = writers.back()->Finish();
            if (!written.ok())
                throw CFileError(written.cause, written.path);
        }
        // The old diary as it is, to be put back should a later step fail.
        std::vector<std::pair<std::string, std::string>> before;
        for (const std::string& path : existing) {
            before.emplace_back(path, ReadFile(path));
        }
        for (const std::string& path : leftovers) {
            RemoveFile(path);
        }
        // The new files take the old ones' places, the index (the archive's
        // first) last, and only what the archive brings makes up the diary
        // then. Every file changed is given back its old content (or
        // removed) when a later step fails, so the diary is the old one or
        // the new one, whole.
        std::vector<std::string> changed;
        const auto putBack = [&] {
            for (auto path = changed.rbegin(); path != changed.rend(); ++path) {
                const auto old = std::find_if(before.begin(), before.end(), [&](const auto& file) {
                    return file.first == *path;
                });
                if (old != before.end()) {
                    if (const FileResult back = CAtomicFile::Replace(*path, old->second);
                        !back.ok()) {
                        notPutBack += ' ' + back.Message();
                    }
                } else if (const int error = RemoveFile(*path)) {
                    notPutBack += ' ' + FileErrorMessage(FileErrorCauseFromErrno(error), *path);
                }
            }
        };
        const auto commit = [&](CAtomicFile& writer) {
            if (const FileResult written = writer.Commit(); !written.ok()) {
                putBack();
                throw CFileError(written.cause, written.path);
            }
            changed.push_back(writer.TargetPath());
        };
        for (size_t i = 1; i < writers.size(); ++i) {
            commit(*writers[i]);
        }
        for (const std::string& path : existing) {
            const bool restored =
                std::any_of(files.begin(), files.end(),
                            [&](const ArchiveFile& f) { return base + f.name == path; });
            if (!restored) {
                if (const int error = RemoveFile(path)) {
                    putBack();
                    throw CFileError(FileErrorCauseFromErrno(error), path);
                }
                changed.push_back(path);
            }
        }
        commit(*writers.front());
    } catch (const CFileError& error) {
        outcome.status = Status::Failed;
        outcome.message = QString::fromLocal8Bit(error.what()) +
                          (notPutBack.empty() ? nothing
                                              : tr(" The old diary could not be put back whole:") +
                                                    QString::fromLocal8Bit(notPutBack));
        return outcome;
    }
    outcome.status = Status::Restored;
    return outcome;
}
