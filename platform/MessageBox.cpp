#include "platform/MessageBox.h"

#include <QMessageBox>
#include <deque>

namespace {
struct Script
{
    bool scripted = false;
    std::deque<CMessageBox::Answer> answers;
    std::vector<CMessageBox::Shown> history;
};

Script& State()
{
    static Script script;
    return script;
}

QMessageBox::Icon ToQt(CMessageBox::Icon icon)
{
    switch (icon) {
    case CMessageBox::Icon::Information:
        return QMessageBox::Information;
    case CMessageBox::Icon::Exclamation:
        return QMessageBox::Warning;
    case CMessageBox::Icon::Error:
        return QMessageBox::Critical;
    case CMessageBox::Icon::Question:
        return QMessageBox::Question;
    case CMessageBox::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

CMessageBox::Answer CMessageBox::Show(QWidget* parent, const QString& text, const QString& caption,
                                      Icon icon, Buttons buttons)
{
    Script& script = State();
    if (script.scripted) {
        script.history.push_back({text, caption, icon, buttons});
        Answer answer = buttons == Buttons::Ok ? Answer::Ok : Answer::No;
        if (!script.answers.empty()) {
            answer = script.answers.front();
            script.answers.pop_front();
        }
        if (buttons == Buttons::Ok) {
            answer = Answer::Ok;
        }
        return answer;
    }

    QMessageBox box(ToQt(icon), caption, text,
                    buttons == Buttons::Ok ? QMessageBox::Ok : (QMessageBox::Yes | QMessageBox::No),
                    parent);
    if (buttons == Buttons::YesNo) {
        box.setDefaultButton(QMessageBox::Yes);
    }
    const int result = box.exec();
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

bool CMessageBox::Ask(QWidget* parent, const QString& text, const QString& caption)
{
    return Show(parent, text, caption, Icon::Question, Buttons::YesNo) == Answer::Yes;
}

void CMessageBox::SetScripted(bool scripted)
{
    State().scripted = scripted;
}

void CMessageBox::PushAnswer(Answer answer)
{
    State().answers.push_back(answer);
}

const std::vector<CMessageBox::Shown>& CMessageBox::History()
{
    return State().history;
}

void CMessageBox::ClearHistory()
{
    State().history.clear();
    State().answers.clear();
}
