#include "dialogs/MergePreviewDlg.h"

#include "platform/AppInfo.h"
#include "platform/HelpKey.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CMergePreviewDlg::CMergePreviewDlg(QWidget* parent, const QString& copy, const QString& preview)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("mergePreview"));
    setWindowTitle(CAppInfo::Caption(tr("Merge another diary")));
    auto* heading = new QLabel(tr("Merging %1 into this diary:").arg(copy), this);
    heading->setWordWrap(true);
    m_pPreview = new QLabel(preview, this);
    m_pPreview->setObjectName(QStringLiteral("previewText"));
    m_pPreview->setWordWrap(true);
    m_pPreview->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(this);
    m_pMerge = buttons->addButton(tr("&Merge"), QDialogButtonBox::AcceptRole);
    m_pMerge->setObjectName(QStringLiteral("merge"));
    m_pMerge->setDefault(true);
    m_pCancel = buttons->addButton(QDialogButtonBox::Cancel);
    m_pCancel->setObjectName(QStringLiteral("cancel"));
    QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
    help->setObjectName(QStringLiteral("help"));
    help->setAutoDefault(false);
    m_pCancel->setAutoDefault(false);
    auto* helpKey = new CHelpKey(this, HelpContext::SeveralComputers);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [helpKey] { helpKey->Show(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_pPreview, 1);
    layout->addWidget(buttons);
    setMinimumWidth(420);
    m_pMerge->setFocus();
}
