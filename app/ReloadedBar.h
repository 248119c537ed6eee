#pragma once
// The bar above the entry text that says the diary was changed by another
// program (a sync tool, most often) and has been read again. It stays until
// it is closed or the next command runs.

#include <QFrame>

class QToolButton;

class CReloadedBar : public QFrame
{
    Q_OBJECT
public:
    explicit CReloadedBar(QWidget* parent);

    QToolButton* CloseButton() const { return m_pClose; }

private:
    QToolButton* m_pClose = nullptr;
};
