// The test seam's hook: see FileFaults.h.

#include "store/FileFaults.h"

#include <utility>

namespace {

CFileFaults::Hook& CurrentHook()
{
    static CFileFaults::Hook hook;
    return hook;
}

} // namespace

CFileFaults::Hook CFileFaults::Install(Hook hook)
{
    s_bInstalled = static_cast<bool>(hook);
    return std::exchange(CurrentHook(), std::move(hook));
}

int CFileFaults::AskHook(FileOp op, const std::string& path)
{
    const Hook& hook = CurrentHook();
    return hook ? hook(op, path) : 0;
}
