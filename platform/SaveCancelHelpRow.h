#pragma once
// The button row at the foot of the settings dialogs: "SAVE" (the default),
// a picture-only Cancel and "HELP!", right-aligned and all of one size. SAVE
// accepts the dialog, Cancel rejects it, HELP! and F1 open the help at the
// dialog's own page.

#include "platform/Help.h"

#include <QCoreApplication>

class QDialog;
class QHBoxLayout;

class CSaveCancelHelpRow
{
    Q_DECLARE_TR_FUNCTIONS(CSaveCancelHelpRow)

public:
    // The buttons are children of `dialog` ("save", "cancel", "help"); the
    // caller adds the returned layout where the row belongs.
    static QHBoxLayout* Create(QDialog* dialog, HelpContext helpContext);
};
