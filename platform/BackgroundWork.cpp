#include "platform/BackgroundWork.h"

#include "platform/AppInfo.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QThreadPool>
#include <QVBoxLayout>
#include <memory>

namespace {

// What the worker and the window's thread share. The work function (and
// what it captured) is released by the worker once it has run; the dialog
// is touched on the window's thread only.
struct Shared
{
    std::function<void()> work;
    QPointer<QDialog> dialog;
    bool finished = false;
};

} // namespace

bool CBackgroundWork::Run(QWidget* parent, const QString& text, std::function<void()> work)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("BackgroundWorkDlg"));
    dialog.setWindowTitle(CAppInfo::Title());
    auto* label = new QLabel(text, &dialog);
    label->setObjectName(QStringLiteral("text"));
    auto* bar = new QProgressBar(&dialog);
    bar->setRange(0, 0); // busy: how long a derivation takes is not known
    bar->setTextVisible(false);
    bar->setAccessibleName(text);
    auto* cancel =
        new QPushButton(QCoreApplication::translate("CBackgroundWork", "Cancel"), &dialog);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(bar);
    layout->addLayout(buttons);
    dialog.setMinimumWidth(320);

    auto shared = std::make_shared<Shared>();
    shared->work = std::move(work);
    shared->dialog = &dialog;
    ++s_running;
    QThreadPool::globalInstance()->start([shared] {
        shared->work();
        // Released here: a cancelled work's secrets go with its end.
        shared->work = nullptr;
        --s_running;
        QMetaObject::invokeMethod(
            qApp,
            [shared] {
                shared->finished = true;
                if (shared->dialog != nullptr)
                    shared->dialog->accept();
            },
            Qt::QueuedConnection);
    });
    // The answer may come before the dialog shows: accept() then ends exec()
    // as soon as it starts.
    const bool done = dialog.exec() == QDialog::Accepted;
    shared->dialog = nullptr;
    return done && shared->finished;
}
