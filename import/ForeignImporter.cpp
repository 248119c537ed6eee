#include "import/ForeignImporter.h"

#include "import/ForeignExport.h"
#include "import/ImportPlan.h"
#include "import/ImportPreviewDlg.h"
#include "platform/AppInfo.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/Settings.h"
#include "platform/WaitCursor.h"
#include "store/DiarySession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kFolderKey = QStringLiteral("ImportFolder");
constexpr int kProblemsInMessages = 20;

QString WithProblems(QString text, const CImportPlan& plan)
{
    if (!plan.Problems().empty()) {
        text += QCoreApplication::translate("CForeignImporter", "\n\nCould not be read:\n") +
                CImportPreviewDlg::ProblemLines(plan, kProblemsInMessages);
    }
    return text;
}

} // namespace

QString CForeignImporter::Caption()
{
    return CAppInfo::Caption(tr("Import from another program"));
}

void CForeignImporter::Say(const QString& text)
{
    CMessageBox::Show(m_host.Window(), text, Caption(), CMessageBox::Icon::Information);
}

void CForeignImporter::Run()
{
    QWidget* window = m_host.Window();
    const std::optional<QString> path = CFileDialogs::OpenFile(
        window, tr("Import from another program"),
        tr("Diary exports (*.json *.zip *.md *.markdown *.txt);;All files (*)"),
        CSettings::GetProfileString(kFolderKey, QDir::homePath()));
    if (!path || path->isEmpty()) {
        return;
    }
    CSettings::WriteProfileString(kFolderKey, QFileInfo(*path).absolutePath());
    const QString source = QFileInfo(*path).fileName();

    // One file per entry: the whole folder, if the user wants it.
    std::optional<ForeignBatch> batch;
    QFile head(*path);
    if (head.open(QIODevice::ReadOnly) &&
        CForeignExport::KindOf(head.read(4096)) == CForeignExport::Kind::Text) {
        head.close();
        const QStringList files = CForeignExport::TextFilesBeside(*path);
        if (files.size() > 1 &&
            CMessageBox::Ask(
                window,
                tr("Import all %n Markdown and text files of this folder?", "", int(files.size())),
                Caption())) {
            CWaitCursor wait;
            batch = CForeignExport::ReadTextFiles(files);
        }
    }
    std::optional<CImportPlan> plan;
    {
        CWaitCursor wait;
        if (!batch) {
            batch = CForeignExport::ReadFile(*path);
        }
        plan.emplace(std::move(*batch));
    }
    if (plan->Entries().empty()) {
        Say(WithProblems(tr("Nothing could be imported from %1.").arg(source), *plan));
        return;
    }
    if (m_host.Session() != nullptr) {
        if (!m_host.MayChange()) {
            return;
        }
        CWaitCursor wait;
        const auto store = m_host.Session()->MakeStore();
        plan->Check(store.get());
    }
    if (plan->NewCount() == 0) {
        Say(WithProblems(tr("Nothing to import: the diary already holds all %1 "
                            "entries of %2.")
                             .arg(plan->KnownCount())
                             .arg(source),
                         *plan));
        return;
    }
    CImportPreviewDlg preview(window, source, *plan);
    if (CModal::Exec(preview) != QDialog::Accepted) {
        return;
    }

    if (m_host.Session() == nullptr && !m_host.CreateEncryptedDiary()) {
        return;
    }
    const CDiarySession* session = m_host.Session();
    if (session->IsReadOnly()) {
        m_host.MayChange(); // says why
        return;
    }
    if (session->IsNew() && !m_host.AskNewPassword()) {
        return;
    }

    std::optional<int> added;
    {
        CWaitCursor wait;
        // One safe rewrite: should it fail (said), the diary holds what it
        // held before.
        added = plan->Write(*session);
    }
    m_host.ReloadDiary(!session->IsNew() || added.value_or(0) > 0);
    if (added) {
        Say(WithProblems(CImportPreviewDlg::Summary(*added, plan->KnownCount(), true), *plan));
    }
}
