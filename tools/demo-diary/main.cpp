// dayloom-demo-diary: writes a small, believable diary for screenshots and
// manual trials: three weeks of entries with formatted text and ratings, a
// few yearly reminders and a planner with done, open and overdue tasks.
//
//   dayloom-demo-diary INDEX_FILE PASSWORD [NOW]
//
// INDEX_FILE ends in ".ilm"; its three siblings are created beside it. NOW
// (seconds since 1970, default: the current time) anchors every date, so the
// same NOW always gives the same diary.
#include "store/FileError.h"
#include "tools/demo-diary/DemoDiary.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

namespace {

// Opens every entry's text: Arial, and two colours for the odd highlight.
constexpr const char* kRtfHead =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
    "{\\colortbl ;\\red31\\green73\\blue125;\\red192\\green80\\blue77;}"
    "\\f0\\fs24 ";

// Oldest first, as a diary grows; a few days are missing on purpose.
constexpr std::array<DemoDay, 18> kDays{{
    {21, 1, 0, 0, 1, false, false, 36.6f, 71,
     "\\b New notebook, new habit.\\b0  I promised myself to write a few lines every evening."},
    {20, 0, -1, 0, 0, false, false, 36.7f, 71,
     "Long meeting about the spring schedule. Walked home through the park anyway."},
    {19, 2, 0, 0, 2, true, false, 36.5f, 70,
     "Dinner with \\i Marta\\i0  at the little place by the river. We laughed a lot."},
    {17, -1, -2, -1, -1, false, false, 37.4f, 70,
     "Caught a cold. \\cf2 Stayed in bed\\cf0  with tea and an old detective novel."},
    {16, -2, -2, -2, 0, false, false, 37.9f, 70, "Fever in the evening. Not much to say today."},
    {15, -1, -1, -1, 1, false, false, 37.1f, 69,
     "Better. Soup, sleep, and the first sunny hour on the balcony."},
    {14, 0, -1, 0, 0, false, false, 36.8f, 69,
     "Back at work, slowly. The inbox survived without me."},
    {12, 1, 0, 0, 1, false, false, 36.6f, 69,
     "Started the \\b bookshelf\\b0  project: measured the wall twice, bought the boards once."},
    {11, 2, 0, 0, 2, true, false, 36.6f, 70,
     "Saturday market, fresh bread, a long call with my sister."},
    {10, 3, 0, 0, 2, false, false, 36.5f, 70,
     "Hiked up to the ridge with the club. \\cf1 Clear view all the way to the lake!\\cf0 "},
    {9, 1, -1, 0, -1, false, false, 36.6f, 70,
     "Sore legs, happy head. Strange dream about trains."},
    {7, 0, 0, 0, 0, false, false, 36.7f, 70, "Ordinary Monday. Fixed the kitchen tap at last."},
    {6, -1, -1, 0, -2, false, false, 36.6f, 70,
     "Bad night, the neighbours' party went on until three."},
    {5, 1, 0, 0, 0, false, false, 36.6f, 69,
     "Finished the bookshelf. It is only a little crooked."},
    {4, 2, 0, 0, 1, true, false, 36.5f, 69,
     "Concert in the old church: \\i Bach\\i0  by candlelight."},
    {3, 1, 0, 0, 1, false, false, 36.6f, 69,
     "Planned the summer trip. Maps all over the living-room floor."},
    {1, 2, 0, 0, 2, false, false, 36.6f, 68,
     "Good news from the clinic: all values normal. \\b Celebrated with cake.\\b0 "},
    {0, 2, 0, 0, 1, false, false, 36.6f, 68,
     "Quiet evening. Wrote a letter to grandmother and watered the plants."},
}};

// Today, soon, later this year and one already past (it recurs next year).
constexpr std::array<DemoReminder, 4> kReminders{{
    {0, "Call the plumber back"},
    {2, "Marta's birthday"},
    {40, "Car inspection"},
    {-60, "Wedding anniversary"},
}};

constexpr std::array<DemoTask, 5> kTasks{{
    {-12, -5, true, "Build the bookshelf"},
    {-8, -7, true, "Renew the library card"},
    {-2, 0, false, "Return the drill to Tom"},
    {3, 0, false, "Book the train for the summer trip"},
    {10, 0, false, "Sort the photos from the hike"},
}};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: %s INDEX_FILE.ilm PASSWORD [NOW]\n", argv[0]);
        return 2;
    }
    const std::string path = argv[1];
    const std::string password = argv[2];
    const size_t dot = path.rfind('.');
    const size_t slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) ||
        path.substr(dot) != ".ilm" || dot + 1 > 0xFFFF) {
        std::fprintf(stderr, "%s: the index file must end in .ilm\n", argv[0]);
        return 2;
    }
    if (password.size() < 3 || password.size() > 20) {
        std::fprintf(stderr, "%s: the password takes 3 to 20 characters\n", argv[0]);
        return 2;
    }
    // Appending to an existing diary would mix two demo histories.
    if (std::filesystem::exists(path)) {
        std::fprintf(stderr, "%s: %s exists already\n", argv[0], path.c_str());
        return 2;
    }
    const int64_t now =
        argc == 4 ? std::strtoll(argv[3], nullptr, 10) : static_cast<int64_t>(std::time(nullptr));
    const CDiaryName name(path);
    try {
        const CDemoDiary diary(name, now);
        diary.WriteEntries(password, kRtfHead, kDays);
        diary.WriteReminders(kReminders);
        diary.WritePlanner(kTasks);
    } catch (const CFileError& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    // The extension position the settings' "ExtLoc" needs for this diary.
    std::printf("%u\n", static_cast<unsigned>(name.ExtLoc()));
    return 0;
}
