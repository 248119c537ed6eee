#include "ratings/RatingLabels.h"

#include "platform/AppInfo.h"
#include "platform/Settings.h"

#include <QCoreApplication>
#include <QImageReader>

namespace {
// The keys and defaults are the settings' own, in the same order.
constexpr RatingLabelKey Key(size_t i, RatingScale scale, int value)
{
    return {CSettings::kRatingLabels[i].key, CSettings::kRatingLabels[i].defaultValue, scale,
            value};
}

constexpr std::array<RatingLabelKey, 19> kKeys = {{
    Key(0, RatingScale::Mood, -3),    Key(1, RatingScale::Mood, -2),
    Key(2, RatingScale::Mood, -1),    Key(3, RatingScale::Mood, 0),
    Key(4, RatingScale::Mood, 1),     Key(5, RatingScale::Mood, 2),
    Key(6, RatingScale::Mood, 3),     Key(7, RatingScale::Fatigue, -2),
    Key(8, RatingScale::Fatigue, -1), Key(9, RatingScale::Fatigue, 0),
    Key(10, RatingScale::Shape, -3),  Key(11, RatingScale::Shape, -2),
    Key(12, RatingScale::Shape, -1),  Key(13, RatingScale::Shape, 0),
    Key(14, RatingScale::Dream, -2),  Key(15, RatingScale::Dream, -1),
    Key(16, RatingScale::Dream, 0),   Key(17, RatingScale::Dream, 1),
    Key(18, RatingScale::Dream, 2),
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
        *Slot(labels, key.scale, key.value) =
            CSettings::GetProfileString(QString::fromLatin1(key.key),
                                        QCoreApplication::translate("CSettings", key.defaultText));
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
