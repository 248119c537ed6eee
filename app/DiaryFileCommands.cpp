#include "app/DiaryFileCommands.h"

#include "app/DiaryOpener.h"
#include "app/Guarded.h"
#include "app/OpenDiary.h"
#include "platform/AppInfo.h"
#include "platform/FileErrorMessage.h"
#include "platform/MessageBox.h"
#include "platform/RecentDiaries.h"
#include "platform/Settings.h"
#include "store/DiarySession.h"
#include "store/FileError.h"

#include <QFile>

std::optional<CDiaryFileCommands::Reopened> CDiaryFileCommands::ReopenLast()
{
    if (CSettings::GetProfileInt(QStringLiteral("OpenLastDiary"), 0) != 1) {
        return std::nullopt;
    }
    const std::string path =
        QFile::encodeName(CSettings::GetProfileString(QStringLiteral("DiaryFile"), QString()))
            .toStdString();
    const auto extLoc =
        static_cast<uint16_t>(CSettings::GetProfileInt(QStringLiteral("ExtLoc"), 0));
    // An extension position that does not point into the file name's own
    // extension would make the store write beside the diary: nothing opens.
    if (path.empty() || !CDiarySession::IsUsableExtension(path, extLoc)) {
        return std::nullopt;
    }
    try {
        return Reopened{CDiaryOpener::Open(nullptr, path, extLoc),
                        CSettings::GetProfileString(QStringLiteral("shortFile"), QString())};
    } catch (const CFileError& error) {
        CFileErrorMessage::Show(nullptr, error);
        return std::nullopt;
    }
}

void CDiaryFileCommands::OpenOrCreate()
{
    OpenChosen(CFileDialogs::OpenOrCreateDiary(&m_window));
}

void CDiaryFileCommands::OpenChosen(const std::optional<DiaryChoice>& choice)
{
    Guarded(&m_window, [this, &choice] {
        uint16_t extLoc = m_diary.IsOpen() ? m_diary.Session()->ExtLoc() : 0;
        if (choice) {
            const QString caption = CAppInfo::Caption(QStringLiteral("Open/Create Diary"));
            const std::string path = QFile::encodeName(choice->path).toStdString();
            if (!CDiarySession::IsUsableExtension(path, choice->extLoc)) {
                CMessageBox::Show(
                    &m_window,
                    QStringLiteral("A diary's file name needs an extension, as in travel.ilm. "
                                   "Please choose another name."),
                    caption);
                return;
            }
            // The files made beside the diary (the password switch's marker,
            // a kept draft) must fit the folder's name limit as well.
            if (CDiarySession::IsNameTooLong(path)) {
                CMessageBox::Show(&m_window,
                                  QStringLiteral("This file name is too long for a diary. Please "
                                                 "choose a shorter name."),
                                  caption);
                return;
            }
            CSettings::WriteProfileString(QStringLiteral("shortFile"), choice->fileTitle);
            if (!Open(path, choice->extLoc, choice->fileTitle)) {
                return;
            }
            CRecentDiaries::Add(choice->path);
            extLoc = choice->extLoc;
        }
        CSettings::WriteProfileString(
            QStringLiteral("DiaryFile"),
            m_diary.IsOpen()
                ? QFile::decodeName(QByteArray::fromStdString(m_diary.Session()->Path()))
                : QString());
        CSettings::WriteProfileInt(QStringLiteral("ExtLoc"), extLoc);
    });
}

bool CDiaryFileCommands::Open(const std::string& path, uint16_t extLoc, const QString& title)
{
    m_diary.Close();
    return m_diary.Take(CDiaryOpener::Open(&m_window, path, extLoc), title);
}

void CDiaryFileCommands::Close()
{
    m_diary.Close();
}
