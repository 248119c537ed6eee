#include "print/EntryPrinter.h"

#include "platform/AppInfo.h"
#include "platform/FileErrorMessage.h"
#include "platform/MessageBox.h"
#include "platform/PathText.h"
#include "platform/PrintDialog.h"
#include "platform/ShownTime.h"
#include "platform/WaitCursor.h"
#include "print/PrintJob.h"
#include "rtf/Rtf.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/FileError.h"
#include "store/NumberText.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr int kTwipsPerInch = 1440;

void Say(QWidget* parent, const QString& text)
{
    CMessageBox::Show(parent, text, CAppInfo::Title());
}

// A file error that escapes the store ends the print of this entry only.
void Guarded(QWidget* parent, const std::function<void()>& work)
{
    try {
        work();
    } catch (const CFileError& error) {
        CFileErrorMessage::Show(parent, error);
    }
}

// The main window's list has a line per entry of the index file.
bool DiaryHasEntries(const std::string& diaryPath)
{
    if (diaryPath.empty()) {
        return false;
    }
    const QFileInfo index(CPathText::Decoded(diaryPath));
    return index.exists() && index.size() >= kEntryRecordSize;
}

// "<name>-<number>.<ext>", the number padded with zeros to at least three
// digits and to the width of the last number, so the files sort in entry order.
QString PerEntryFileName(const QString& fileName, int number, int last)
{
    const QFileInfo info(fileName);
    const QString suffix = info.suffix();
    const int digits = std::max(3, static_cast<int>(QString::number(last).size()));
    QString name = info.completeBaseName() + QLatin1Char('-') +
                   QStringLiteral("%1").arg(number, digits, 10, QLatin1Char('0'));
    if (!suffix.isEmpty()) {
        name += QLatin1Char('.') + suffix;
    }
    return info.dir().filePath(name);
}

QString YesNo(int32_t mark)
{
    return mark != 0 ? QStringLiteral("YES") : QStringLiteral("NO");
}

QFont ArialFont(int pointSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
    return font;
}

// The header's offsets are device units added to heights measured in device
// units, so they only make a readable block at the resolution they were laid
// out for: at 1200 dpi the dream line and "--- conventions used:" overprint
// each other and a three-inch gap opens above the text. 300 dpi keeps every
// header line clear of the next and the text right below the legend.
constexpr int kPrintDpi = 300;

int TwipsToDevice(int twips, int dpi)
{
    return static_cast<int>(static_cast<int64_t>(twips) * dpi / kTwipsPerInch);
}

// The body, laid out once for the printer, handed out a page at a time: each
// page takes the whole lines that fit from where the last one stopped.
class CBodyPages
{
public:
    CBodyPages(QTextDocument& document, QPaintDevice& device, qreal width) : m_document(document)
    {
        m_document.documentLayout()->setPaintDevice(&device);
        m_document.setDocumentMargin(0);
        m_document.setTextWidth(width);
        QAbstractTextDocumentLayout* layout = m_document.documentLayout();
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
            const QRectF box = layout->blockBoundingRect(block);
            const QTextLayout* lines = block.layout();
            for (int i = 0; lines != nullptr && i < lines->lineCount(); ++i) {
                const QTextLine line = lines->lineAt(i);
                const qreal top = box.top() + line.y();
                m_lines.push_back({top, top + line.height()});
            }
        }
        std::sort(m_lines.begin(), m_lines.end(),
                  [](const Line& a, const Line& b) { return a.top < b.top; });
        if (!m_lines.empty()) {
            m_position = m_lines.front().top;
        }
    }

    bool Remaining() const { return m_next < m_lines.size(); }

    // Draws the next part into rect (device units). A page too short for
    // the next line stays empty unless it is a full page, which then takes a
    // slice of a line taller than itself, so every full page makes progress.
    void DrawPage(QPainter& painter, const QRectF& rect, bool fullPage)
    {
        if (!Remaining() || rect.height() <= 0) {
            return;
        }
        qreal end = m_position;
        size_t next = m_next;
        while (next < m_lines.size() && m_lines[next].bottom - m_position <= rect.height()) {
            end = std::max(end, m_lines[next].bottom);
            ++next;
        }
        const bool slice = next == m_next;
        if (slice) {
            if (!fullPage) {
                return;
            }
            end = m_position + rect.height();
        }

        // Lines touching the clip's edges are drawn whole (and a PDF keeps
        // clipped text), so the clip stays clear of the neighbouring lines,
        // which share an edge with the first and last line of this page.
        painter.save();
        painter.translate(rect.left(), rect.top() - m_position);
        m_document.drawContents(&painter, QRectF(0, m_position + kEdge, m_document.textWidth(),
                                                 end - m_position - 2 * kEdge));
        painter.restore();

        if (slice) {
            m_position = end;
            return;
        }
        m_next = next;
        m_position = next < m_lines.size() ? m_lines[next].top : end;
    }

