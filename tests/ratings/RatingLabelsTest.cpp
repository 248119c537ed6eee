// Rating labels come from the user's settings with fixed defaults; the mood
// faces are BMP files beside the program.
#include "ratings/RatingLabels.h"

#include "platform/AppInfo.h"
#include "platform/Settings.h"

#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <climits>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <tuple>

namespace {
// The defaults themselves are pinned where they are shown (the print legend).
TEST(RatingLabelsTest, EachKeyLandsAtItsOwnValueAnEmptyOneStaysEmptyStrayValuesShowAsNumbers)
{
    // A distinct text per key shows any mix-up of keys, scales or indexes.
    const auto label = [](const QString& key) {
        return key == "MoodPThree" ? QString() : QStringLiteral("Träumerei, 夢 ") + key;
    };
    for (const RatingLabelKey& key : RatingLabelKeys()) {
        CSettings::WriteProfileString(key.key, label(key.key));
    }
    const RatingLabels labels = LoadRatingLabels();
    // A key's name says where it lands: "MoodPThree" is mood 3, "FatigueMOne" fatigue -1.
    const char* const scales[] = {"Mood", "Fatigue", "Shape", "Dream"};
    const char* const numbers[] = {"Zero", "One", "Two", "Three"};
    const char* const signs[] = {"M", "", "P"};
    for (const RatingLabelKey& key : RatingLabelKeys()) {
        EXPECT_EQ(LabelFor(labels, key.scale, key.value), label(key.key)) << key.key;
        EXPECT_EQ(QString(key.key), QString(scales[int(key.scale)]) +
                                        signs[(key.value > 0) - (key.value < 0) + 1] +
                                        numbers[std::abs(key.value)]);
    }
    // Values a damaged diary may hold, outside their scale.
    const std::tuple<RatingScale, int> stray[] = {
        {RatingScale::Mood, 4},       {RatingScale::Mood, -4},  {RatingScale::Fatigue, 1},
        {RatingScale::Shape, 1},      {RatingScale::Dream, -3}, {RatingScale::Dream, INT_MIN},
        {RatingScale::Shape, INT_MAX}};
    for (const auto& [scale, value] : stray) {
        EXPECT_EQ(LabelFor(labels, scale, value), QString::number(value));
    }
}

TEST(RatingLabelsTest, ShippedFacesAreSevenDistinctBitmapsAndAMissingOrDamagedOneGivesNone)
{
    QTemporaryDir dir;
    std::set<QByteArray> contents;
    for (int mood = -3; mood <= 3; ++mood) {
        QFile file(QStringLiteral(DAYLOOM_SOURCE_DIR "/res/data/") + FaceFileName(mood));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << mood;
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("BM")) << mood;
        EXPECT_TRUE(contents.insert(bytes).second) << mood; // not a copy of another face
        EXPECT_EQ(LoadFacePicture(mood).size(), QSize(48, 48)) << mood;
        ASSERT_TRUE(QFile::copy(file.fileName(), dir.filePath(FaceFileName(mood))));
    }
    // A missing and a damaged face: no picture for those moods only.
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
