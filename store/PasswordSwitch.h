#pragma once
// A password change replaces two files that must change together, the index
// and the data file. Both new files are built completely beside the live
// ones ("travel.ilm.tmp", "travel.dlm.tmp") and flushed; then the empty
// marker "travel.ilm.pwswitch" is created and the folder flushed: from that
// moment the change is committed. Then both temporary files are renamed over
// the live ones and the marker is removed. Whoever opens the index file next
// and finds a marker finishes the switch first (renames the temporary files
// still present, removes the marker). Before the marker exists a failure or
// crash leaves the old files untouched; after it, the next open yields the
// new files. Either way every entry is there, readable with one password. A
// marker may only ever stand beside whole temporary files, so no rewrite of
// the index starts while one is left over.

#include "store/DiaryName.h"
#include "store/FileResult.h"
#include "store/StoreFile.h"

#include <string>
#include <string_view>

class CPasswordSwitch
{
public:
    explicit CPasswordSwitch(const CDiaryName& name);

    // Finishes a committed switch, if a marker says there is one, under the
    // lock `indexFile` holds on the index: the new index is locked before it
    // is renamed and its handle replaces indexFile's. The failure when it
    // cannot be finished now.
    FileResult CompleteIfPending(CStoreFile& indexFile) const;

    // A marker left behind by a finished switch (its removal failed) must be
    // gone, on the disk, before a rewrite starts a new temporary index; else
    // a crash while that file is being written has the next open adopt it
    // half written. The failure when it cannot be removed.
    FileResult RetireStaleMarker() const;

    enum class Outcome
    {
        NotMade,   // the old files stand
        Committed, // the change stands; the next open finishes it
        Finished   // both handles hold the new files
    };
    struct Result
    {
        Outcome outcome = Outcome::NotMade;
        FileResult failure; // why it was not made or not finished
    };
    // Puts newIndex and newData in place of the files indexFile and dataFile
    // hold open. Whatever the outcome, indexFile may hold the new index.
    Result Switch(std::string_view newIndex, std::string_view newData, CStoreFile& indexFile,
                  CStoreFile& dataFile) const;

private:
    std::string m_strIndexPath;
    std::string m_strDataPath;
    std::string m_strMarker;
};
