#include "platform/FileDialogs.h"

#include "platform/PathText.h"
#include "platform/Script.h"
#include "store/DiaryName.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace {
// The diary chooser and the folder chooser answer from queues of their own.
CScript<std::optional<QString>>& Diaries()
{
    static CScript<std::optional<QString>> script;
    return script;
}

CScript<std::optional<QString>>& Folders()
{
    static CScript<std::optional<QString>> script;
    return script;
}

CScript<std::optional<QString>>& Pictures()
{
    static CScript<std::optional<QString>> script;
    return script;
}

// SaveFile and OpenFile; the record holds the names SaveFile proposed.
CScript<std::optional<QString>, QString>& Files()
{
    static CScript<std::optional<QString>, QString> script;
    return script;
}
} // namespace

const QString CFileDialogs::kEncryptedFilter =
    QCoreApplication::translate("CFileDialogs", "Encrypted diaries (*.dayloom)");
const QString CFileDialogs::kScrambledFilter =
    QCoreApplication::translate("CFileDialogs", "Dayloom v2.xx files, scrambled only (*.ilm)");

DiaryChoice CFileDialogs::ChoiceFromPath(const QString& chosen, const QString& extension)
{
    QString path = chosen;
    QString name = QFileInfo(path).fileName();
    // Like the diary dialog: a typed name without an extension gets the
    // chosen kind's.
    if (!name.contains(QLatin1Char('.'))) {
        path += QLatin1Char('.') + extension;
        name += QLatin1Char('.') + extension;
    }

    DiaryChoice choice{path, CDiaryName(CPathText::Encoded(path), 0), QString()};
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    choice.fileTitle = name.left(dot);
    if (dot == name.size() - 1) {
        return choice; // a name ending in a dot has no usable extension
    }

    // The store replaces the byte at the extension's offset in the encoded path.
    choice.name = CDiaryName(CPathText::Encoded(path));
    return choice;
}

std::optional<DiaryChoice> CFileDialogs::OpenOrCreateDiary(QWidget* parent)
{
    std::optional<QString> path;
    QString extension = QStringLiteral("dayloom");
    if (Diaries().IsOn()) {
        path = Diaries().Next().value_or(std::nullopt);
    } else {
        // New diaries are encrypted unless the user picks the other kind.
        QFileDialog dialog(parent, tr("Open existing or create a new diary"));
        dialog.setNameFilters({kEncryptedFilter, kScrambledFilter});
        dialog.selectNameFilter(kEncryptedFilter);
        dialog.setDefaultSuffix(extension);
        // A name typed without an extension gets the chosen kind's.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, &extension](const QString& filter) {
                             extension = filter == kScrambledFilter ? QStringLiteral("ilm")
                                                                    : QStringLiteral("dayloom");
                             dialog.setDefaultSuffix(extension);
                         });
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setOption(QFileDialog::ReadOnly, false);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
            path = dialog.selectedFiles().constFirst();
        }
    }
    if (!path || path->isEmpty()) {
        return std::nullopt;
    }
    return ChoiceFromPath(*path, extension);
}

std::optional<QString> CFileDialogs::ChooseFolder(QWidget* parent, const QString& title,
                                                  const QString& acceptLabel)
{
    if (Folders().IsOn()) {
        return Folders().Next().value_or(std::nullopt);
    }
    QFileDialog dialog(parent, title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setLabelText(QFileDialog::Accept, acceptLabel);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> CFileDialogs::SavePicture(QWidget* parent, const QString& suggestedPath)
{
    if (Pictures().IsOn()) {
        return Pictures().Next().value_or(std::nullopt);
    }
    QFileDialog dialog(parent, tr("Save picture"), suggestedPath);
    dialog.setNameFilter(tr("PNG pictures (*.png)"));
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> CFileDialogs::SaveFile(QWidget* parent, const QString& title,
                                              const QString& filter, const QString& proposed,
                                              const QString& defaultSuffix)
{
    if (Files().IsOn()) {
        Files().Record(proposed);
        return Files().Next().value_or(std::nullopt);
    }
    QFileDialog dialog(parent, title);
    dialog.setNameFilter(filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> CFileDialogs::OpenFile(QWidget* parent, const QString& title,
                                              const QString& filter, const QString& folder)
{
    if (Files().IsOn()) {
        return Files().Next().value_or(std::nullopt);
    }
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

void CFileDialogs::SetScripted(bool scripted)
{
    Diaries().SetOn(scripted);
    Folders().SetOn(scripted);
    Pictures().SetOn(scripted);
    Files().SetOn(scripted);
}

void CFileDialogs::PushDiary(std::optional<QString> path)
{
    Diaries().Push(std::move(path));
}

void CFileDialogs::PushFolder(std::optional<QString> path)
{
    Folders().Push(std::move(path));
}

void CFileDialogs::PushPicture(std::optional<QString> path)
{
    Pictures().Push(std::move(path));
}

void CFileDialogs::PushFile(std::optional<QString> path)
{
    Files().Push(std::move(path));
}

QString CFileDialogs::LastProposed()
{
    return Files().Recorded().empty() ? QString() : Files().Recorded().back();
}

void CFileDialogs::Reset()
{
    Files().Reset();
    Diaries().Reset();
    Folders().Reset();
    Pictures().Reset();
}
