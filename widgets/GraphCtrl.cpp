#include "widgets/GraphCtrl.h"

#include "store/NumberText.h"
#include "widgets/GraphColours.h"
#include "widgets/GraphSummary.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <climits>

namespace {

enum ShowIndex
{
    kMood,
    kFatigue,
    kShape,
    kDream,
    kTemp,
    kWeight,
    kMenstruus,
    kCopulation
};

constexpr QRgb kGridColour = GraphColours::kGrid;
constexpr int kMinimumEntries = 8;
// Ratings outside their scale only come from damaged files; keeping them to
// this range keeps every coordinate well inside what the rasteriser handles.
constexpr int64_t kRatingLimit = 10000;

// Everything one rendering reads.
struct GraphView
{
    int64_t count = 0;
    int stepX = 25;
    int stepY = 25;
    int w = 0;
    int h = 0;
    const int32_t* show = nullptr;
    const std::vector<int32_t>* ratings[4] = {};
    const std::vector<float>* temperature = nullptr;
    const std::vector<int32_t>* weight = nullptr;
    const std::vector<int32_t>* menstruus = nullptr;
    const std::vector<int32_t>* copulation = nullptr;
};

int64_t FloorDiv(int64_t a, int64_t b)
{
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

int ClampToInt(int64_t value)
{
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

// Arial at 7 points on a 96-dpi screen: 9 pixels. Drawn without smoothing,
// so the texts keep the exact colours they are given.
QFont GraphFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(9);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// Draws text with its top centre at (x, y) in picture coordinates.
void DrawTopCentred(QPainter& painter, const QFontMetrics& metrics, int x, int y,
                    const QString& text, bool opaque)
{
    const int width = metrics.horizontalAdvance(text);
    const int left = x - width / 2;
    if (opaque) {
        painter.fillRect(QRect(left, y, width, metrics.height()),
                         QColor(GraphColours::kBackground));
    }
    painter.drawText(QPoint(left, y + metrics.ascent()), text);
}

void RenderNotice(QImage& image, const GraphView& view, int left)
{
    QPainter painter(&image);
    painter.translate(-left, 0);
    const QFont font = GraphFont();
    const QFontMetrics metrics(font, &image);
    painter.setFont(font);
    painter.setPen(QColor(GraphColours::kNotice));
    DrawTopCentred(painter, metrics, view.w / 2, view.h / 2 - 5,
                   QCoreApplication::translate("CGraphCtrl", "YOU NEED AT LEAST 8 ENTRIES"), true);
    DrawTopCentred(painter, metrics, view.w / 2, view.h / 2 + 5,
                   QCoreApplication::translate("CGraphCtrl", "TO VIEW THE GRAPH!"), true);
}

// The dotted grid: three pixels on, three off, counted from the start of each
// line; like any line, the last point is not drawn. Written straight into the
// image, so only the columns [from, to) of the picture cost anything.
void RenderGrid(QImage& image, const GraphView& view, int64_t left, int64_t from, int64_t to,
                int64_t pictureWidth)
{
    const int c = view.h / 2;
    const int levels[] = {0, -3, -2, -1, 1, 2, 3};
    const int64_t lineEnd = std::min(to, pictureWidth - 1); // exclusive
    for (int level : levels) {
        const int64_t y = int64_t{c} + int64_t{level} * view.stepY;
        if (y < 0 || y >= view.h) {
            continue;
        }
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (int64_t x = from; x < lineEnd; ++x) {
            if (x % 6 < 3) {
                row[x - left] = kGridColour;
            }
        }
    }
    // Vertical lines at every column boundary i * stepX, i = 1 .. count + 3.
    const int64_t last = view.count + 3;
    for (int64_t i = std::max<int64_t>(1, FloorDiv(from, view.stepX));
         i <= last && i * view.stepX < to; ++i) {
        const int64_t x = i * view.stepX;
        if (x < from) {
            continue;
        }
        for (int y = 0; y < view.h - 1; ++y) {
            if (y % 6 < 3) {
                reinterpret_cast<QRgb*>(image.scanLine(y))[x - left] = kGridColour;
            }
        }
    }
}

void RenderSeries(QPainter& painter, const GraphView& view, int64_t left, int64_t from, int64_t to)
{
    struct Style
    {
        QColor colour;
        int width;
    };
    const Style styles[4] = {{QColor(GraphColours::kRatings[0]), 8},
                             {QColor(GraphColours::kRatings[1]), 6},
                             {QColor(GraphColours::kRatings[2]), 4},
                             {QColor(GraphColours::kRatings[3]), 2}};
    const int64_t c = view.h / 2;
    // A segment from x(k - 1) to x(k) touches the columns x(k - 1) - 4 ..
    // x(k) + 4; a few columns of slack cover the round caps.
    const int64_t margin = 8;
    const int64_t kFirst = std::max<int64_t>(1, FloorDiv(from - margin, view.stepX) - 2);
    const int64_t kLast = std::min<int64_t>(view.count - 1, FloorDiv(to + margin, view.stepX) + 1);
    for (int s = 0; s < 4; ++s) {
        if (view.show[s] == 0) {
            continue;
        }
        painter.setPen(
            QPen(styles[s].colour, styles[s].width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const std::vector<int32_t>& values = *view.ratings[s];
        auto point = [&](int64_t k) {
            const int64_t value = std::clamp<int64_t>(values[k], -kRatingLimit, kRatingLimit);
            return QPoint(static_cast<int>((k + 1) * view.stepX - left),
                          static_cast<int>(c - value * view.stepY + 1));
        };
        // Each segment on its own, so what a segment covers never depends on
        // which of its neighbours were drawn.
        for (int64_t k = kFirst; k <= kLast; ++k) {
            painter.drawLine(point(k - 1), point(k));
        }
    }
}

void RenderTexts(QPainter& painter, const GraphView& view, int64_t left, int64_t from, int64_t to)
{
    const QFont font = GraphFont();
    const QFontMetrics metrics(font, painter.device());
    painter.setFont(font);
    painter.setPen(QColor(GraphColours::kText));
    // The widest text is a float printed with one decimal: at most 42
    // characters out of these.
    int widest = 0;
    for (QChar ch : QStringLiteral("-0123456789.nafi")) {
        widest = std::max(widest, metrics.horizontalAdvance(ch));
    }
    const int64_t margin = int64_t{widest} * 42 / 2 + 2;
    const int64_t kFirst = std::max<int64_t>(0, FloorDiv(from - margin, view.stepX) - 1);
    const int64_t kLast = std::min<int64_t>(view.count - 1, FloorDiv(to + margin, view.stepX));
    const bool showTemp = view.show[kTemp] != 0;
    const bool showWeight = view.show[kWeight] != 0;
    const bool showMenstruus = view.show[kMenstruus] != 0;
    const bool showCopulation = view.show[kCopulation] != 0;
    for (int64_t k = kFirst; k <= kLast; ++k) {
        const int x = static_cast<int>((k + 1) * view.stepX - left);
        const float temperature = (*view.temperature)[k];
        if (showTemp && temperature != 0.0f) {
            DrawTopCentred(painter, metrics, x, 0,
                           QString::fromStdString(FormatFixed(static_cast<double>(temperature), 1)),
                           false);
        }
        const int32_t weight = (*view.weight)[k];
        if (showWeight && weight != 0) {
            DrawTopCentred(painter, metrics, x, 10, QString::number(weight), false);
        }
        if (showMenstruus && (*view.menstruus)[k] != 0) {
            DrawTopCentred(painter, metrics, x, view.h - 20, QStringLiteral("M"), false);
        }
        if (showCopulation && (*view.copulation)[k] != 0) {
            DrawTopCentred(painter, metrics, x, view.h - 10, QStringLiteral("C"), false);
        }
    }
}

int64_t PictureWidthOf(const GraphView& view)
{
    return view.count >= kMinimumEntries ? (view.count + 3) * view.stepX : view.w;
}

// Columns [left, left + width) of the picture the view describes.
QImage Render(const GraphView& view, int64_t left, int width)
{
    QImage image(std::max(width, 1), std::max(view.h, 1), QImage::Format_RGB32);
    image.fill(QColor(GraphColours::kBackground));
    if (width <= 0 || view.h <= 0) {
        return image;
    }
    if (view.count < kMinimumEntries) {
        RenderNotice(image, view, static_cast<int>(left));
        return image;
    }
    const int64_t pictureWidth = PictureWidthOf(view);
    const int64_t from = std::max<int64_t>(left, 0);
    const int64_t to = std::min<int64_t>(left + width, pictureWidth);
    if (from >= to) {
        return image;
    }
    RenderGrid(image, view, left, from, to, pictureWidth);
    QPainter painter(&image);
    painter.setClipRect(
        QRect(static_cast<int>(from - left), 0, static_cast<int>(to - from), view.h));
    RenderSeries(painter, view, left, from, to);
    RenderTexts(painter, view, left, from, to);
    return image;
}

GraphView ViewOf(const CGraphCtrl& graph, const int32_t* show, int32_t count)
{
    GraphView view;
    view.count = count;
    if (count >= kMinimumEntries) {
        // Never read past what the arrays hold.
        const size_t n =
            std::min({graph.m_pMood.size(), graph.m_pFatigue.size(), graph.m_pShape.size(),
                      graph.m_pDream.size(), graph.m_pTemperature.size(), graph.m_pWeight.size(),
                      graph.m_pMenstruus.size(), graph.m_pCopulation.size()});
        view.count = std::min<int64_t>(count, static_cast<int64_t>(n));
    }
    view.stepX = std::max(graph.m_nStepX, 1);
    view.stepY = graph.m_nStepY;
    view.w = graph.ClientWidth();
    view.h = graph.ClientHeight();
    view.show = show;
    view.ratings[0] = &graph.m_pMood;
    view.ratings[1] = &graph.m_pFatigue;
    view.ratings[2] = &graph.m_pShape;
    view.ratings[3] = &graph.m_pDream;
    view.temperature = &graph.m_pTemperature;
    view.weight = &graph.m_pWeight;
    view.menstruus = &graph.m_pMenstruus;
    view.copulation = &graph.m_pCopulation;
    return view;
}

} // namespace

CGraphCtrl::CGraphCtrl(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setToolTip(tr("This shows your selected graphs"));
    setAccessibleName(tr("Graph"));
    setAccessibleDescription(GraphSummary({}, RatingLabels()));
    m_pScrollBar = new QScrollBar(Qt::Horizontal, this);
    m_pScrollBar->setFocusPolicy(Qt::NoFocus);
    connect(m_pScrollBar, &QScrollBar::actionTriggered, this, &CGraphCtrl::OnScrollAction);
    connect(m_pScrollBar, &QScrollBar::sliderReleased, this,
            [this] { OnHScroll(ScrollRequest::ThumbPosition); });
    LayoutScrollBar();
    UpdateScrollBar();
}

CGraphCtrl::~CGraphCtrl() = default;

int CGraphCtrl::ScrollBarExtent() const
{
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_pScrollBar);
}

int CGraphCtrl::ClientWidth() const
{
    return width();
}

int CGraphCtrl::ClientHeight() const
{
    return std::max(0, height() - ScrollBarExtent());
}

// A hidden widget hears of its size only when it is first shown or painted,
// so every step that needs w and h brings the layout up to date first. A new
// size places the view again around the current entry: the main window sets
// the entry before its layout has given the panel its final width.
void CGraphCtrl::LayoutScrollBar()
{
    if (m_rcClient == QRect(0, 0, ClientWidth(), ClientHeight())) {
        return;
    }
    m_pScrollBar->setGeometry(0, ClientHeight(), width(), ScrollBarExtent());
    m_rcClient = QRect(0, 0, ClientWidth(), ClientHeight());
    if (m_nCount >= kMinimumEntries && HasCurrentEntry()) {
        PlaceView();
        UpdateScrollBar();
    }
}

void CGraphCtrl::PlaceView()
{
    const int64_t w = m_rcClient.width();
    const int64_t column = (int64_t{m_nCurrent} + 1) * m_nStepX;
    const int64_t pictureEnd = (int64_t{m_nCount} + 3) * m_nStepX;
    // Centred, but never showing black past the picture's end when there is
    // history to show at the left, nor black before its start.
    int64_t pos = std::min(column - w / 2, pictureEnd - w);
    pos = std::max<int64_t>(pos, 0);
    m_nScrollPos = ClampToInt(pos);
    const int h = m_rcClient.height();
    m_rcMarker = QRect(ClampToInt(column - 12), h / 2 - 14, 26, 28);
}

void CGraphCtrl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayoutScrollBar();
}

void CGraphCtrl::SetGraphData(int count)
{
    m_nCount = std::max(count, 0);
    const auto n = static_cast<size_t>(m_nCount);
    m_pMood.assign(n, 0);
    m_pFatigue.assign(n, 0);
    m_pShape.assign(n, 0);
    m_pDream.assign(n, 0);
    m_pTemperature.assign(n, 0.0f);
    m_pWeight.assign(n, 0);
    m_pMenstruus.assign(n, 0);
    m_pCopulation.assign(n, 0);
    m_bDirty = 1;
    if (m_nCount == 0) {
        setAccessibleDescription(GraphSummary({}, RatingLabels()));
    }
    UpdateScrollBar();
    update();
}

void CGraphCtrl::SetEntry(int index, const EntryHeader& header)
{
    if (index < 0 || static_cast<size_t>(index) >= m_pMood.size()) {
        return;
    }
    const auto k = static_cast<size_t>(index);
    m_pMood[k] = header.mood;
    m_pFatigue[k] = header.fatigue;
    m_pShape[k] = header.shape;
    m_pDream[k] = header.dream;
    m_pTemperature[k] = header.temperature;
    m_pWeight[k] = header.weight;
    m_pMenstruus[k] = header.menstruus;
    m_pCopulation[k] = header.copulation;
}

void CGraphCtrl::SetGraphData(const std::vector<EntryHeader>& headers)
{
    SetGraphData(static_cast<int>(std::min<size_t>(headers.size(), INT_MAX)));
    for (size_t k = 0; k < static_cast<size_t>(m_nCount); ++k) {
        SetEntry(static_cast<int>(k), headers[k]);
    }
    setAccessibleDescription(GraphSummary(headers, LoadRatingLabels()));
}

void CGraphCtrl::SetCurrentEntry(int index)
{
    if (m_nCount < kMinimumEntries) {
        return;
    }
    m_nCurrent = index;
    LayoutScrollBar();
    if (HasCurrentEntry()) {
        PlaceView();
    }
    UpdateScrollBar();
    update();
}

void CGraphCtrl::UpdateScrollBar()
{
    LayoutScrollBar();
    if (m_nCount >= kMinimumEntries) {
        // The bar spans what the arrows and pages reach: from three empty
        // columns before the first entry to one column past the picture's
        // end; the thumb is as wide as the panel, so it sits at the right
        // end when the view does.
        const int64_t minimum = -3 * int64_t{m_nStepX};
        m_pScrollBar->setRange(ClampToInt(minimum), ClampToInt(RightLimit()));
        m_pScrollBar->setPageStep(std::max(m_rcClient.width(), 1));
        m_pScrollBar->setSingleStep(4);
        if (!m_pScrollBar->isSliderDown()) {
            m_pScrollBar->setValue(m_nScrollPos);
        }
        m_pScrollBar->setVisible(true);
    } else {
        m_pScrollBar->setRange(0, 0);
        m_pScrollBar->setPageStep(0);
        m_pScrollBar->setValue(0);
        m_pScrollBar->setVisible(false);
    }
    // Each setter above repaints the bar only when its value changes.
}

int64_t CGraphCtrl::RightLimit() const
{
    // One column past the picture's end at the panel's right edge; a picture
    // narrower than the panel stays at its left edge.
    return std::max<int64_t>((int64_t{m_nCount} + 4) * m_nStepX - m_rcClient.width(), 0);
}

void CGraphCtrl::OnHScroll(ScrollRequest request, int trackPos)
{
    if (m_nCount < kMinimumEntries) {
        return;
    }
    LayoutScrollBar();
    const int64_t leftLimit = -3 * int64_t{m_nStepX};
    const int64_t rightLimit = RightLimit();
    int64_t pos = m_nScrollPos;
    switch (request) {
    case ScrollRequest::LineLeft:
        pos = std::max(pos - 4, leftLimit);
        break;
    case ScrollRequest::LineRight:
        pos = std::min(pos + 4, rightLimit);
        break;
    case ScrollRequest::PageLeft:
        pos = std::max(pos - m_nStepX, leftLimit);
        break;
    case ScrollRequest::PageRight:
        pos = std::min(pos + m_nStepX, rightLimit);
        break;
    case ScrollRequest::ThumbTrack:
        pos = trackPos;
        break;
    case ScrollRequest::ThumbPosition:
    case ScrollRequest::Other:
        break;
    }
    m_nScrollPos = ClampToInt(pos);
    update();
    UpdateScrollBar();
}

void CGraphCtrl::OnScrollAction(int action)
{
    ScrollRequest request = ScrollRequest::Other;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        request = ScrollRequest::LineLeft;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        request = ScrollRequest::LineRight;
        break;
    case QAbstractSlider::SliderPageStepSub:
        request = ScrollRequest::PageLeft;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        request = ScrollRequest::PageRight;
        break;
    case QAbstractSlider::SliderMove:
        request = ScrollRequest::ThumbTrack;
        break;
    default:
        break;
    }
    // The bar has already moved its thumb by its own steps; the position the
    // panel decides on replaces that (the bar keeps it within its range).
    OnHScroll(request, m_pScrollBar->sliderPosition());
    m_pScrollBar->setSliderPosition(m_nCount >= kMinimumEntries ? m_nScrollPos : 0);
}

void CGraphCtrl::Invalidate()
{
    m_bDirty = 1;
    update();
}

int CGraphCtrl::PictureWidth() const
{
    if (m_nCount < kMinimumEntries) {
        return ClientWidth();
    }
    return ClampToInt((int64_t{m_nCount} + 3) * m_nStepX);
}

QImage CGraphCtrl::RenderColumns(int left, int width) const
{
    const int32_t show[8] = {m_bShowMood, m_bShowFatigue, m_bShowShape,     m_bShowDream,
                             m_bShowTemp, m_bShowWeight,  m_bShowMenstruus, m_bShowCopulation};
    return Render(ViewOf(*this, show, m_nCount), left, width);
}

void CGraphCtrl::RenderWindow(int left)
{
    // Drawn with what the last dirty rendering saw, so that scrolling shows
    // more of that same picture.
    m_bmpGraph = Render(ViewOf(*this, m_snapshot.show, m_snapshot.count), left, m_rcClient.width());
    m_nRenderedLeft = left;
    m_snapshot.valid = true;
}

void CGraphCtrl::paintEvent(QPaintEvent* /*event*/)
{
    LayoutScrollBar();
    const int left = m_nCount >= kMinimumEntries ? m_nScrollPos : 0;
    if (m_bDirty != 0) {
        m_bDirty = 0;
        m_snapshot.count = m_nCount;
        const int32_t show[8] = {m_bShowMood, m_bShowFatigue, m_bShowShape,     m_bShowDream,
                                 m_bShowTemp, m_bShowWeight,  m_bShowMenstruus, m_bShowCopulation};
        std::copy(std::begin(show), std::end(show), m_snapshot.show);
        RenderWindow(left);
    } else if (!m_snapshot.valid || left != m_nRenderedLeft ||
               m_bmpGraph.size() != m_rcClient.size()) {
        RenderWindow(left);
    }

    QPainter painter(this);
    painter.fillRect(rect(), QColor(GraphColours::kBackground));
    painter.drawImage(0, 0, m_bmpGraph);
    if (m_nCount >= kMinimumEntries && HasCurrentEntry()) {
        const QColor grey(GraphColours::kMarker);
        painter.setPen(QPen(grey, 1));
        painter.setBrush(Qt::NoBrush);
        // Where the marker falls in the panel; far outside it, nothing is drawn.
        const int64_t left = int64_t{m_rcMarker.left()} - m_nScrollPos;
        if (left > -m_rcMarker.width() && left < m_rcClient.width()) {
            const QRect marker =
                m_rcMarker.translated(static_cast<int>(left) - m_rcMarker.left(), 0);
            // The marker's right and bottom edges lie outside it, as for any
            // rectangle here; the outline covers left .. right - 1.
            painter.drawEllipse(marker.adjusted(0, 0, -1, -1));
            // The line stands on the entry's column.
            const int h = m_rcClient.height();
            painter.fillRect(QRect(marker.left() + 12, h / 2 - 2 * m_nStepY, 1, 4 * m_nStepY),
                             grey);
        }
    }
}
