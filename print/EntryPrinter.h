#pragma once
// Prints diary entries, one print job named "Dayloom" per entry: a header of
// eight lines (the date, the ratings and marks with their labels, a legend of
// every label) at the top of the first page, then the entry's formatted text
// over as many pages as it needs, inside one-inch margins of a page counted
// in whole inches.

#include "ratings/RatingLabels.h"
#include "store/Records.h"

#include <QCoreApplication>
#include <QRect>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <string>

class CDiarySession;
class CPrintJob;
class QWidget;

class CEntryPrinter
{
    Q_DECLARE_TR_FUNCTIONS(CEntryPrinter)

public:
    // Asks the diary's password before entries go to a PDF file in plain
    // text; false when it was not given. Empty: nothing is asked.
    using PasswordCheck = std::function<bool(QWidget* parent)>;

    // "Print current entry": the print dialog, then the entry at
    // selectedIndex (-1: nothing selected; says so when the diary has
    // entries, does nothing when it has none or no diary is open).
    static void PrintCurrentEntry(QWidget* parent, const CDiarySession& diary, int selectedIndex,
                                  const PasswordCheck& confirmPassword = {});
    // "Print all entries": asks, shows the print dialog once, then prints
    // entries 0 ... entryCount - 1, each as its own job. When the printer
    // writes to a file, entry n (counted from 1) goes to "<name>-00n.<ext>"
    // (zero-padded so the files sort in entry order) and no job overwrites
    // the one before. Nothing for entryCount 0.
    static void PrintAllEntries(QWidget* parent, const CDiarySession& diary, int entryCount,
                                const PasswordCheck& confirmPassword = {});

    // One entry as one job on a printer already chosen; every failure is
    // shown. True when the job ended well.
    static bool PrintEntry(QWidget* parent, CPrintJob& job, const CDiarySession& diary, int index);

    // The page in twips (1440 per inch): whole inches of the printable area,
    // and the text rectangle one inch inside it.
    struct PageGeometry
    {
        int width = 0;
        int height = 0;
        QRect textRect; // left, top, right, bottom in twips
    };
    static PageGeometry ComputeGeometry(int printableWidth, int printableHeight, int dpiX,
                                        int dpiY);

    // The eight header lines, top to bottom.
    static QStringList HeaderLines(const DiaryEntry& entry, const RatingLabels& labels);
    // Their y positions in device units, from the heights of "ENTRY" in the
    // header font (hH) and the legend font (hL).
    static int HeaderLineY(int line, int headerHeight, int legendHeight);
    static constexpr int kHeaderX = 361;
    // The text rectangle's top on the first page, in twips.
    static int FirstPageTextTop(int headerHeight, int legendHeight);
};
