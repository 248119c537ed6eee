#include "platform/SaveCancelHelpRow.h"

#include "platform/Help.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>

QHBoxLayout* CSaveCancelHelpRow::Create(QDialog* dialog, HelpContext helpContext)
{
    auto* save = new QPushButton(tr("SAVE"), dialog);
    save->setObjectName("save");
    save->setDefault(true);
    auto* cancel = new QPushButton(dialog);
    cancel->setObjectName("cancel");
    cancel->setIcon(dialog->style()->standardIcon(QStyle::SP_DialogCancelButton));
    cancel->setToolTip(tr("Cancel"));
    cancel->setAccessibleName(tr("Cancel"));
    cancel->setAutoDefault(false);
    auto* help = new QPushButton(tr("HELP!"), dialog);
    help->setObjectName("help");
    help->setAutoDefault(false);
    // The picture-only Cancel is as big as its text neighbours.
    const QSize buttonSize =
        save->sizeHint().expandedTo(cancel->sizeHint()).expandedTo(help->sizeHint());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {save, cancel, help}) {
        button->setMinimumSize(buttonSize);
        buttons->addWidget(button);
    }

    // accept() and reject() are virtual, so the dialog's own checks run.
    QObject::connect(save, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    const auto showHelp = [dialog, helpContext] { CHelp::Show(dialog, helpContext); };
    QObject::connect(help, &QPushButton::clicked, dialog, showHelp);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), dialog);
    QObject::connect(f1, &QShortcut::activated, dialog, showHelp);
    return buttons;
}
