#pragma once
// The frame the Reminders and Planner dialogs share: the list of the diary's
// records on top, a group with the fields of a new record, and the row Add
// (the default button), Delete, OK and HELP! below, F1 included. The dialog
// lays out the group's fields and adds buttons of its own to the row.

#include "platform/Help.h"

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <string>

class QDialog;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QListWidget;
class QPushButton;

struct PlanningFormTexts
{
    QString name;       // "Reminders": the title is "Reminders - Dayloom v2.21"
    QString record;     // "Reminder": the commands' captions ("Add Reminder - ...")
    QString widestLine; // a long line the list must show in full
    QString listTip;
    QString group;
    QString descriptionTip;
    QString addTip;
    QString deleteTip;
    QString okTip;
    int maxDescription; // most characters a description keeps in the file
    HelpContext help;
};

class CPlanningForm
{
    Q_DECLARE_TR_FUNCTIONS(CPlanningForm)

public:
    CPlanningForm(QDialog* dialog, const PlanningFormTexts& texts);

    // The line a command acts on. nullopt when the list is empty (nothing to
    // do) or when no line is selected: then `refusal` is shown, captioned
    // with `command` ("Delete" -> "Delete Reminder - Dayloom v2.21").
    std::optional<int> ChosenRow(const QString& refusal, const QString& command) const;
    // The description as the file stores it. nullopt when it has characters
    // the diary cannot store: a message names them, and the field keeps the
    // text for the user to correct. A diary that keeps texts in any script
    // (KeepAnyScript) stores `?` for each such character, and `anyScript`
    // receives the text (UTF-8) to keep beside the record.
    std::optional<std::string> DescriptionBytes(std::string* anyScript = nullptr) const;
    // Whether the diary keeps descriptions in any script (an encrypted one).
    void KeepAnyScript(bool keep) { m_bAnyScript = keep; }

    QListWidget* list;
    QGroupBox* group;
    QLineEdit* description;
    QPushButton* add;
    QPushButton* remove;
    QPushButton* ok;
    QPushButton* help;
    QHBoxLayout* buttons; // Add, Delete, a stretch, OK, HELP!

private:
    // Cuts what goes beyond the description's length off the text just
    // edited, and says what was not taken.
    void KeepWithinLength(const QString& text);

    QDialog* m_pDialog;
    QString m_strRecord;
    int m_nMaxDescription;
    bool m_bAnyScript = false;
};
