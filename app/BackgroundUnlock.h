#pragma once
// Unlocks a diary with a typed password without holding up the window: an
// encrypted diary's key derivation (Argon2id, up to seconds with a costly
// header), the reading and opening of its file and a one-time upgrade of an
// older file all run on a worker thread behind a modal "Unlocking..." with
// Cancel (CBackgroundWork). A four-file diary, whose password is a plain
// comparison with its first record's, is unlocked on the spot.
//
// Used by the password prompt at opening (start-up, File > Open), by the
// locked window's Unlock and by a merge that asks for the other copy's
// password.

#include "store/Passphrase.h"

#include <memory>
#include <string>

class CDiarySession;
class QWidget;

class CBackgroundUnlock
{
public:
    enum class Outcome
    {
        Unlocked,      // the session is unlocked
        WrongPassword, // the session is handed back still locked: try again
        Failed,        // damaged, of a newer format, unreadable: `failure` says why
        Cancelled      // the user cancelled: no session comes back
    };
    struct Result
    {
        Outcome outcome = Outcome::Cancelled;
        // The session given, back for every outcome but Cancelled; a
        // cancelled session is wiped and destroyed on the worker once its
        // unlocking ends.
        std::unique_ptr<CDiarySession> session;
        std::string failure; // the store's message for Failed
    };

    // Unlocks `session` (its first entry read: CDiarySession::ReadFirstEntry)
    // with `typed`; the dialog centres on `parent`.
    static Result Unlock(QWidget* parent, std::unique_ptr<CDiarySession> session, Passphrase typed);
};
