// Where the store finds the extension it swaps in a chosen diary's path.
#include "platform/FileDialogs.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(FileDialogsTest, ExtensionPositionIsTheByteOffsetOfTheExtensionInTheEncodedPath)
{
    const struct
    {
        QString chosen;
        QString path;
        QString title;
        int extLoc; // -1: wherever "ilm" starts in the encoded path
    } cases[] = {
        {"/home/me/travel.ilm", "/home/me/travel.ilm", "travel", 16},
        // Without an extension it gets .ilm; the folder's dot is not the file's.
        {"/data/v2.old/travel", "/data/v2.old/travel.ilm", "travel", 20},
        // The store swaps the byte at this offset of the encoded path, so
        // characters of several bytes count with all their bytes.
        {QStringLiteral("/tmp/Tagebücher/café.ilm"), QStringLiteral("/tmp/Tagebücher/café.ilm"),
         QStringLiteral("café"), -1},
        {"/d/my.diary.2024.ilm", "/d/my.diary.2024.ilm", "my.diary.2024", -1},
        {"/d/odd.", "/d/odd.", "odd", 0}, // nothing after the dot
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen.toStdString());
        const DiaryChoice choice = CFileDialogs::ChoiceFromPath(c.chosen);
        EXPECT_EQ(choice.path, c.path);
        EXPECT_EQ(choice.fileTitle, c.title);
        const QByteArray encoded = QFile::encodeName(choice.path);
        if (c.extLoc >= 0) {
            EXPECT_EQ(choice.extLoc, c.extLoc);
        } else {
            EXPECT_EQ(encoded.mid(choice.extLoc), "ilm");
            EXPECT_EQ(encoded.at(choice.extLoc - 1), '.');
        }
    }
}
