#include "platform/ColorDialog.h"

#include "platform/Script.h"

#include <QColorDialog>

namespace {
CScript<std::optional<QColor>>& Script()
{
    static CScript<std::optional<QColor>> script;
    return script;
}
} // namespace

std::optional<QColor> CColorDialog::Choose(QWidget* parent, const QColor& initial)
{
    if (Script().IsOn()) {
        return Script().Next().value_or(std::nullopt);
    }
    const QColor color = QColorDialog::getColor(initial, parent);
    if (!color.isValid()) {
        return std::nullopt;
    }
    return color;
}

void CColorDialog::SetScripted(bool scripted)
{
    Script().SetOn(scripted);
}

void CColorDialog::PushAnswer(std::optional<QColor> color)
{
    Script().Push(color);
}

void CColorDialog::Reset()
{
    Script().Reset();
}
