#pragma once
// What the program does to its own process at start-up so that the diary's
// plain text and keys never leave it through a crash or a debugger: no core
// file (RLIMIT_CORE 0) and not dumpable (PR_SET_DUMPABLE 0), which also
// keeps other processes of the same user from attaching to it or reading its
// memory through /proc.

class CProcessHardening
{
public:
    // True when both took effect.
    static bool Apply();
};
