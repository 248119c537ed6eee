#include "store/SafeReplace.h"

#include "store/AtomicFile.h"

FileResult CSafeReplace::Replace(CStoreFile& live, std::string_view bytes)
{
    CAtomicFile next(live.Path());
    FileResult result = next.Open();
    if (result.ok())
        result = next.Write(bytes);
    if (result.ok())
        result = next.Commit();
    if (result.ok())
        live = next.TakeFile();
    return result;
}
