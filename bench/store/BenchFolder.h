#pragma once
// What the store benchmarks share: a scratch folder of their own, removed
// when the program ends, and the little-endian field writer of the records.

#include "store/Messages.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace benchfolder {

// "<temp>/<stem>-<pid>", made on first use; store messages are silenced.
inline std::string Scratch(const std::string& stem)
{
    static const std::filesystem::path root = [] {
        const auto path = std::filesystem::temp_directory_path() /
                          ("dayloom-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        SetStoreMessageHandler([](const std::string&) {});
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(std::filesystem::temp_directory_path() /
                                            ("dayloom-bench-" + std::to_string(::getpid())),
                                        ignored);
        });
        return path;
    }();
    const auto folder = root / stem;
    std::filesystem::create_directories(folder);
    return folder.string();
}

inline void PutU32(std::string& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

} // namespace benchfolder
