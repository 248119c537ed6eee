#pragma once
// Words of an entry's plain text: how many there are, and the first few of
// them as a one-line preview.

#include "rtf/WordCount.h"

#include <QString>
#include <QStringView>

// The first `words` words joined by single spaces, followed by "..." when
// the text goes on.
QString FirstWords(QStringView text, int words = 8);

// "1 year ago: <preview>", "N years ago: <preview>".
QString OnThisDayText(int yearsAgo, const QString& preview);
