#include "rtf/RtfFormatting.h"

#include <algorithm>

namespace {

int32_t ClampTwips(int value)
{
    return std::clamp(value, -100000, 100000);
}

} // namespace

void CRtfFormatting::Apply(RtfKeyword kw, bool hasParam, int param, RtfFormat& format)
{
    using Kw = RtfKeyword;
    const bool on = !hasParam || param != 0;
    RtfCharState& chars = format.chars;
    RtfParState& paragraph = format.paragraph;

    switch (kw) {
    case Kw::Plain:
        chars = RtfCharState{};
        format.hidden = false;
        break;
    case Kw::F:
        chars.font = std::max(param, 0);
        break;
    case Kw::Fs:
        chars.halfPoints = param > 0 ? std::min(param, 3276) : 24;
        break;
    case Kw::B:
        chars.bold = on;
        break;
    case Kw::I:
        chars.italic = on;
        break;
    case Kw::Ul:
        chars.underline = on;
        break;
    case Kw::UlNone:
        chars.underline = false;
        break;
    case Kw::Strike:
        chars.strike = on;
        break;
    case Kw::Cf:
        chars.foreground = std::max(param, 0);
        break;
    case Kw::Highlight:
        chars.background = std::max(param, 0);
        break;
    case Kw::Super:
        chars.vertical = 1;
        break;
    case Kw::Sub:
        chars.vertical = -1;
        break;
    case Kw::NoSuperSub:
        chars.vertical = 0;
        break;
    case Kw::Hidden:
        format.hidden = on;
        break;
    case Kw::Pard:
        paragraph = RtfParState{};
        m_nextTabKind = RtfTab::Left;
        break;
    case Kw::Ql:
        paragraph.align = RtfParState::Left;
        break;
    case Kw::Qc:
        paragraph.align = RtfParState::Center;
        break;
    case Kw::Qr:
        paragraph.align = RtfParState::Right;
        break;
    case Kw::Qj:
        paragraph.align = RtfParState::Justify;
        break;
    case Kw::Li:
        paragraph.leftIndent = ClampTwips(param);
        break;
    case Kw::Ri:
        paragraph.rightIndent = ClampTwips(param);
        break;
    case Kw::Fi:
        paragraph.firstIndent = ClampTwips(param);
        break;
    case Kw::Sb:
        paragraph.spaceBefore = std::max(ClampTwips(param), 0);
        break;
    case Kw::Sa:
        paragraph.spaceAfter = std::max(ClampTwips(param), 0);
        break;
    case Kw::Tx:
        if (paragraph.tabCount < RtfParState::kMaxTabs) {
            paragraph.tabs[paragraph.tabCount++] = {std::max(ClampTwips(param), 0), m_nextTabKind};
        }
        m_nextTabKind = RtfTab::Left;
        break;
    case Kw::Tqr:
        m_nextTabKind = RtfTab::Right;
        break;
    case Kw::Tqc:
        m_nextTabKind = RtfTab::Center;
        break;
    case Kw::Tqdec:
        m_nextTabKind = RtfTab::Decimal;
        break;
    default:
        break;
    }
}
