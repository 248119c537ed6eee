#include "widgets/GraphChoiceBox.h"

#include "platform/Settings.h"
#include "widgets/GraphColours.h"
#include "widgets/GraphCtrl.h"

#include <QGridLayout>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

namespace {

// In the order of the settings' CSettings::kGraphSeries.
constexpr const char* kCaptions[CGraphChoiceBox::kSeriesCount] = {
    QT_TRANSLATE_NOOP("CGraphChoiceBox", "Mood"),
    QT_TRANSLATE_NOOP("CGraphChoiceBox", "Fatigue"),
    QT_TRANSLATE_NOOP("CGraphChoiceBox", "Shape"),
    QT_TRANSLATE_NOOP("CGraphChoiceBox", "Dream"),
    QT_TRANSLATE_NOOP("CGraphChoiceBox", "Temperature"),
    QT_TRANSLATE_NOOP("CGraphChoiceBox", "Weight"),
    QT_TRANSLATE_NOOP("CGraphChoiceBox", "Menstruus"),
    QT_TRANSLATE_NOOP("CGraphChoiceBox", "Copulation")};
static_assert(CSettings::kGraphSeries.size() == CGraphChoiceBox::kSeriesCount);

int IndexOf(GraphSeries series)
{
    return static_cast<int>(series);
}

// A small picture of what the series looks like in the graph: a zigzag in
// the series' colour for the ratings, a sample text for the rest.
QPixmap SeriesIcon(GraphSeries series)
{
    QPixmap pixmap(28, 20);
    pixmap.fill(QColor(GraphColours::kBackground));
    QPainter painter(&pixmap);
    const QPoint zigzag[] = {{3, 14}, {10, 6}, {17, 12}, {24, 4}};
    auto drawLine = [&](const QColor& colour, int width) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(zigzag, 4);
    };
    auto drawText = [&](const QString& text) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(text.size() > 2 ? 9 : 13);
        painter.setFont(font);
        painter.setPen(QColor(GraphColours::kText));
        painter.drawText(pixmap.rect(), Qt::AlignCenter, text);
    };
    switch (series) {
    case GraphSeries::Mood:
        drawLine(QColor(GraphColours::kRatings[0]), 4);
        break;
    case GraphSeries::Fatigue:
        drawLine(QColor(GraphColours::kRatings[1]), 3);
        break;
    case GraphSeries::Shape:
        drawLine(QColor(GraphColours::kRatings[2]), 2);
        break;
    case GraphSeries::Dream:
        drawLine(QColor(GraphColours::kRatings[3]), 1);
        break;
    case GraphSeries::Temperature:
        drawText(QStringLiteral("36.6"));
        break;
    case GraphSeries::Weight:
        drawText(QStringLiteral("kg"));
        break;
    case GraphSeries::Menstruus:
        drawText(QStringLiteral("M"));
        break;
    case GraphSeries::Copulation:
        drawText(QStringLiteral("C"));
        break;
    }
    return pixmap;
}

// The picture of a series that is switched off: greyed and darkened, so that
// on and off tell apart at a glance whatever the style draws around it.
QPixmap DimmedIcon(const QPixmap& picture)
{
    QImage image = picture.toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(row[x]) * 2 / 5 + 24;
            row[x] = qRgb(grey, grey, grey);
        }
    }
    return QPixmap::fromImage(image);
}

// A switched-on button: a tinted face inside a frame in the highlight colour.
const char* const kButtonStyle = "QToolButton { border: 2px solid palette(mid); border-radius: 3px;"
                                 " padding: 2px; background: palette(button); }"
                                 "QToolButton:checked { border: 2px solid palette(highlight);"
                                 " background: rgba(48, 140, 198, 90); }"
                                 "QToolButton:focus { border-style: dotted; }";

} // namespace

CGraphChoiceBox::CGraphChoiceBox(QWidget* parent) : QGroupBox(tr("Choose graphs:"), parent)
{
    auto* layout = new QGridLayout(this);
    layout->setSpacing(2);
    for (int i = 0; i < kSeriesCount; ++i) {
        const auto series = static_cast<GraphSeries>(i);
        auto* button = new QToolButton(this);
        const QString caption = Caption(series);
        button->setText(caption);
        // The button shows only its picture; the tool tip is what names it.
        button->setToolTip(caption);
        button->setAccessibleName(caption);
        const QPixmap picture = SeriesIcon(series);
        QIcon icon;
        icon.addPixmap(picture, QIcon::Normal, QIcon::On);
        icon.addPixmap(DimmedIcon(picture), QIcon::Normal, QIcon::Off);
        button->setIcon(icon);
        button->setStyleSheet(QString::fromLatin1(kButtonStyle));
        button->setIconSize(QSize(28, 20));
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setCheckable(true);
        button->setChecked(CSettings::Get(CSettings::kGraphSeries[static_cast<size_t>(i)]) != 0);
        // Only the user's clicks count; setting a button from code does not
        // write the settings.
        connect(button, &QToolButton::clicked, this, &CGraphChoiceBox::OnToggled);
        layout->addWidget(button, i / 2, i % 2);
        m_buttons[static_cast<size_t>(i)] = button;
    }
}

QString CGraphChoiceBox::Caption(GraphSeries series)
{
    return tr(kCaptions[IndexOf(series)]);
}

bool CGraphChoiceBox::IsShown(GraphSeries series) const
{
    return m_buttons[static_cast<size_t>(IndexOf(series))]->isChecked();
}

GraphSeriesSet CGraphChoiceBox::Shown() const
{
    GraphSeriesSet shown;
    for (int i = 0; i < kSeriesCount; ++i) {
        shown.Set(static_cast<GraphSeries>(i), m_buttons[static_cast<size_t>(i)]->isChecked());
    }
    return shown;
}

void CGraphChoiceBox::SetShown(GraphSeries series, bool shown)
{
    m_buttons[static_cast<size_t>(IndexOf(series))]->setChecked(shown);
}

QAbstractButton* CGraphChoiceBox::Button(GraphSeries series) const
{
    return m_buttons[static_cast<size_t>(IndexOf(series))];
}

void CGraphChoiceBox::ApplyTo(CGraphCtrl& graph, bool diaryOpen) const
{
    int32_t* flags[kSeriesCount] = {&graph.m_bShowMood,      &graph.m_bShowFatigue,
                                    &graph.m_bShowShape,     &graph.m_bShowDream,
                                    &graph.m_bShowTemp,      &graph.m_bShowWeight,
                                    &graph.m_bShowMenstruus, &graph.m_bShowCopulation};
    for (int i = 0; i < kSeriesCount; ++i) {
        *flags[i] = m_buttons[static_cast<size_t>(i)]->isChecked() ? 1 : 0;
    }
    if (diaryOpen) {
        graph.Invalidate();
    }
}

void CGraphChoiceBox::WriteSettings() const
{
    for (int i = 0; i < kSeriesCount; ++i) {
        CSettings::Set(CSettings::kGraphSeries[static_cast<size_t>(i)],
                       m_buttons[static_cast<size_t>(i)]->isChecked() ? 1 : 0);
    }
}

void CGraphChoiceBox::OnToggled()
{
    WriteSettings();
    emit ShowFlagsChanged();
}
