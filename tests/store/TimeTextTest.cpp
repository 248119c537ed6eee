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
        m_hadGerman = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    }
    void TearDown() override
    {
        std::setlocale(LC_ALL, "C");
        setenv("TZ", "UTC", 1);
        tzset();
    }
    bool m_hadGerman = false;
};

// 2002-12-06 14:30:22 in Berlin (CET, UTC+1).
constexpr int64_t kFriday = 1039181422;

TEST_F(TimeText, EnglishNamesInLocalTime)
{
    if (!m_hadGerman)
        std::cerr << "de_DE.UTF-8 is not installed: only the C locale is exercised\n";
    EXPECT_EQ(FormatTime("%#x", kFriday), "Friday, December 06, 2002");
    EXPECT_EQ(FormatTime("%#c", kFriday), "Friday, December 06, 2002 14:30:22");
    EXPECT_EQ(FormatTime("%a %b %d %H:%M", kFriday), "Fri Dec 06 14:30");
    // Summer time: 2003-07-01 00:30 CEST is 2003-06-30 22:30 UTC.
    EXPECT_EQ(FormatTime("%Y-%m-%d %H:%M", 1057012200), "2003-07-01 00:30");
}

TEST_F(TimeText, NumbersKeepADecimalPointAndRoundTiesAsPrintfDoes)
{
    EXPECT_EQ(FormatFixed(36.6f, 1), "36.6");
    EXPECT_EQ(FormatFixed(37, 1), "37.0");
    EXPECT_EQ(FormatFixed(0, 1), "0.0");
    EXPECT_EQ(FormatFixed(36.25, 1), "36.2");
    EXPECT_EQ(FormatFixed(-0.05f, 1), "-0.1");
    EXPECT_EQ(FormatFixed(3.4e38, 1).size(), 41u); // the largest float, written out whole
}

TEST_F(TimeText, HashFlagDropsLeadingZerosOnly)
{
    const int64_t early = 1041462245; // 2003-01-02 00:04:05 CET
    EXPECT_EQ(FormatTime("%#d.%#m.%#y %#H:%#M:%#S", early), "2.1.3 0:4:5");
    EXPECT_EQ(FormatTime("%d.%m.%y", early), "02.01.03");
    EXPECT_EQ(FormatTime("%#A %#B %%", early), "Thursday January %");
    EXPECT_EQ(FormatTime("%#j", early), "2");
}

TEST_F(TimeText, OverlongOrUnconvertibleGivesEmpty)
{
    const std::string fits(127, 'x');
    EXPECT_EQ(FormatTime(fits, kFriday), fits);
    EXPECT_EQ(FormatTime(fits + "y", kFriday), "");
    EXPECT_EQ(FormatTime("%A%A%A%A%A%A%A%A%A%A%A%A%A%A%A%A%A%A%A%A%A%A", kFriday), "");
    EXPECT_EQ(FormatTime("%Y", INT64_MAX), "");
    EXPECT_EQ(FormatTime("", kFriday), "");
}

// The cause comes from errno; the message names the file's full path.
TEST(FileErrors, CauseFromErrnoAndMessageWithThePath)
{
    const CFileError error(FileErrorCauseFromErrno(ENOSPC), "/home/ann/diary.ilm");
    EXPECT_STREQ(error.what(), "Disk full while accessing /home/ann/diary.ilm.");
    EXPECT_EQ(FileErrorCauseFromErrno(ENOENT), FileErrorCause::FileNotFound);
    EXPECT_EQ(FileErrorCauseFromErrno(EACCES), FileErrorCause::AccessDenied);
    EXPECT_EQ(FileErrorCauseFromErrno(EWOULDBLOCK), FileErrorCause::SharingViolation);
    EXPECT_EQ(FileErrorCauseFromErrno(EPROTO), FileErrorCause::Generic);
}

} // namespace
