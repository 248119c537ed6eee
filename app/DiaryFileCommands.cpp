#include "app/DiaryFileCommands.h"

#include "app/DiaryOpener.h"
#include "app/Guarded.h"
#include "app/OpenDiary.h"
#include "platform/AppInfo.h"
#include "platform/FileErrorMessage.h"
#include "platform/MessageBox.h"
#include "platform/PathText.h"
#include "platform/RecentDiaries.h"
#include "platform/Settings.h"
#include "store/DiarySession.h"
#include "store/FileError.h"

std::optional<CDiaryFileCommands::Reopened> CDiaryFileCommands::ReopenLast()
{
    if (CSettings::Get(CSettings::kOpenLastDiary) != 1) {
        return std::nullopt;
    }
    const CDiaryName name(CPathText::Encoded(CSettings::Get(CSettings::kDiaryFile)),
                          static_cast<uint16_t>(CSettings::Get(CSettings::kExtLoc)));
    // An extension position that does not point into the file name's own
    // extension would make the store write beside the diary: nothing opens.
    if (!name.IsUsable()) {
        return std::nullopt;
    }
    try {
        return Reopened{CDiaryOpener::Open(nullptr, name), CSettings::Get(CSettings::kShortFile)};
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
        uint16_t extLoc = m_diary.IsOpen() ? m_diary.Session()->Name().ExtLoc() : 0;
        if (choice) {
            const QString caption = CAppInfo::Caption(tr("Open/Create Diary"));
            if (!choice->name.IsUsable()) {
                CMessageBox::Show(&m_window,
                                  tr("A diary's file name needs an extension, as in travel.ilm. "
                                     "Please choose another name."),
                                  caption);
                return;
            }
            // The files made beside the diary (the password switch's marker,
            // a kept draft) must fit the folder's name limit as well.
            if (CDiarySession::IsNameTooLong(choice->name.Path())) {
                CMessageBox::Show(&m_window,
                                  tr("This file name is too long for a diary. Please "
                                     "choose a shorter name."),
                                  caption);
                return;
            }
            CSettings::Set(CSettings::kShortFile, choice->fileTitle);
            if (!Open(choice->name, choice->fileTitle)) {
                return;
            }
            CRecentDiaries::Add(CPathText::Decoded(choice->name.Path()));
            extLoc = choice->name.ExtLoc();
        }
        CSettings::Set(CSettings::kDiaryFile, m_diary.IsOpen()
                                                  ? CPathText::Decoded(m_diary.Session()->Path())
                                                  : QString());
        CSettings::Set(CSettings::kExtLoc, extLoc);
    });
}

bool CDiaryFileCommands::Open(const CDiaryName& name, const QString& title)
{
    m_diary.Close();
    return m_diary.Take(CDiaryOpener::Open(&m_window, name), title);
}

void CDiaryFileCommands::Close()
{
    m_diary.Close();
}
