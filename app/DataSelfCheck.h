#pragma once
// An installation self-check: with DAYLOOM_CHECK_DATA set in the environment
// the program reports where it finds each data file it ships with (faces,
// TIPS.TXT, the splash picture, the help contents) and ends instead of
// starting. Packagers and the install test use it to prove that an installed
// copy reads its own share folder; the command line stays untouched.

#include <ostream>

class CDataSelfCheck
{
public:
    static bool Requested();
    // One line per file, "NAME<TAB>PATH", or "NAME<TAB>missing". Returns the
    // process exit code: 0 when every file was found, 1 otherwise.
    static int Run(std::ostream& out);
};
