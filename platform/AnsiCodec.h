#pragma once
// The byte strings inside diary files (passwords, reminder and planner
// descriptions) are single-byte text in the Windows ANSI code page; this is
// the one place that converts them to and from QString (Windows-1252).

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

class CAnsiCodec
{
    Q_DECLARE_TR_FUNCTIONS(CAnsiCodec)

public:
    static QString ToQString(std::string_view bytes);
    // nullopt when `text` has a character the code page cannot hold.
    static std::optional<std::string> FromQString(const QString& text);
    // True when every character of `text` fits the code page.
    static bool CanEncode(const QString& text);
    // The user's message for text that does not fit.
    static QString UnsupportedMessage();
    // The same, naming each character of `text` that does not fit, once, in
    // the order they first appear ("... cannot store: Ж, 😀. ...").
    static QString UnsupportedMessage(const QString& text);
};
