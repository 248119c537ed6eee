#include "widgets/RatingLabels.h"

#include "platform/AppInfo.h"
#include "platform/Settings.h"

#include <QImageReader>

namespace {
constexpr std::array<RatingLabelKey, 19> kKeys = {{
    {"MoodMThree", "Depressed", RatingScale::Mood, -3},
    {"MoodMTwo", "Sad", RatingScale::Mood, -2},
    {"MoodMOne", "Not Good", RatingScale::Mood, -1},
    {"MoodZero", "Neutral", RatingScale::Mood, 0},
    {"MoodPOne", "Good", RatingScale::Mood, 1},
    {"MoodPTwo", "Very Good", RatingScale::Mood, 2},
    {"MoodPThree", "Excellent", RatingScale::Mood, 3},
    {"FatigueMTwo", "Exhausted", RatingScale::Fatigue, -2},
    {"FatigueMOne", "Tired", RatingScale::Fatigue, -1},
    {"FatigueZero", "Normal", RatingScale::Fatigue, 0},
    {"ShapeMThree", "Very Sick", RatingScale::Shape, -3},
    {"ShapeMTwo", "Sick", RatingScale::Shape, -2},
    {"ShapeMOne", "Not Well", RatingScale::Shape, -1},
    {"ShapeZero", "Healthy", RatingScale::Shape, 0},
    {"DreamMTwo", "Nightmare", RatingScale::Dream, -2},
    {"DreamMOne", "Strange", RatingScale::Dream, -1},
    {"DreamZero", "Neutral", RatingScale::Dream, 0},
    {"DreamPOne", "Amusing", RatingScale::Dream, 1},
    {"DreamPTwo", "Fun", RatingScale::Dream, 2},
}};

// Works for both const and non-const labels.
template <typename Labels>
auto Slot(Labels& labels, RatingScale scale, int value) -> decltype(&labels.mood[0])
{
    if (!IsRatingInScale(scale, value)) {
        return nullptr;
    }
    const int index = value - RatingLowest(scale);
    switch (scale) {
    case RatingScale::Mood:
        return &labels.mood[index];
    case RatingScale::Fatigue:
        return &labels.fatigue[index];
    case RatingScale::Shape:
        return &labels.shape[index];
    case RatingScale::Dream:
        return &labels.dream[index];
    }
    return nullptr;
}
} // namespace

const std::array<RatingLabelKey, 19>& RatingLabelKeys()
{
    return kKeys;
}

int RatingLowest(RatingScale scale)
{
    switch (scale) {
    case RatingScale::Mood:
    case RatingScale::Shape:
        return -3;
    case RatingScale::Fatigue:
    case RatingScale::Dream:
        return -2;
    }
    return 0;
}

int RatingHighest(RatingScale scale)
{
    switch (scale) {
    case RatingScale::Mood:
        return 3;
    case RatingScale::Dream:
        return 2;
    case RatingScale::Fatigue:
    case RatingScale::Shape:
        return 0;
    }
    return 0;
}

bool IsRatingInScale(RatingScale scale, int value)
{
    return value >= RatingLowest(scale) && value <= RatingHighest(scale);
}

RatingLabels LoadRatingLabels()
{
    RatingLabels labels;
    for (const RatingLabelKey& key : kKeys) {
        *Slot(labels, key.scale, key.value) = CSettings::GetProfileString(
            QString::fromLatin1(key.key), QString::fromLatin1(key.defaultText));
    }
    return labels;
}

QString LabelFor(const RatingLabels& labels, RatingScale scale, int value)
{
    // Only a damaged diary holds such a value; its number is all we can say.
    const QString* label = Slot(labels, scale, value);
    return label != nullptr ? *label : QString::number(value);
}

QString FaceFileName(int mood)
{
    return QStringLiteral("face%1.bmp").arg(mood);
}

QPixmap LoadFacePicture(int mood)
{
    if (!IsRatingInScale(RatingScale::Mood, mood)) {
        return QPixmap();
    }
    const QString path = CAppInfo::FindDataFile(FaceFileName(mood));
    if (path.isEmpty()) {
        return QPixmap();
    }
    QImageReader reader(path, "BMP");
    const QImage image = reader.read();
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}
