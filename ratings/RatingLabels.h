#pragma once
// The vocabulary of the daily ratings: the four scales, the label of each
// value (user-editable in the settings) and the mood face pictures.

#include <QPixmap>
#include <QString>
#include <array>

enum class RatingScale
{
    Mood,
    Fatigue,
    Shape,
    Dream
};

// Each array is indexed by value minus the scale's lowest value.
struct RatingLabels
{
    QString mood[7];
    QString fatigue[3];
    QString shape[4];
    QString dream[5];
};

struct RatingLabelKey
{
    const char* key;
    const char* defaultText;
    RatingScale scale;
    int value;
};

// The 19 settings keys with their defaults (CSettings::kRatingLabels), mood
// -3 first, dream +2 last.
const std::array<RatingLabelKey, 19>& RatingLabelKeys();

int RatingLowest(RatingScale scale);
int RatingHighest(RatingScale scale);
bool IsRatingInScale(RatingScale scale, int value);

// Reads all 19 labels from the settings: an absent key gives its default, a
// key holding an empty string gives an empty label.
RatingLabels LoadRatingLabels();

// The label of a value; a value outside the scale (only a damaged diary has
// one) comes back as its number.
QString LabelFor(const RatingLabels& labels, RatingScale scale, int value);

// "face-3.bmp" ... "face3.bmp".
QString FaceFileName(int mood);
// The face beside the program (or in the data folder); an empty picture when
// the file is missing or unreadable, or the mood is out of scale.
QPixmap LoadFacePicture(int mood);
