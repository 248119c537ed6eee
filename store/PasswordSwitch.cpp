#include "store/PasswordSwitch.h"

#include "store/Messages.h"
#include "store/SafeReplace.h"

CPasswordSwitch::CPasswordSwitch(const std::string& indexPath, const std::string& dataPath)
    : m_strIndexPath(indexPath), m_strDataPath(dataPath), m_strMarker(MarkerPath(indexPath))
{
}

std::string CPasswordSwitch::MarkerPath(const std::string& indexPath)
{
    return indexPath + ".pwswitch";
}

bool CPasswordSwitch::CompleteIfPending(CStoreFile& indexFile) const
{
    if (!FileExists(m_strMarker))
        return true;
    // The lock on the old index guards nothing once another file is renamed
    // over it: the new index is locked first and its handle becomes the live
    // one, so a second process stays out until the switch is finished.
    const std::string indexTemp = CSafeReplace::TempPathFor(m_strIndexPath);
    if (FileExists(indexTemp)) {
        CStoreFile next;
        const FileErrorCause cause = next.Open(indexTemp);
        if (cause != FileErrorCause::None) {
            ShowFileError(cause, indexTemp);
            return false;
        }
        if (const int error = next.MoveTo(m_strIndexPath)) {
            ShowFileError(FileErrorCauseFromErrno(error), m_strIndexPath);
            return false;
        }
        indexFile = std::move(next);
    }
    const std::string dataTemp = CSafeReplace::TempPathFor(m_strDataPath);
    if (FileExists(dataTemp)) {
        if (const int error = RenameFile(dataTemp, m_strDataPath)) {
            ShowFileError(FileErrorCauseFromErrno(error), m_strDataPath);
            return false;
        }
    }
    SyncFolderOf(m_strIndexPath);
    RemoveFile(m_strMarker); // a marker without temporary files is harmless
    SyncFolderOf(m_strIndexPath);
    return true;
}

bool CPasswordSwitch::RetireStaleMarker() const
{
    if (!FileExists(m_strMarker))
        return true;
    int error = RemoveFile(m_strMarker);
    if (error == 0)
        error = SyncFolderOf(m_strMarker);
    if (error != 0) {
        ShowFileError(FileErrorCauseFromErrno(error), m_strMarker);
        return false;
    }
    return true;
}

CPasswordSwitch::Outcome CPasswordSwitch::Switch(std::string_view newIndex,
                                                 std::string_view newData, CStoreFile& indexFile,
                                                 CStoreFile& dataFile) const
{
    // Build both new files completely before anything is switched.
    if (!RetireStaleMarker())
        return Outcome::NotMade;
    CSafeReplace::Temporary temps[] = {
        {CSafeReplace::TempPathFor(m_strIndexPath), newIndex, indexFile.Mode(), {}},
        {CSafeReplace::TempPathFor(m_strDataPath), newData, dataFile.Mode(), {}}};
    if (!CSafeReplace::WriteTemporaries(temps))
        return Outcome::NotMade;

    // Commit: the marker's existence, once on the disk, decides for the new files.
    {
        CStoreFile markerFile;
        const FileErrorCause cause = markerFile.Open(m_strMarker, true);
        if (cause != FileErrorCause::None) {
            ShowFileError(cause, m_strMarker);
            CSafeReplace::Discard(temps);
            return Outcome::NotMade;
        }
    }
    if (const int error = SyncFolderOf(m_strMarker)) {
        ShowFileError(FileErrorCauseFromErrno(error), m_strMarker);
        // A marker that cannot be taken back will switch at the next open:
        // then the change stands, and both whole temporary files must stay.
        if (RemoveFile(m_strMarker) == 0) {
            CSafeReplace::Discard(temps);
            return Outcome::NotMade;
        }
    }

    // Committed. A failure from here on is finished by the next open.
    if (const int error = temps[0].file.MoveTo(m_strIndexPath)) {
        ShowFileError(FileErrorCauseFromErrno(error), m_strIndexPath);
        return Outcome::Committed;
    }
    indexFile = std::move(temps[0].file);
    if (const int error = temps[1].file.MoveTo(m_strDataPath)) {
        ShowFileError(FileErrorCauseFromErrno(error), m_strDataPath);
        return Outcome::Committed;
    }
    dataFile = std::move(temps[1].file);
    // Both renames must be on the disk before the marker goes; the removal
    // itself need not be (a marker without temporary files is harmless).
    SyncFolderOf(m_strIndexPath);
    RemoveFile(m_strMarker);
    return Outcome::Finished;
}
