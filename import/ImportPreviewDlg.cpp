#include "import/ImportPreviewDlg.h"

#include "import/ImportPlan.h"
#include "platform/AppInfo.h"
#include "store/TimeText.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Entries(int count)
{
    return count == 1 ? QCoreApplication::translate("CImportPreviewDlg", "1 entry")
                      : QCoreApplication::translate("CImportPreviewDlg", "%n entries", "", count);
}

} // namespace

QString CImportPreviewDlg::Summary(int added, int skipped, bool done)
{
    QString text =
        done ? tr("%1 added").arg(Entries(added)) : tr("%1 will be added").arg(Entries(added));
    if (skipped > 0) {
        text += tr(", %1 skipped (already in the diary)").arg(skipped);
    }
    return text + QLatin1Char('.');
}

QString CImportPreviewDlg::ProblemLines(const CImportPlan& plan, int limit)
{
    QStringList lines;
    const auto& problems = plan.Problems();
    for (size_t i = 0; i < problems.size() && static_cast<int>(i) < limit; ++i) {
        lines.append(problems[i].Text());
    }
    if (static_cast<int>(problems.size()) > limit) {
        lines.append(QCoreApplication::translate("CImportPreviewDlg", "... and %n more.", "",
                                                 int(problems.size() - size_t(limit))));
    }
    return lines.join(QLatin1Char('\n'));
}

CImportPreviewDlg::CImportPreviewDlg(QWidget* parent, const QString& source,
                                     const CImportPlan& plan)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ImportPreviewDlg"));
    setWindowTitle(CAppInfo::Caption(tr("Import from another program")));

    auto* layout = new QVBoxLayout(this);
    auto* what = new QLabel(QStringLiteral("%1: %2").arg(plan.Kind(), source), this);
    what->setObjectName(QStringLiteral("source"));
    what->setTextFormat(Qt::PlainText);
    layout->addWidget(what);
    auto* summary = new QLabel(Summary(plan.NewCount(), plan.KnownCount(), false), this);
    summary->setObjectName(QStringLiteral("summary"));
    layout->addWidget(summary);

    auto* list = new QListWidget(this);
    list->setObjectName(QStringLiteral("entries"));
    list->setUniformItemSizes(true);
    for (const CImportPlan::Planned& planned : plan.Entries()) {
        if (planned.known) {
            continue;
        }
        const QString first = planned.plainText.section(QLatin1Char('\n'), 0, 0).left(80);
        list->addItem(QString::fromStdString(FormatTime("%Y-%m-%d %H:%M", planned.time)) +
                      QStringLiteral("  ") + first);
    }
    layout->addWidget(list, 1);

    if (!plan.Problems().empty()) {
        auto* heading = new QLabel(tr("Could not be read:"), this);
        layout->addWidget(heading);
        auto* problems = new QPlainTextEdit(this);
        problems->setObjectName(QStringLiteral("problems"));
        problems->setReadOnly(true);
        problems->setPlainText(ProblemLines(plan, 1000));
        problems->setMaximumHeight(120);
        layout->addWidget(problems);
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* import = buttons->addButton(tr("Import"), QDialogButtonBox::AcceptRole);
    import->setObjectName(QStringLiteral("import"));
    import->setDefault(true);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, 420);
    import->setFocus();
}
