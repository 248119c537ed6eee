#pragma once
// Every message box of the program goes through here. In the program a real
// QMessageBox answers; in tests (scripted mode) queued answers do, and every
// message shown is recorded.

#include <QString>
#include <vector>

class QWidget;

class CMessageBox
{
public:
    enum class Icon
    {
        None,
        Information,
        Exclamation,
        Error,
        Question
    };
    enum class Buttons
    {
        Ok,
        YesNo,
        Custom // the buttons named by Choose()
    };
    enum class Answer
    {
        Ok,
        Yes,
        No
    };

    struct Shown
    {
        QString text;
        QString caption;
        Icon icon;
        Buttons buttons;
        std::vector<QString> choices = {}; // the buttons of a Choose() question
    };

    static Answer Show(QWidget* parent, const QString& text, const QString& caption,
                       Icon icon = Icon::Exclamation, Buttons buttons = Buttons::Ok);
    // Shorthand for a Yes/No question; true for Yes.
    static bool Ask(QWidget* parent, const QString& text, const QString& caption);

    // A question with buttons of its own; returns the index of the button
    // chosen. Esc and the close button count as the default button, so the
    // default must be the choice that loses nothing.
    static int Choose(QWidget* parent, const QString& text, const QString& caption,
                      const std::vector<QString>& buttons, int defaultButton);

    // Scripted mode for tests: no window is shown; Show() takes the next
    // queued answer (Ok for an OK box and No for a question when none is
    // queued) and records the message.
    static void SetScripted(bool scripted);
    static void PushAnswer(Answer answer);
    // The next Choose() answer; without one Choose() takes its default.
    static void PushChoice(int button);
    static const std::vector<Shown>& History();
    static void ClearHistory(); // also drops queued answers
};
