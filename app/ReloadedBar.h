#pragma once
// The bar above the entry text that says the diary was changed by another
// program (a sync tool, most often) and has been read again. It stays until
// it is closed or the next command runs.
#include "widgets/NoticeBar.h"

class CReloadedBar : public CNoticeBar
{
    Q_OBJECT

public:
    explicit CReloadedBar(QWidget* parent);
};
