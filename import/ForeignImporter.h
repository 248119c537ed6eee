#pragma once
// "Import from another program...": asks for an export file (or any one
// file of a folder of Markdown and text files), reads it as what it holds,
// shows the preview and, on Import, adds the new entries to the open diary
// in one safe rewrite, or to a new encrypted diary when none is open.

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <string>

class CDiarySession;
class QWidget;

class CForeignImporter
{
    Q_DECLARE_TR_FUNCTIONS(CForeignImporter)

public:
    // What the import needs from the main window.
    class Host
    {
    public:
        virtual ~Host() = default;
        // The parent of every message and dialog.
        virtual QWidget* Window() = 0;
        // The open diary, null when none is.
        virtual const CDiarySession* Session() const = 0;
        // False (after saying why) when the open diary cannot be changed.
        virtual bool MayChange() = 0;
        // Asks where to create a new encrypted diary and opens it; false
        // when the user gave none (or it did not open).
        virtual bool CreateEncryptedDiary() = 0;
        // The new-diary password flow; the password's bytes, or nullopt
        // when it ended without one.
        virtual std::optional<std::string> AskNewPassword() = 0;
        // The import has written to the diary: its list, graph and search
        // texts are read again.
        virtual void ReloadDiary(bool hasEntries) = 0;
    };

    explicit CForeignImporter(Host& host) : m_host(host) {}

    // The whole command, from the file dialog to the closing message.
    void Run();

    static QString Caption();

private:
    void Say(const QString& text);

    Host& m_host;
};
