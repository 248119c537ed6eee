#include "store/PasswordSwitch.h"

#include "store/AtomicFile.h"

CPasswordSwitch::CPasswordSwitch(const CDiaryName& name)
    : m_strIndexPath(name.Path()), m_strDataPath(name.DataPath()),
      m_strMarker(name.SwitchMarkerPath())
{
}

FileResult CPasswordSwitch::CompleteIfPending(CStoreFile& indexFile) const
{
    if (!FileExists(m_strMarker))
        return {};
    // The lock on the old index guards nothing once another file is renamed
    // over it: the new index is locked first and its handle becomes the live
    // one, so a second process stays out until the switch is finished.
    const std::string indexTemp = CAtomicFile::TempPathFor(m_strIndexPath);
    if (FileExists(indexTemp)) {
        CStoreFile next;
        if (const FileErrorCause cause = next.Open(indexTemp); cause != FileErrorCause::None)
            return {cause, indexTemp};
        if (const int error = next.MoveTo(m_strIndexPath))
            return FileResult::FromErrno(error, m_strIndexPath);
        indexFile = std::move(next);
    }
    const std::string dataTemp = CAtomicFile::TempPathFor(m_strDataPath);
    if (FileExists(dataTemp)) {
        if (const int error = RenameFile(dataTemp, m_strDataPath))
            return FileResult::FromErrno(error, m_strDataPath);
    }
    SyncFolderOf(m_strIndexPath);
    RemoveFile(m_strMarker); // a marker without temporary files is harmless
    SyncFolderOf(m_strIndexPath);
    return {};
}

FileResult CPasswordSwitch::RetireStaleMarker() const
{
    if (!FileExists(m_strMarker))
        return {};
    int error = RemoveFile(m_strMarker);
    if (error == 0)
        error = SyncFolderOf(m_strMarker);
    return error == 0 ? FileResult{} : FileResult::FromErrno(error, m_strMarker);
}

CPasswordSwitch::Result CPasswordSwitch::Switch(std::string_view newIndex, std::string_view newData,
                                                CStoreFile& indexFile, CStoreFile& dataFile) const
{
    using enum Outcome;
    // Build both new files completely before anything is switched.
    if (FileResult retired = RetireStaleMarker(); !retired.ok())
        return {NotMade, retired};
    CAtomicFile index(m_strIndexPath);
    CAtomicFile data(m_strDataPath);
    for (auto [file, bytes] : {std::pair{&index, newIndex}, {&data, newData}}) {
        FileResult written = file->Open();
        if (written.ok())
            written = file->Write(bytes);
        if (written.ok())
            written = file->Finish();
        if (!written.ok())
            return {NotMade, written}; // the writers remove their temporary files
    }

    // Commit: the marker's existence, once on the disk, decides for the new files.
    {
        CStoreFile markerFile;
        if (const FileErrorCause cause = markerFile.Open(m_strMarker, true);
            cause != FileErrorCause::None)
            return {NotMade, {cause, m_strMarker}};
    }
    FileResult markerFailure;
    if (const int error = SyncFolderOf(m_strMarker)) {
        markerFailure = FileResult::FromErrno(error, m_strMarker);
        // A marker that cannot be taken back will switch at the next open:
        // then the change stands, and both whole temporary files must stay.
        if (RemoveFile(m_strMarker) == 0)
            return {NotMade, markerFailure};
    }

    // Committed. A failure from here on is finished by the next open.
    if (FileResult moved = index.Commit(CAtomicFile::OnFailure::KeepTemporary); !moved.ok()) {
        data.Keep();
        return {Committed, moved};
    }
    indexFile = index.TakeFile();
    if (FileResult moved = data.Commit(CAtomicFile::OnFailure::KeepTemporary); !moved.ok())
        return {Committed, moved};
    dataFile = data.TakeFile();
    // Both renames are on the disk (each commit flushed the folder) before
    // the marker goes; the removal itself need not be (a marker without
    // temporary files is harmless).
    RemoveFile(m_strMarker);
    return {Finished, markerFailure};
}
