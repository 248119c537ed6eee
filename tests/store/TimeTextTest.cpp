// Dates in English and numbers with a decimal point whatever the process
// locale, and the file-error texts.

#include "store/TimeText.h"

#include "store/FileError.h"
#include "store/NumberText.h"

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <iostream>
#include <string>

namespace {

class TimeText : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setenv("TZ", "Europe/Berlin", 1);
        tzset();
        // German names would come out of a plain strftime now.
        if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
            std::cerr << "de_DE.UTF-8 is not installed: only the C locale is exercised\n";
    }
    void TearDown() override
    {
        std::setlocale(LC_ALL, "C");
        setenv("TZ", "UTC", 1);
        tzset();
    }
};

// 2002-12-06 14:30:22 and 2003-01-02 00:04:05 in Berlin (CET, UTC+1).
constexpr int64_t kFriday = 1039181422;
constexpr int64_t kEarly = 1041462245;

TEST_F(TimeText, EnglishNamesInLocalTimeHashFlagAndResultsTooLong)
{
    EXPECT_EQ(FormatTime("%#x", kFriday), "Friday, December 06, 2002");
    EXPECT_EQ(FormatTime("%#c", kFriday), "Friday, December 06, 2002 14:30:22");
    EXPECT_EQ(FormatTime("%a %b %d %H:%M", kFriday), "Fri Dec 06 14:30");
    // Summer time: 2003-07-01 00:30 CEST is 2003-06-30 22:30 UTC.
    EXPECT_EQ(FormatTime("%Y-%m-%d %H:%M", 1057012200), "2003-07-01 00:30");
    // "#" drops the leading zeros of numbers only.
    EXPECT_EQ(FormatTime("%#d.%#m.%#y %#H:%#M:%#S", kEarly), "2.1.3 0:4:5");
    EXPECT_EQ(FormatTime("%d.%m.%y", kEarly), "02.01.03");
    EXPECT_EQ(FormatTime("%#A %#B %%", kEarly), "Thursday January %");
    EXPECT_EQ(FormatTime("%#j", kEarly), "2");
    // At most 127 characters; anything longer or unconvertible is empty.
    const std::string fits(127, 'x');
    EXPECT_EQ(FormatTime(fits, kFriday), fits);
    EXPECT_EQ(FormatTime(fits + "y", kFriday), "");
    EXPECT_EQ(FormatTime("%A%A%A%A%A%A%A%A%A%A%A%A%A%A%A%A%A%A%A%A%A%A", kFriday), "");
    EXPECT_EQ(FormatTime("%Y", INT64_MAX), "");
    EXPECT_EQ(FormatTime("", kFriday), "");
}

TEST_F(TimeText, NumbersKeepADecimalPointAndRoundTiesAsPrintfDoes)
{
    // 36.6 and 37.0 are in the printout's and the graph's tests.
    EXPECT_EQ(FormatFixed(0, 1), "0.0");
    EXPECT_EQ(FormatFixed(36.25, 1), "36.2");
    EXPECT_EQ(FormatFixed(-0.05f, 1), "-0.1");
    EXPECT_EQ(FormatFixed(3.4e38, 1).size(), 41u); // the largest float, written out whole
}

// The cause comes from errno; the message names the file's full path.
TEST(FileErrors, CauseFromErrnoAndMessageWithThePath)
{
    const CFileError error(FileErrorCauseFromErrno(ENOSPC), "/home/ann/diary.ilm");
    EXPECT_STREQ(error.what(), "Disk full while accessing /home/ann/diary.ilm.");
    EXPECT_EQ(FileErrorCauseFromErrno(ENOENT), FileErrorCause::FileNotFound);
    EXPECT_EQ(FileErrorCauseFromErrno(EWOULDBLOCK), FileErrorCause::SharingViolation);
    EXPECT_EQ(FileErrorCauseFromErrno(EPROTO), FileErrorCause::Generic);
}

} // namespace
