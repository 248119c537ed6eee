// Another program's changes to the open diary, with the real event loop and
// file system, reported once the folder is quiet and the files agree. The
// program's own writes, later deliveries and conflict copies are seen from
// the window in SeveralComputersTest.
#include "platform/DiaryWatcher.h"

#include "store/Records.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class DiaryWatcherTest : public ::testing::Test
{
protected:
    QString PathOf(const QString& name) const { return m_dir.filePath(name); }

    void Write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(PathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    // As a sync tool delivers a file: written aside, renamed over the old one.
    void Replace(const QString& name, const QByteArray& bytes) const
    {
        Write(".syncthing." + name + ".tmp", bytes);
        ASSERT_EQ(::rename(QFile::encodeName(PathOf(".syncthing." + name + ".tmp")).constData(),
                           QFile::encodeName(PathOf(name)).constData()),
                  0);
    }
    // An index of records each pointing at `length` bytes of text at offset 0.
    static QByteArray Index(int records, quint32 length)
    {
        QByteArray bytes(records * int(kEntryRecordSize), '\0');
        for (int i = 0; i < records; ++i)
            for (int b = 0; b < 4; ++b)
                bytes[i * int(kEntryRecordSize) + 68 + b] = char((length >> (8 * b)) & 0xFF);
        return bytes;
    }

    QTemporaryDir m_dir;
};

TEST_F(DiaryWatcherTest, TwoQuickDeliveriesAreReportedOnceAndOtherFilesNot)
{
    Write("travel.dayloom", "sealed, first version");
    CDiaryWatcher watcher({PathOf("travel.dayloom")});
    QSignalSpy changed(&watcher, &CDiaryWatcher::changedOnDisk);
    Write("travel.dayloom.notes", "another file in the folder");
    EXPECT_FALSE(changed.wait(3 * CDiaryWatcher::kQuietMs));

    // Two deliveries in quick succession: one report, after the second.
    Replace("travel.dayloom", "sealed, second version");
    QTest::qWait(CDiaryWatcher::kQuietMs / 3);
    Replace("travel.dayloom", "sealed, third version");
    ASSERT_TRUE(changed.wait(1000));
    QTest::qWait(2 * CDiaryWatcher::kQuietMs);
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(DiaryWatcherTest, AFourFileDiaryIsReportedOnceItsIndexAndTextsAgree)
{
    Write("travel.ilm", Index(1, 5));
    Write("travel.dlm", "hello");
    CDiaryWatcher watcher(
        {PathOf("travel.ilm"), PathOf("travel.dlm"), PathOf("travel.rlm"), PathOf("travel.plm")});
    QSignalSpy changed(&watcher, &CDiaryWatcher::changedOnDisk);

    // The index arrives first, pointing at texts not there yet.
    Replace("travel.ilm", Index(2, 10));
    EXPECT_FALSE(changed.wait(3 * CDiaryWatcher::kQuietMs));
    // The texts follow, written in place.
    QFile texts(PathOf("travel.dlm"));
    ASSERT_TRUE(texts.open(QIODevice::Append));
    texts.write(" world");
    texts.close();
    EXPECT_TRUE(changed.wait(1000));
}

} // namespace
