#pragma once
// What every import fuzzer checks once a reader has run: the entries it
// read become entries whose RTF is 7-bit text without zero bytes and whose
// plain text is not empty, and no entry is longer than the limit allows.
#include "import/ImportPlan.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace fuzzimport {

inline void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "import invariant broken: %s\n", what);
        std::abort();
    }
}

inline void Start(int* argc, char*** argv)
{
    // The Markdown reader lays out text with fonts, which needs a GUI
    // application.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication app(*argc, *argv);
}

inline void CheckPlan(ForeignBatch batch)
{
    for (const ForeignEntry& entry : batch.entries) {
        Check(entry.body.size() + entry.title.size() <= kMaxEntryCharacters,
              "an entry longer than the limit was read");
    }
    const CImportPlan plan(std::move(batch));
    for (const CImportPlan::Planned& planned : plan.Entries()) {
        Check(!planned.plainText.trimmed().isEmpty(), "an entry without text is planned");
        for (const char c : planned.rtf) {
            const auto byte = static_cast<unsigned char>(c);
            Check(byte != 0 && byte < 0x80, "RTF is not 7-bit text without zero bytes");
        }
    }
    for (const ImportProblem& problem : plan.Problems()) {
        Check(!problem.why.isEmpty(), "a problem without a reason");
    }
}

} // namespace fuzzimport
