#pragma once
// The open diary's password asked again before a command hands its content
// out in plain form ("Save decrypted copy...", "Export diary...", printing
// to a PDF file) and before "Change password..." replaces it: whoever finds
// the window open and unlocked gets nothing out of it without the password.

#include <QString>
#include <optional>

class CDiarySession;
class QWidget;

class CCurrentPassword
{
public:
    // What a wrong password is told, here and when a diary is opened.
    static QString WrongPasswordMessage();

    // Whether `typed` is the open diary's password. A four-file diary's is
    // compared with the one it was unlocked with; an encrypted diary's must
    // open the key in the file's header, a key derivation that runs off the
    // window's thread behind "Checking the password..."; nullopt when the
    // user cancelled that.
    static std::optional<bool> Matches(QWidget* parent, const CDiarySession& session,
                                       const QString& typed);

    // The "Security" prompt with one field: a wrong password is said and
    // the user tries again or cancels. True once the password was given;
    // false on Cancel. A diary that has no password yet asks nothing.
    static bool Confirm(QWidget* parent, const CDiarySession& session);
};
