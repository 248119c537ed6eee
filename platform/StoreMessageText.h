#pragma once
// The store is Qt-free and speaks English; its messages are put into the
// interface's language here, on their way to a window. Each message the store
// makes has its pattern in a table (the file's path as %1); a message that
// matches none is shown as it came.

#include <QString>

class CStoreMessageText
{
public:
    static QString Translated(const QString& storeText);
};
