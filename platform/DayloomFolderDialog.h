#pragma once
// The folder chooser of the version-1 import: "Choose the \DATA folder with
// your Dayloom v1.00 files", accepted with "SELECT".

#include <QCoreApplication>
#include <QString>

class QWidget;

class CDayloomFolderDialog
{
    Q_DECLARE_TR_FUNCTIONS(CDayloomFolderDialog)

public:
    // `folder` receives the chosen folder when Run() returns true.
    explicit CDayloomFolderDialog(QString& folder) : m_strFolder(folder) {}

    // False when cancelled.
    bool Run(QWidget* parent);

    static QString Title();
    static QString AcceptLabel();

private:
    QString& m_strFolder;
};
