#pragma once
// "Tools, Merge another diary..." and the question about the conflict copies
// a sync tool leaves beside the open diary: the other copy unlocked (with
// this diary's key or password first, else its own, asked for), a preview of
// what the merge will do, the merge through the open diary (one safe
// rewrite, every window told), the result, and for a conflict copy the offer
// to remove it. The copies answered "Not now" are not asked about again
// while the program runs.

#include "store/DiaryParts.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class COpenDiary;
class QWidget;

class CMergeCommands : public QObject
{
    Q_OBJECT
public:
    // Asks about the conflict copies beside a diary once it is opened, and
    // about those that appear while it is open.
    CMergeCommands(COpenDiary& diary, QWidget& window);

    // The menu command: any diary file, chosen with the file dialog.
    void MergeAnother();
    // "Another copy of this diary was found: ..." for each copy not put off
    // for now; Merge merges it, Not now puts it off, Show in folder shows
    // its folder and asks again.
    void OfferCopies(const QStringList& paths);

private:
    // Merges the diary at `path` into the open one after its preview; true
    // when the merge was made or there was nothing to add.
    bool MergeFrom(const QString& path);
    // The other copy's parts; nullopt when it cannot be read or the user
    // gave no password (said).
    std::optional<DiaryParts> ReadOther(const QString& path);
    // After a conflict copy was merged: remove it? (default: keep it).
    void OfferRemoval(const QString& path);

    COpenDiary& m_diary;
    QWidget& m_window;
    bool m_bAsking = false;
};
