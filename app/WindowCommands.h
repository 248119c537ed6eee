#pragma once
// The commands the main window runs itself, as its menu items and picture
// buttons reach them without knowing the window.

class QString;

class CWindowCommands
{
public:
    virtual ~CWindowCommands() = default;

    virtual void OnOpenCreateDiary() = 0;
    // Opens the diary at `path` (full path) as Open/Create would.
    virtual void OpenDiaryFile(const QString& path) = 0;
    virtual void OnNewEntry() = 0;
    virtual void OnEditEntry() = 0;
    virtual void OnFirst() = 0;
    virtual void OnPrevious() = 0;
    virtual void OnNext() = 0;
    virtual void OnLast() = 0;
    virtual void OnSearch() = 0;
    // Ctrl+F: search mode on, the cursor in the search field.
    virtual void OnFind() = 0;
    virtual void OnDeleteEntry() = 0;
    virtual void OnReminders() = 0;
    virtual void OnPlanner() = 0;
    virtual void OnOptions() = 0;
    virtual void OnPrintCurrentEntry() = 0;
    virtual void OnPrintAllEntries() = 0;
    virtual void OnTipOfTheDay() = 0;
    virtual void OnAbout() = 0;
    virtual void OnHelpContents() = 0;
    virtual void OnHelpMainWindow() = 0;
    virtual void OnWebSite() = 0;
    virtual void OnMail() = 0;
    // Exit: the window closes, and the program with it.
    virtual void OnExit() = 0;
};
