#pragma once
// The graph panel of the main window: the ratings of every entry as coloured
// lines over a grid, temperature and weight as numbers along the top and the
// two marks as letters along the bottom, one 25-pixel column per entry.
//
// The picture of a long history is far wider than the panel, so only the
// window of it that the panel shows is ever rendered; what appears is the same,
// pixel for pixel, as a rendering of the whole picture, and the memory used
// does not grow with the number of entries.

#include "store/Records.h"

#include <QImage>
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <vector>

class QScrollBar;

class CGraphCtrl : public QWidget
{
    Q_OBJECT

public:
    // The horizontal scroll requests the panel understands.
    enum class ScrollRequest
    {
        LineLeft,
        LineRight,
        PageLeft,
        PageRight,
        ThumbTrack,
        ThumbPosition,
        Other
    };

    explicit CGraphCtrl(QWidget* parent = nullptr);
    ~CGraphCtrl() override;

    // Sizes the eight arrays for count entries (all values 0); count <= 0
    // means no diary or an empty one. Marks the picture dirty, updates the
    // scroll bar and asks for a repaint, so callers only fill the arrays.
    void SetGraphData(int count);
    // Stores the eight graphed values of entry index (ignored when out of range).
    void SetEntry(int index, const EntryHeader& header);
    // SetGraphData(headers.size()) followed by SetEntry for each header.
    void SetGraphData(const std::vector<EntryHeader>& headers);

    // Makes entry index the current one: the view is placed so that the
    // panel is full of history where the history allows (the entry centred,
    // or as far right as the picture's end permits, or the picture's start
    // at the left edge) and the marker stands over the entry's column.
    // Nothing happens with fewer than 8 entries.
    void SetCurrentEntry(int index);
    // Brings the bar's range and position up to date. Called whenever they
    // may change, never from painting: a change to the bar repaints the
    // panel, so a paint that touched the bar would paint forever.
    void UpdateScrollBar();
    // One scroll request; trackPos is the dragged thumb position (ThumbTrack).
    void OnHScroll(ScrollRequest request, int trackPos = 0);
    // Marks the picture dirty and repaints (after a change of the show flags).
    void Invalidate();

    // Columns [left, left + width) of the whole picture as the panel would
    // show them (without the marker), h pixels high. Columns outside the
    // picture are black.
    QImage RenderColumns(int left, int width) const;
    // Width of the whole picture: (m_nCount + 3) * m_nStepX, or w with fewer
    // than 8 entries.
    int PictureWidth() const;
    QScrollBar* ScrollBar() const { return m_pScrollBar; }

    // Picture width and height (w, h): the panel minus the scroll bar.
    int ClientWidth() const;
    int ClientHeight() const;

    int32_t m_bDirty = 1;
    int32_t m_nCount = 0;
    std::vector<int32_t> m_pMood;
    std::vector<int32_t> m_pFatigue;
    std::vector<int32_t> m_pShape;
    std::vector<int32_t> m_pDream;
    std::vector<float> m_pTemperature;
    std::vector<int32_t> m_pWeight;
    std::vector<int32_t> m_pMenstruus;
    std::vector<int32_t> m_pCopulation;
    // The marker's bounds in picture columns (left, top, width = right - left,
    // height = bottom - top); it is drawn shifted by the scroll position, so
    // it stays over the current entry when the picture scrolls.
    QRect m_rcMarker;
    int32_t m_bShowMood = 1;
    int32_t m_bShowFatigue = 1;
    int32_t m_bShowShape = 1;
    int32_t m_bShowDream = 1;
    int32_t m_bShowTemp = 1;
    int32_t m_bShowWeight = 1;
    int32_t m_bShowMenstruus = 1;
    int32_t m_bShowCopulation = 1;
    QRect m_rcClient;
    QImage m_bmpGraph; // the rendered window of the picture (w x h)
    int32_t m_nScrollPos = 0;
    int32_t m_nStepX = 25;
    int32_t m_nStepY = 25;
    int32_t m_nCurrent = -1; // the current entry, -1 before the first SetCurrentEntry

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void RenderWindow(int left);
    void OnScrollAction(int action);
    void LayoutScrollBar();
    int ScrollBarExtent() const;
    // Places the view and the marker for m_nCurrent at the present size.
    void PlaceView();
    // The largest scroll position the arrows, pages and the bar reach.
    int64_t RightLimit() const;
    bool HasCurrentEntry() const { return m_nCurrent >= 0 && m_nCurrent < m_nCount; }

    QScrollBar* m_pScrollBar = nullptr;
    // What the last dirty rendering saw; scrolling renders further windows
    // of that same picture.
    struct Snapshot
    {
        int32_t count = 0;
        int32_t show[8] = {};
        bool valid = false;
    } m_snapshot;
    int m_nRenderedLeft = 0;
};
