#pragma once
// "Import from Dayloom v1.00": converts every version-1 entry file of a
// chosen DATA folder into an entry of a diary the user opens or creates. The
// text is wrapped into a minimal RTF document, the mood is taken over and
// every other rating, mark and measurement is zero; all converted entries get
// the diary's password.

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>

class CDiarySession;
class QWidget;

class CVersion1Importer
{
    Q_DECLARE_TR_FUNCTIONS(CVersion1Importer)

public:
    // What the import needs from the main window.
    class Host
    {
    public:
        virtual ~Host() = default;
        // The parent of every message and dialog.
        virtual QWidget* Window() = 0;
        // Closes the open diary and runs the "Open/Create Diary" command.
        virtual void CloseAndOpenOrCreateDiary() = 0;
        // The diary now open (unlocked, or new), null when none is.
        virtual const CDiarySession* Session() const = 0;
        // The new-diary password flow; the password's bytes, or nullopt
        // when it ended without one.
        virtual std::optional<std::string> AskNewPassword() = 0;
        // The import has written to the diary: the new-diary flag becomes
        // !hasEntries and the entry list and graph are read again.
        virtual void ReloadDiary(bool hasEntries) = 0;
    };

    explicit CVersion1Importer(Host& host);

    // The whole command, from the first message to the reload.
    void Run();

    // True when the folder path has a component named exactly "DATA".
    static bool IsDataFolder(const QString& folder);
    // The version-1 files of a folder: "*.??D", letter case ignored, sorted by
    // name.
    static QStringList ListFiles(const QString& folder);

private:
    // Converts the files into the open diary and sorts it; false when it
    // stopped on an error (already shown). hasEntries: whether the diary now
    // holds entries.
    bool ConvertFiles(const QString& folder, const QStringList& files, const std::string& password,
                      bool& hasEntries);
    std::optional<std::string> DiaryPassword();

    Host& m_host;
    // Files converted, passed over because their names carry no date and
    // time, and passed over because the diary already holds their entry.
    int m_nConverted = 0;
    int m_nSkipped = 0;
    int m_nDuplicates = 0;
};
