#include "platform/MessageBox.h"

#include "platform/Modal.h"
#include "platform/Script.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

namespace {
CScript<CMessageBox::Answer, CMessageBox::Shown>& Script()
{
    static CScript<CMessageBox::Answer, CMessageBox::Shown> script;
    return script;
}

// The answers to Choose(), queued apart from the Yes/No/OK ones.
CScript<int>& Choices()
{
    static CScript<int> script;
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

// Room the window manager takes from the title bar beside the caption: the
// window icon and the three title buttons.
constexpr int kTitleBarFurniture = 120;

// QMessageBox sizes itself to its text and leaves room for a caption in a
// plain font only; title bars draw it bold between an icon and three buttons,
// so a short message under a long caption showed "New En... m v2.21". A
// spacer as wide as the bold caption keeps the box wide enough for it.
void MakeRoomForCaption(QMessageBox& box, const QString& caption)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) {
        return;
    }
    QFont bold = box.font();
    bold.setBold(true);
    const int width = QFontMetrics(bold).horizontalAdvance(caption) + kTitleBarFurniture;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}
} // namespace

CMessageBox::Answer CMessageBox::Show(QWidget* parent, const QString& text, const QString& caption,
                                      Icon icon, Buttons buttons)
{
    if (Script().IsOn()) {
        Script().Record({text, caption, icon, buttons, {}});
        const Answer answer = Script().Next().value_or(Answer::No);
        return buttons == Buttons::Ok ? Answer::Ok : answer;
    }

    QMessageBox box(ToQt(icon), caption, text,
                    buttons == Buttons::Ok ? QMessageBox::Ok : (QMessageBox::Yes | QMessageBox::No),
                    parent);
    if (buttons == Buttons::YesNo) {
        box.setDefaultButton(QMessageBox::Yes);
    }
    MakeRoomForCaption(box, caption);
    const CModal::WaitScope waiting(&box, true);
    const int result = box.exec();
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

int CMessageBox::Choose(QWidget* parent, const QString& text, const QString& caption,
                        const std::vector<QString>& buttons, int defaultButton)
{
    if (Script().IsOn()) {
        Script().Record({text, caption, Icon::Question, Buttons::Custom, buttons});
        return Choices().Next().value_or(defaultButton);
    }

    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, parent);
    std::vector<QAbstractButton*> made;
    for (const QString& name : buttons) {
        made.push_back(box.addButton(name, QMessageBox::ActionRole));
    }
    if (defaultButton >= 0 && defaultButton < static_cast<int>(made.size())) {
        box.setDefaultButton(static_cast<QPushButton*>(made[defaultButton]));
        box.setEscapeButton(made[defaultButton]);
    }
    MakeRoomForCaption(box, caption);
    const CModal::WaitScope waiting(&box, true);
    box.exec();
    for (size_t i = 0; i < made.size(); ++i) {
        if (box.clickedButton() == made[i]) {
            return static_cast<int>(i);
        }
    }
    return defaultButton;
}

bool CMessageBox::Ask(QWidget* parent, const QString& text, const QString& caption)
{
    return Show(parent, text, caption, Icon::Question, Buttons::YesNo) == Answer::Yes;
}

void CMessageBox::SetScripted(bool scripted)
{
    Script().SetOn(scripted);
}

void CMessageBox::PushAnswer(Answer answer)
{
    Script().Push(answer);
}

const std::vector<CMessageBox::Shown>& CMessageBox::History()
{
    return Script().Recorded();
}

void CMessageBox::PushChoice(int button)
{
    Choices().Push(button);
}

void CMessageBox::ClearHistory()
{
    Script().Reset();
    Choices().Reset();
}
