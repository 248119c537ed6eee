#include "platform/FileDialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <deque>

namespace {
struct Script
{
    bool scripted = false;
    std::deque<std::optional<QString>> diaries;
    std::deque<std::optional<QString>> folders;
    std::deque<std::optional<QString>> files;
    QString proposed;
};

Script& State()
{
    static Script script;
    return script;
}

std::optional<QString> Pop(std::deque<std::optional<QString>>& queue)
{
    if (queue.empty()) {
        return std::nullopt;
    }
    std::optional<QString> answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}
} // namespace

DiaryChoice CFileDialogs::ChoiceFromPath(const QString& chosen)
{
    QString path = chosen;
    QString name = QFileInfo(path).fileName();
    // Like the diary dialog: a typed name without an extension gets ".ilm".
    if (!name.contains(QLatin1Char('.'))) {
        path += QStringLiteral(".ilm");
        name += QStringLiteral(".ilm");
    }

    DiaryChoice choice{path, 0, QString()};
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    choice.fileTitle = name.left(dot);
    if (dot == name.size() - 1) {
        return choice; // a name ending in a dot has no usable extension
    }

    // The store replaces the byte at this offset of the encoded path.
    const QByteArray encoded = QFile::encodeName(path);
    const int encodedDot = encoded.lastIndexOf('.');
    const int slash = encoded.lastIndexOf('/');
    if (encodedDot > slash && encodedDot + 1 < encoded.size() && encodedDot + 1 <= 0xFFFF) {
        choice.extLoc = static_cast<uint16_t>(encodedDot + 1);
    }
    return choice;
}

std::optional<DiaryChoice> CFileDialogs::OpenOrCreateDiary(QWidget* parent)
{
    std::optional<QString> path;
    if (State().scripted) {
        path = Pop(State().diaries);
    } else {
        QFileDialog dialog(parent, QStringLiteral("Open existing or create a new diary"));
        dialog.setNameFilter(QStringLiteral("Dayloom v2.xx files (*.ilm)"));
        dialog.setDefaultSuffix(QStringLiteral("ilm"));
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
    return ChoiceFromPath(*path);
}

std::optional<QString> CFileDialogs::ChooseFolder(QWidget* parent, const QString& title,
                                                  const QString& acceptLabel)
{
    if (State().scripted) {
        return Pop(State().folders);
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

std::optional<QString> CFileDialogs::SaveFile(QWidget* parent, const QString& title,
                                              const QString& filter, const QString& proposed,
                                              const QString& defaultSuffix)
{
    if (State().scripted) {
        State().proposed = proposed;
        return Pop(State().files);
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
    if (State().scripted) {
        return Pop(State().files);
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
    State().scripted = scripted;
}

void CFileDialogs::PushDiary(std::optional<QString> path)
{
    State().diaries.push_back(std::move(path));
}

void CFileDialogs::PushFolder(std::optional<QString> path)
{
    State().folders.push_back(std::move(path));
}

void CFileDialogs::PushFile(std::optional<QString> path)
{
    State().files.push_back(std::move(path));
}

QString CFileDialogs::LastProposed()
{
    return State().proposed;
}

void CFileDialogs::Reset()
{
    State().diaries.clear();
    State().folders.clear();
    State().files.clear();
    State().proposed.clear();
}
