#pragma once
// Opening a diary for the main window: the reservation that keeps a second
// Dayloom window off it, the read-only check, and the password prompt.

#include "platform/DiaryReservation.h"
#include "store/DiaryName.h"

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class CDiarySession;
class QWidget;

class CDiaryOpener
{
    Q_DECLARE_TR_FUNCTIONS(CDiaryOpener)

public:
    enum class Outcome
    {
        Unlocked, // the password matched
        New,      // no entry yet: the next one sets the password
        Cancelled,
        Refused // another window holds it, or it cannot be read (said)
    };
    struct Opened
    {
        Outcome outcome = Outcome::Refused;
        std::unique_ptr<CDiarySession> session;  // set for Unlocked and New
        std::unique_ptr<CDiaryReservation> lock; // none without a runtime folder
    };

    // Opens the diary, creating its folder for a new one; messages and the
    // prompt centre on `parent`.
    static Opened Open(QWidget* parent, const CDiaryName& name);
    // The open diary's file no longer opens with the key held (its password
    // was changed on another computer): says so and asks for the password,
    // as opening does. False when the user gave none or the diary cannot
    // be read (said).
    static bool UnlockAgain(QWidget* parent, CDiarySession& session);
};
