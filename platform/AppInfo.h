#pragma once
// Names and captions the whole program shares.

#include <QString>

class CAppInfo
{
public:
    // "Dayloom v2.21" (the project's major and minor version): the caption of
    // every message that names no command, and the bare window title.
    static QString Title();
    // A command's own caption: "Delete Entry" -> "Delete Entry - Dayloom v2.21".
    static QString Caption(const QString& name);
    // The program file's base name ("dayloom"): the settings' application
    // name.
    static QString AppName();
    // The product web site and the author's mail address (set at build time).
    static QString WebSite();
    static QString MailAddress();
    // Where the program's data files (faces, TIPS.TXT, help pages) are: the
    // override alone when one is set (SetDataDir), otherwise the first of the
    // executable's folder, ../share/dayloom beside it and the fallback folder
    // that holds `fileName`. Returns the full path, or an empty string when
    // none does.
    static QString FindDataFile(const QString& fileName);
    static void SetDataDir(const QString& dir);
    // For programs that run from neither of the program's folders (the test
    // programs point it at the sources' data); the program sets none.
    static void SetFallbackDataDir(const QString& dir);
};
