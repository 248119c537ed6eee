#pragma once
// TEST SEAM. Nothing in the program installs a hook; only tests do. A test
// installs a hook that is asked before every write, flush, rename, removal
// and open the store's file layer performs, and can make that step fail with
// an errno value of its choosing (or stop the process there, to simulate a
// crash). Without a hook a check is one load of a flag and a branch, inlined
// at each step.

#include <functional>
#include <string>

enum class FileOp
{
    Open,
    OpenWritable, // opening an existing file for writing as well as reading
    Read,
    Write,
    Flush,
    Rename,
    Remove,
    Truncate
};

class CFileFaults
{
public:
    // The hook returns 0 to let the step run, or the errno it should fail with.
    using Hook = std::function<int(FileOp op, const std::string& path)>;

    // Installs the hook (an empty one removes it) and returns the previous one.
    static Hook Install(Hook hook);

    // Asked by the file layer before each step; 0 when no hook objects.
    static int Check(FileOp op, const std::string& path)
    {
        if (!s_bInstalled) [[likely]]
            return 0;
        return AskHook(op, path);
    }

private:
    static int AskHook(FileOp op, const std::string& path);

    static inline bool s_bInstalled = false;
};