private:
    static constexpr qreal kEdge = 0.5;

    struct Line
    {
        qreal top;
        qreal bottom;
    };

    QTextDocument& m_document;
    std::vector<Line> m_lines;
    size_t m_next = 0;
    qreal m_position = 0;
};

} // namespace

CEntryPrinter::PageGeometry CEntryPrinter::ComputeGeometry(int printableWidth, int printableHeight,
                                                           int dpiX, int dpiY)
{
    PageGeometry page;
    if (dpiX <= 0 || dpiY <= 0) {
        return page;
    }
    page.width = printableWidth / dpiX * kTwipsPerInch;
    page.height = printableHeight / dpiY * kTwipsPerInch;
    page.textRect = QRect(QPoint(kTwipsPerInch, kTwipsPerInch),
                          QPoint(page.width - kTwipsPerInch, page.height - kTwipsPerInch));
    return page;
}

QStringList CEntryPrinter::HeaderLines(const DiaryEntry& entry, const RatingLabels& labels)
{
    const auto label = [&labels](RatingScale scale, int value) {
        return LabelFor(labels, scale, value);
    };
    QStringList lines;
    lines << CShownTime::Format(tr("Entry dated: %d - %B - %Y, %A, at %H:%M:%S"), entry.time);
    lines << tr("Entry mood: %1, fatigue: %2, shape: %3")
                 .arg(label(RatingScale::Mood, entry.mood),
                      label(RatingScale::Fatigue, entry.fatigue),
                      label(RatingScale::Shape, entry.shape));
    lines << tr("dream: %1, copulation: %2, menstruus: %3, weight: %4, temperature: %5")
                 .arg(label(RatingScale::Dream, entry.dream), YesNo(entry.copulation),
                      YesNo(entry.menstruus), QString::number(entry.weight),
                      QString::fromStdString(
                          FormatFixed(static_cast<double>(entry.temperature), 1)));
    lines << tr("--- conventions used:");
    lines << tr("MOODS: -3=%1, -2=%2, -1=%3, 0=%4, +1=%5, +2=%6, +3=%7")
                 .arg(labels.mood[0], labels.mood[1], labels.mood[2], labels.mood[3],
                      labels.mood[4], labels.mood[5], labels.mood[6]);
    lines << tr("FATIGUES: -2=%1, -1=%2, 0=%3; SHAPES: -3=%4, -2=%5, -1=%6, 0=%7")
                 .arg(labels.fatigue[0], labels.fatigue[1], labels.fatigue[2], labels.shape[0],
                      labels.shape[1], labels.shape[2], labels.shape[3]);
    lines << tr("DREAMS: -2=%1, -1=%2, 0=%3, +1=%4, +2=%5")
                 .arg(labels.dream[0], labels.dream[1], labels.dream[2], labels.dream[3],
                      labels.dream[4]);
    lines << QString(26, QLatin1Char('-'));
    return lines;
}

int CEntryPrinter::HeaderLineY(int line, int headerHeight, int legendHeight)
{
    // The text rectangle's top (1440 twips) in inches, plus the offsets.
    const int top = kTwipsPerInch / kTwipsPerInch;
    const int hH = headerHeight;
    const int hL = legendHeight;
    switch (line) {
    case 0:
        return top + 365;
    case 1:
        return top + hH + 375;
    case 2:
        return top + 2 * hH + 385;
    default:
        // Legend lines 3 to 7: one more legend height and 5 units each.
        return top + 2 * hH + (line - 2) * hL + 405 + (line - 3) * 5;
    }
}

int CEntryPrinter::FirstPageTextTop(int headerHeight, int legendHeight)
{
    return kTwipsPerInch + 2 * headerHeight + 13 * legendHeight + 1505;
}

