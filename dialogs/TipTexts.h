#pragma once
// The tips of the day in the interface's language. TIPS.TXT beside the
// program holds the English tips; the table in TipTexts.cpp repeats them so
// that they are translated with the rest of the interface. A tip the table
// does not know (one the user wrote into the file) is shown as it is.

#include <QString>

class CTipTexts
{
public:
    static QString Translated(const QString& tip);
    // The English tips the translations know, in the file's order.
    static int Count();
    static QString English(int i);
};
