#pragma once
// What merging another copy of the diary will do, before anything is
// written: the copy's name, what will be added (and, for copies that
// remember them, deleted and replaced) and what the user should know first.
// "Merge" (the default) accepts, Cancel writes nothing, HELP! and F1 open
// the page on using one diary on several computers.

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

class CMergePreviewDlg : public QDialog
{
    Q_OBJECT
public:
    // `copy`: the other copy's file name; `preview`: what the merge will do.
    CMergePreviewDlg(QWidget* parent, const QString& copy, const QString& preview);

    QLabel* PreviewLabel() const { return m_pPreview; }
    QPushButton* MergeButton() const { return m_pMerge; }
    QPushButton* CancelButton() const { return m_pCancel; }

private:
    QLabel* m_pPreview = nullptr;
    QPushButton* m_pMerge = nullptr;
    QPushButton* m_pCancel = nullptr;
};
