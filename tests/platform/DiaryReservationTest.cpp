// The reservation of an open diary in the runtime folder, and the locks
// earlier versions left beside a diary. The window's side (nothing beside
// the diary, the holder comes forward, another computer's lock): DiaryGuardTest.
#include "platform/DiaryReservation.h"

#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Outcome = CDiaryReservation::Outcome;

// Runs `work` in a child process that then ends without cleaning up.
void InAProgramThatEnds(const std::function<bool()>& work)
{
    const pid_t child = fork();
    if (child == 0) {
        _exit(work() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

class DiaryReservationTest : public ::testing::Test
{
protected:
    QString Diary(const QString& name = QStringLiteral("travel.dayloom")) const
    {
        return m_diaries.filePath(name);
    }
    std::unique_ptr<CDiaryReservation> Reserve(const QString& diary, Outcome& outcome) const
    {
        return CDiaryReservation::Reserve(diary, outcome, m_runtime.path());
    }

    QTemporaryDir m_diaries;
    QTemporaryDir m_runtime;
};

TEST_F(DiaryReservationTest, OnlyALiveReservationRefusesASecond)
{
    Outcome outcome = Outcome::Unavailable;
    auto first = Reserve(Diary(), outcome);
    ASSERT_EQ(outcome, Outcome::Reserved);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->LockPath().startsWith(m_runtime.path() + "/diary-"));

    // The same diary by another spelling of its path.
    const QString sameDiary = m_diaries.path() + "/./travel.dayloom";
    EXPECT_EQ(Reserve(sameDiary, outcome), nullptr);
    EXPECT_EQ(outcome, Outcome::HeldElsewhere);

    // Another diary is free; the first one is once its reservation ends.
    const auto other = Reserve(Diary("work.dayloom"), outcome);
    EXPECT_EQ(outcome, Outcome::Reserved);
    EXPECT_NE(other->LockPath(), first->LockPath());
    const QString lockPath = first->LockPath();
    first.reset();
    EXPECT_FALSE(QFile::exists(lockPath));
    EXPECT_NE(Reserve(Diary(), outcome), nullptr);

    // One left by a program that ended is taken over.
    InAProgramThatEnds([this] {
        Outcome held = Outcome::Unavailable;
        return Reserve(Diary("ended.dayloom"), held).release() != nullptr; // never unlocked
    });
    outcome = Outcome::Unavailable;
    EXPECT_NE(Reserve(Diary("ended.dayloom"), outcome), nullptr);
    EXPECT_EQ(outcome, Outcome::Reserved);
}

TEST_F(DiaryReservationTest, AnEarlierVersionsLockIsRemovedOnlyWhenProvablyStale)
{
    const QString lock = m_diaries.filePath("travel.lock");
    // Held by a program on this computer that is still running (this one).
    {
        QLockFile running(lock);
        ASSERT_TRUE(running.tryLock(0));
        CDiaryReservation::RemoveLeftOverLock(lock);
        EXPECT_TRUE(QFile::exists(lock));
    }

    // Left by a program on this computer that has ended.
    InAProgramThatEnds([&lock] { return (new QLockFile(lock))->tryLock(0); });
    ASSERT_TRUE(QFile::exists(lock));
    CDiaryReservation::RemoveLeftOverLock(lock);
    EXPECT_FALSE(QFile::exists(lock));
}

} // namespace
