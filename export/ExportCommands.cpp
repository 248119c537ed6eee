#include "export/ExportCommands.h"

#include "export/DiaryBackup.h"
#include "export/DiaryExporter.h"
#include "export/ExportOptionsDlg.h"
#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/PathText.h"
#include "platform/ProgressDialog.h"
#include "platform/Settings.h"
#include "platform/WaitCursor.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/FileError.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

QString ExportCaption()
{
    return CAppInfo::Caption(QCoreApplication::translate("CExportCommands", "Export Diary"));
}

QString Decoded(const std::string& path)
{
    return CPathText::Decoded(path);
}

QString DiaryFolder(const CDiarySession& session)
{
    return QFileInfo(Decoded(session.Path())).absolutePath();
}

bool IsEncrypted(const CDiarySession& session)
{
    return session.Name().IsEncrypted();
}

QDate LocalDate(int64_t time)
{
    return QDateTime::fromSecsSinceEpoch(time).date();
}

} // namespace

void CExportCommands::ExportDiary(QWidget* parent, const CDiarySession& session)
{
    const QString caption = ExportCaption();
    if (IsEncrypted(session) &&
        !CMessageBox::Ask(parent,
                          tr("The exported file is not encrypted: anyone who can read "
                             "it can read these entries. Export anyway?"),
                          caption)) {
        return;
    }
    std::vector<EntryHeader> headers;
    try {
        session.MakeStore()->ReadAllEntryHeaders(headers);
    } catch (const CFileError& error) {
        CMessageBox::Show(parent, QString::fromLocal8Bit(error.what()), caption);
        return;
    }
    if (headers.empty()) {
        CMessageBox::Show(parent, tr("The diary has no entries to export."), caption);
        return;
    }
    const auto [first, last] = std::minmax_element(
        headers.begin(), headers.end(),
        [](const EntryHeader& a, const EntryHeader& b) { return a.time < b.time; });

    CExportOptionsDlg options(parent, LocalDate(first->time), LocalDate(last->time));
    if (CModal::Exec(options) != QDialog::Accepted) {
        return;
    }

    const QString proposed = QDir(DiaryFolder(session))
                                 .filePath(Decoded(session.Name().Title()) + QStringLiteral(".md"));
    QString path;
    std::optional<ExportFormat> format;
    while (!format) {
        const std::optional<QString> chosen = CFileDialogs::SaveFile(
            parent, tr("Export diary as"),
            tr("Markdown, web page, plain text or CSV (*.md *.html *.txt *.csv)"),
            path.isEmpty() ? proposed : path, QStringLiteral("md"));
        if (!chosen) {
            return;
        }
        path = *chosen;
        format = CDiaryExporter::FormatForPath(path);
        if (!format) {
            CMessageBox::Show(parent,
                              tr("The file's extension chooses what is written: .md "
                                 "for Markdown, .html for a web page, .txt for plain "
                                 "text or .csv for a spreadsheet."),
                              caption);
        }
    }

    std::unique_ptr<CProgressDialog> progress;
    const ExportOutcome outcome =
        CDiaryExporter::Export(session, LoadRatingLabels(), path, *format, options.Range(),
                               [&progress, parent, &caption](int done, int total) {
                                   if (!progress) {
                                       progress = std::make_unique<CProgressDialog>(
                                           parent, caption, tr("Exporting the diary..."), total);
                                   }
                                   return progress->Step(done);
                               });
    progress.reset();
    if (outcome.status == ExportOutcome::Status::Written) {
        CMessageBox::Show(parent,
                          (outcome.entries == 1
                               ? tr("1 entry was exported to %1.")
                               : tr("%n entries were exported to %1.", "", outcome.entries))
                              .arg(QDir::toNativeSeparators(path)),
                          caption, CMessageBox::Icon::Information);
    } else {
        CMessageBox::Show(parent, outcome.message, caption);
    }
}

void CExportCommands::BackUpDiary(QWidget* parent, const CDiarySession& session, const QDate& today)
{
    const QString caption = CAppInfo::Caption(tr("Back Up Diary"));
    QString folder = CSettings::Get(CSettings::kBackupFolder);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = DiaryFolder(session);
    }
    const QString name = CDiaryBackup::DefaultArchiveName(session.Name(), today);
    const std::optional<QString> chosen =
        CFileDialogs::SaveFile(parent, tr("Back up diary as"), tr("Zip archives (*.zip)"),
                               QDir(folder).filePath(name), QStringLiteral("zip"));
    if (!chosen) {
        return;
    }
    CSettings::Set(CSettings::kBackupFolder, QFileInfo(*chosen).absolutePath());
    BackupOutcome outcome;
    {
        const CWaitCursor wait;
        outcome = CDiaryBackup::Backup(session, QFile::encodeName(*chosen).toStdString());
    }
    if (outcome.ok) {
        CMessageBox::Show(
            parent, tr("The diary was backed up to %1.").arg(QDir::toNativeSeparators(*chosen)),
            caption, CMessageBox::Icon::Information);
    } else {
        CMessageBox::Show(parent, outcome.message, caption);
    }
}

std::optional<DiaryChoice> CExportCommands::RestoreFromBackup(QWidget* parent)
{
    const QString caption = CAppInfo::Caption(tr("Restore from backup"));
    const std::optional<QString> archive =
        CFileDialogs::OpenFile(parent, tr("Restore from backup"), tr("Zip archives (*.zip)"),
                               CSettings::Get(CSettings::kBackupFolder));
    if (!archive) {
        return std::nullopt;
    }
    const std::optional<QString> folder =
        CFileDialogs::ChooseFolder(parent, tr("Restore the diary into folder"), tr("Restore"));
    if (!folder) {
        return std::nullopt;
    }
    const std::string archivePath = QFile::encodeName(*archive).toStdString();
    const std::string folderPath = QFile::encodeName(*folder).toStdString();
    RestoreOutcome outcome = CDiaryBackup::Restore(archivePath, folderPath, false);
    if (outcome.status == RestoreOutcome::Status::Exists) {
        if (!CMessageBox::Ask(parent, outcome.message, caption)) {
            return std::nullopt;
        }
        outcome = CDiaryBackup::Restore(archivePath, folderPath, true);
    }
    if (outcome.status != RestoreOutcome::Status::Restored) {
        CMessageBox::Show(parent, outcome.message, caption);
        return std::nullopt;
    }
    return CFileDialogs::ChoiceFromPath(Decoded(outcome.diary.Path()));
}
