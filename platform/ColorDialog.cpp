#include "platform/ColorDialog.h"

#include <QColorDialog>
#include <deque>

namespace {
struct Script
{
    bool scripted = false;
    std::deque<std::optional<QColor>> answers;
};

Script& State()
{
    static Script script;
    return script;
}
} // namespace

std::optional<QColor> CColorDialog::Choose(QWidget* parent, const QColor& initial)
{
    Script& script = State();
    if (script.scripted) {
        if (script.answers.empty()) {
            return std::nullopt;
        }
        std::optional<QColor> answer = script.answers.front();
        script.answers.pop_front();
        return answer;
    }
    const QColor color = QColorDialog::getColor(initial, parent);
    if (!color.isValid()) {
        return std::nullopt;
    }
    return color;
}

void CColorDialog::SetScripted(bool scripted)
{
    State().scripted = scripted;
}

void CColorDialog::PushAnswer(std::optional<QColor> color)
{
    State().answers.push_back(color);
}

void CColorDialog::Reset()
{
    State().answers.clear();
}
