#include "platform/StoreMessageText.h"

#include <QCoreApplication>

namespace {

// Every text store/ builds for the user, as it builds it.
const char* const kPatterns[] = {
    QT_TRANSLATE_NOOP("CStoreMessageText", "No error occurred."),
    QT_TRANSLATE_NOOP("CStoreMessageText", "%1 was not found."),
    QT_TRANSLATE_NOOP("CStoreMessageText", "%1 contains an invalid path."),
    QT_TRANSLATE_NOOP("CStoreMessageText",
                      "%1 could not be opened because there are too many open files."),
    QT_TRANSLATE_NOOP("CStoreMessageText", "Access to %1 was denied."),
    QT_TRANSLATE_NOOP("CStoreMessageText", "An invalid file handle was associated with %1."),
    QT_TRANSLATE_NOOP("CStoreMessageText",
                      "%1 could not be removed because it is the current directory."),
    QT_TRANSLATE_NOOP("CStoreMessageText",
                      "%1 could not be created because the directory is full."),
    QT_TRANSLATE_NOOP("CStoreMessageText", "Seek failed on %1"),
    QT_TRANSLATE_NOOP("CStoreMessageText", "A hardware I/O error was reported while accessing %1."),
    QT_TRANSLATE_NOOP("CStoreMessageText", "A sharing violation occurred while accessing %1."),
    QT_TRANSLATE_NOOP("CStoreMessageText", "A locking violation occurred while accessing %1."),
    QT_TRANSLATE_NOOP("CStoreMessageText", "Disk full while accessing %1."),
    QT_TRANSLATE_NOOP("CStoreMessageText", "An attempt was made to access %1 past its end."),
    QT_TRANSLATE_NOOP("CStoreMessageText",
                      "%1 would grow past the 4 GB a diary's texts can take, so this was not "
                      "saved. Start a new diary for the years to come."),
    QT_TRANSLATE_NOOP("CStoreMessageText", "An unknown error occurred while accessing %1."),
    QT_TRANSLATE_NOOP("CStoreMessageText",
                      "The file %1 is not a Dayloom diary, or it is damaged. Nothing was opened."),
    QT_TRANSLATE_NOOP("CStoreMessageText", "%1 is a folder, not a diary. Nothing was opened."),
    QT_TRANSLATE_NOOP("CStoreMessageText",
                      "The file %1 is not a Dayloom diary. Nothing was opened."),
    QT_TRANSLATE_NOOP("CStoreMessageText",
                      "The diary file %1 is damaged or was altered. Nothing was opened."),
    QT_TRANSLATE_NOOP("CStoreMessageText",
                      "This diary was made by a newer Dayloom and cannot be opened here."),
    QT_TRANSLATE_NOOP("CStoreMessageText", "The cryptography library could not be started."),
};

} // namespace

QString CStoreMessageText::Translated(const QString& storeText)
{
    for (const char* pattern : kPatterns) {
        const QString english = QString::fromLatin1(pattern);
        const qsizetype at = english.indexOf(QLatin1String("%1"));
        if (at < 0) {
            if (storeText == english) {
                return QCoreApplication::translate("CStoreMessageText", pattern);
            }
            continue;
        }
        const QString before = english.left(at);
        const QString after = english.mid(at + 2);
        if (storeText.size() >= english.size() - 2 && storeText.startsWith(before) &&
            storeText.endsWith(after)) {
            const QString path =
                storeText.mid(before.size(), storeText.size() - before.size() - after.size());
            return QCoreApplication::translate("CStoreMessageText", pattern).arg(path);
        }
    }
    return storeText;
}
