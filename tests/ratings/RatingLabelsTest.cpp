// Rating labels come from the user's settings with fixed defaults; the mood
// faces are BMP files beside the program.
#include "ratings/RatingLabels.h"

#include "platform/AppInfo.h"
#include "platform/Settings.h"

#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <algorithm>
#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace {
TEST(RatingLabelsTest, EachKeyLandsAtItsOwnScaleAndValue)
{
    // A distinct text per key shows any mix-up of keys, scales or indexes.
    for (const RatingLabelKey& key : RatingLabelKeys()) {
        CSettings::WriteProfileString(QString::fromLatin1(key.key),
                                      QStringLiteral("custom ") + QString::fromLatin1(key.key));
    }
    const RatingLabels labels = LoadRatingLabels();
    for (const RatingLabelKey& key : RatingLabelKeys()) {
        EXPECT_EQ(LabelFor(labels, key.scale, key.value),
                  QStringLiteral("custom ") + QString::fromLatin1(key.key));
    }
}

TEST(RatingLabelsTest, EmptyLabelStaysEmptyOthersKeepDefaultsAndStrayValuesShowAsNumbers)
{
    CSettings::WriteProfileString(QStringLiteral("MoodPThree"), QString());
    CSettings::WriteProfileString(QStringLiteral("DreamZero"), QStringLiteral("Träumerei, 夢"));
    const RatingLabels labels = LoadRatingLabels();
    const struct
    {
        RatingScale scale;
        int value;
        QString label;
    } cases[] = {
        {RatingScale::Mood, 3, ""},
        {RatingScale::Dream, 0, QStringLiteral("Träumerei, 夢")},
        // Mood 0 shares the default text but is a key of its own.
        {RatingScale::Mood, 0, "Neutral"},
        {RatingScale::Mood, 2, "Very Good"},
        // Values a damaged diary may hold, outside their scale.
        {RatingScale::Mood, 4, "4"},
        {RatingScale::Mood, -4, "-4"},
        {RatingScale::Fatigue, 1, "1"},
        {RatingScale::Shape, 1, "1"},
        {RatingScale::Dream, -3, "-3"},
        {RatingScale::Dream, INT_MIN, QString::number(INT_MIN)},
        {RatingScale::Shape, INT_MAX, QString::number(INT_MAX)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LabelFor(labels, c.scale, c.value), c.label) << c.value;
    }
}

TEST(RatingLabelsTest, ShippedFacesAreSevenDistinctBitmaps)
{
    std::vector<QByteArray> contents;
    for (int mood = -3; mood <= 3; ++mood) {
        QFile file(QStringLiteral(DAYLOOM_SOURCE_DIR "/res/data/") + FaceFileName(mood));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << mood;
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("BM")) << mood;
        EXPECT_EQ(std::count(contents.begin(), contents.end(), bytes), 0) << mood;
        contents.push_back(bytes);
        EXPECT_EQ(LoadFacePicture(mood).size(), QSize(48, 48)) << mood;
    }
}

TEST(RatingLabelsTest, MissingOrDamagedFaceGivesAnEmptyPictureForThatMoodOnly)
{
    QTemporaryDir dir;
    for (int mood = -3; mood <= 3; ++mood) {
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(DAYLOOM_SOURCE_DIR "/res/data/") + FaceFileName(mood),
                        dir.filePath(FaceFileName(mood))));
    }
    ASSERT_TRUE(QFile::remove(dir.filePath("face2.bmp")));
    {
        QFile damaged(dir.filePath("face-1.bmp"));
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("BM this is not a picture");
    }
    CAppInfo::SetDataDir(dir.path());

    for (int mood = -3; mood <= 3; ++mood) {
        EXPECT_EQ(LoadFacePicture(mood).isNull(), mood == 2 || mood == -1) << mood;
    }
    // A damaged diary's mood has no face, even if a file of that name exists.
    QFile::copy(dir.filePath("face3.bmp"), dir.filePath("face4.bmp"));
    EXPECT_TRUE(LoadFacePicture(4).isNull());
    EXPECT_TRUE(LoadFacePicture(-4).isNull());
}
} // namespace