bool CEntryPrinter::PrintEntry(QWidget* parent, CPrintJob& job, const CDiarySession& diary,
                               int index)
{
    CWaitCursor wait;

    // Read first: an entry that cannot be read is not worth a print job.
    const auto pStore = diary.MakeStore(static_cast<uint32_t>(index));
    CDiaryStore& store = *pStore;
    if (index < 0 || !store.ReadEntry()) {
        Say(parent, tr("The entry could not be read from the diary, so it was not "
                       "printed."));
        return false;
    }
    const RatingLabels labels = LoadRatingLabels();

    if (!job.Start(QStringLiteral("Dayloom"))) {
        Say(parent, tr("Could not start printing!"));
        return false;
    }
    const CPrintJob::Metrics metrics = job.ReadMetrics();
    if (metrics.dpiX == 0 || metrics.dpiY == 0) {
        Say(parent, tr("Could not acquire proper printer settings!"));
        job.Abort();
        return false;
    }
    const PageGeometry page =
        ComputeGeometry(metrics.width, metrics.height, metrics.dpiX, metrics.dpiY);

    QPainter& painter = job.Painter();
    const QFont headerFont = ArialFont(11);
    const QFont legendFont = ArialFont(7);
    painter.setFont(headerFont);
    const int hH = painter.fontMetrics().height();
    painter.setFont(legendFont);
    const int hL = painter.fontMetrics().height();

    QTextDocument document;
    RtfToDocument(store.entry.text, document);
    const QRect textRect = page.textRect;
    const qreal left = TwipsToDevice(textRect.left(), metrics.dpiX);
    const qreal right = TwipsToDevice(textRect.right(), metrics.dpiX);
    const qreal bottom = TwipsToDevice(textRect.bottom(), metrics.dpiY);
    CBodyPages body(document, job.Printer(), std::max<qreal>(right - left, 1));

    bool ok = true;
    int top = FirstPageTextTop(hH, hL);
    for (bool first = true;; first = false) {
        if (!job.StartPage()) {
            Say(parent, tr("Error starting new page!"));
            ok = false;
            break;
        }
        if (first) {
            const QStringList lines = HeaderLines(store.entry, labels);
            for (int line = 0; line < lines.size(); ++line) {
                painter.setFont(line < 3 ? headerFont : legendFont);
                const int y = HeaderLineY(line, hH, hL) + painter.fontMetrics().ascent();
                painter.drawText(QPoint(kHeaderX, y), lines[line]);
            }
        }
        const qreal pageTop = TwipsToDevice(top, metrics.dpiY);
        const bool fullPage = top == textRect.top();
        body.DrawPage(painter, QRectF(left, pageTop, right - left, bottom - pageTop), fullPage);
        if (!job.EndPage()) {
            Say(parent, tr("Error in dcPrinter.EndPage()"));
            ok = false;
            break;
        }
        // A page with no room for text at all would never finish the body.
        if (!body.Remaining() || (fullPage && bottom <= pageTop)) {
            break;
        }
        top = textRect.top();
    }

    if (!job.End()) {
        Say(parent, tr("Error during printing!"));
        ok = false;
    }
    return ok;
}

namespace {

// Printing to a PDF file writes the entries in plain text: the user is
// warned first for an encrypted diary, as Export does, and the diary's
// password is asked for either kind.
bool MayWritePdf(QWidget* parent, const QPrinter& printer, const CDiarySession& diary,
                 const QString& caption, const CEntryPrinter::PasswordCheck& confirmPassword)
{
    if (printer.outputFileName().isEmpty()) {
        return true;
    }
    if (diary.Encrypted() != nullptr &&
        !CMessageBox::Ask(
            parent,
            QCoreApplication::translate("CEntryPrinter",
                                        "The PDF file is not encrypted: anyone who can read it "
                                        "can read these entries. Print to it anyway?"),
            caption)) {
        return false;
    }
    return !confirmPassword || confirmPassword(parent);
}

} // namespace

void CEntryPrinter::PrintCurrentEntry(QWidget* parent, const CDiarySession& diary,
                                      int selectedIndex, const PasswordCheck& confirmPassword)
{
    if (!DiaryHasEntries(diary.Path())) {
        return;
    }
    if (selectedIndex < 0) {
        Say(parent, tr("You must have an entry selected in order to print it!"));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!CPrintDialog::Exec(parent, printer) ||
        !MayWritePdf(parent, printer, diary, CAppInfo::Caption(tr("Print")), confirmPassword)) {
        return;
    }
    printer.setResolution(kPrintDpi);
    Guarded(parent, [&] {
        CPrintJob job(printer);
        PrintEntry(parent, job, diary, selectedIndex);
    });
}

void CEntryPrinter::PrintAllEntries(QWidget* parent, const CDiarySession& diary, int entryCount,
                                    const PasswordCheck& confirmPassword)
{
    if (entryCount <= 0 || !DiaryHasEntries(diary.Path())) {
        return;
    }
    if (!CMessageBox::Ask(parent, tr("Are you sure you wish to print all entries?"),
                          CAppInfo::Caption(tr("Print all entries")))) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!CPrintDialog::Exec(parent, printer) ||
        !MayWritePdf(parent, printer, diary, CAppInfo::Caption(tr("Print all entries")),
                     confirmPassword)) {
        return;
    }
    printer.setResolution(kPrintDpi);
    CWaitCursor wait;
    const QString outputFile = printer.outputFileName();
    for (int i = 0; i < entryCount; ++i) {
        if (!outputFile.isEmpty()) {
            printer.setOutputFileName(PerEntryFileName(outputFile, i + 1, entryCount));
        }
        // One entry's failure does not stop the others.
        Guarded(parent, [&] {
            CPrintJob job(printer);
            PrintEntry(parent, job, diary, i);
        });
    }
}
