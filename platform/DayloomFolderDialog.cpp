#include "platform/DayloomFolderDialog.h"

#include "platform/FileDialogs.h"

QString CDayloomFolderDialog::Title()
{
    return tr("Choose the \\DATA folder with your Dayloom v1.00 files");
}

QString CDayloomFolderDialog::AcceptLabel()
{
    return tr("SELECT");
}

bool CDayloomFolderDialog::Run(QWidget* parent)
{
    const std::optional<QString> folder =
        CFileDialogs::ChooseFolder(parent, Title(), AcceptLabel());
    if (!folder || folder->isEmpty()) {
        return false;
    }
    m_strFolder = *folder;
    return true;
}
