#pragma once
// What a merge of another copy will do and what it did, in the words the
// preview and the closing message show: "12 entries, 1 reminder and 2 tasks
// will be added.", the entries replaced and deleted, the entries kept in
// two versions, and for copies without a history that deleted entries come
// back.
#include "store/DiaryMerge.h"

#include <QCoreApplication>
#include <QString>

class CMergeTexts
{
    Q_DECLARE_TR_FUNCTIONS(CMergeTexts)

public:
    static QString Preview(const CDiaryMerge::Plan& plan);
    // Each entry kept in two versions is named by the dates of both.
    static QString Result(const CDiaryMerge::Plan& applied);
};
