#include "dialogs/TipDlg.h"

#include "dialogs/TipTexts.h"
#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/Settings.h"
#include "store/TimeText.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStringDecoder>
#include <QVBoxLayout>

namespace {
// Longest piece of a line taken as one tip, line feed included: the reader
// of the first Dayloom used a 1000-byte buffer, and FilePos values written
// by it must still land on the same tips.
constexpr std::size_t kMaxLinePiece = 999;

QString TroubleText()
{
    return QCoreApplication::translate("CTipDlg", "Trouble reading the tips file");
}

// The file's modification time as ctime() writes it, without the line feed:
// "Fri Dec 06 14:03:55 2002".
QString CTimeStamp(const QString& path)
{
    const int64_t modified = QFileInfo(path).lastModified().toSecsSinceEpoch();
    return QString::fromStdString(FormatTime("%a %b %d %H:%M:%S %Y", modified));
}

// Tips written with a plain Windows editor are ANSI; newer ones may be UTF-8.
QString DecodeTip(const std::string& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (utf8.hasError()) {
        text = CAnsiCodec::ToQString(bytes);
    }
    return text;
}

QPixmap BulbPicture()
{
    QPixmap picture(48, 72);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(20, 20), 26);
    glow.setColorAt(0, QColor(255, 255, 210));
    glow.setColorAt(1, QColor(250, 210, 40));
    painter.setBrush(glow);
    painter.setPen(QPen(QColor(150, 120, 20), 1.5));
    QPainterPath glass;
    glass.moveTo(16, 50);
    glass.cubicTo(14, 40, 4, 34, 4, 22);
    glass.arcTo(QRectF(4, 4, 40, 40), 180, -180);
    glass.cubicTo(44, 34, 34, 40, 32, 50);
    glass.closeSubpath();
    painter.drawPath(glass);
    painter.setPen(QPen(QColor(190, 120, 20), 1.5));
    painter.drawPolyline(QPolygonF({{20, 50}, {20, 34}, {24, 30}, {28, 34}, {28, 50}}));
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(QColor(170, 170, 170));
    for (int ring = 0; ring < 3; ++ring) {
        painter.drawRoundedRect(QRectF(15, 51 + ring * 5, 18, 5), 2, 2);
    }
    painter.setBrush(QColor(70, 70, 70));
    painter.drawEllipse(QRectF(20, 65, 8, 5));
    return picture;
}
} // namespace

CTipDlg::CTipDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TipDlg"));
    setWindowTitle(CAppInfo::Caption(tr("Tip of the day")));

    auto* bulb = new QLabel(this);
    bulb->setPixmap(BulbPicture());
    bulb->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    m_pTipLabel = new QLabel(this);
    m_pTipLabel->setObjectName(QStringLiteral("TipText"));
    m_pTipLabel->setTextFormat(Qt::PlainText);
    m_pTipLabel->setWordWrap(true);
    m_pTipLabel->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_pTipLabel->setMinimumSize(320, 120);
    m_pTipLabel->setMargin(10);
    m_pTipLabel->setFrameShape(QFrame::StyledPanel);
    m_pTipLabel->setAutoFillBackground(true);
    QPalette white = m_pTipLabel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    m_pTipLabel->setPalette(white);

    m_pShowCheck = new QCheckBox(tr("&Show Tips on StartUp"), this);
    m_pNextButton = new QPushButton(tr("&Next Tip"), this);
    m_pNextButton->setAutoDefault(false);
    m_pCloseButton = new QPushButton(tr("&Close"), this);
    m_pCloseButton->setDefault(true);

    auto* top = new QHBoxLayout;
    top->addWidget(bulb);
    top->addWidget(m_pTipLabel, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_pShowCheck);
    bottom->addStretch(1);
    bottom->addWidget(m_pNextButton);
    bottom->addWidget(m_pCloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);

    connect(m_pNextButton, &QPushButton::clicked, this, &CTipDlg::OnNextTip);
    connect(m_pCloseButton, &QPushButton::clicked, this, &CTipDlg::OnClose);

    m_bShowAtStartup = CSettings::Get(CSettings::kTipsOff) == 0;
    long pos = CSettings::Get(CSettings::kTipPosition);

    const QString path = CAppInfo::FindDataFile(QStringLiteral("TIPS.TXT"));
    if (!path.isEmpty()) {
        // Binary mode with "\r\n" folded by ReadLine, so that FilePos is a
        // plain byte offset on every platform.
        m_pTipsFile.reset(std::fopen(QFile::encodeName(path).constData(), "rb"));
    }
    if (!m_pTipsFile) {
        m_strTipText = MissingFileText();
    } else {
        const QString stamp = CTimeStamp(path);
        if (stamp != CSettings::Get(CSettings::kTipsStamp)) {
            CSettings::Set(CSettings::kTipsStamp, stamp);
            pos = 0;
        }
        if (std::fseek(m_pTipsFile.get(), pos, SEEK_SET) != 0) {
            CMessageBox::Show(this, TroubleText(), CAppInfo::Title());
        } else {
            GetNextTipString();
        }
    }
    m_pShowCheck->setChecked(m_bShowAtStartup);
    UpdateControls();
    // The window opens on its default button, as a reader closes it far
    // more often than changing the start-up choice.
    m_pCloseButton->setFocus();
}

CTipDlg::~CTipDlg()
{
    if (m_pTipsFile) {
        CSettings::Set(CSettings::kTipPosition, static_cast<int>(std::ftell(m_pTipsFile.get())));
    }
}

QString CTipDlg::MissingFileText()
{
    return tr("Tips file does not exist. It must be placed in the same directory as "
              "DAYLOOM.EXE and named TIPS.TXT");
}

bool CTipDlg::ShouldShowAtStartup()
{
    return CSettings::Get(CSettings::kTipsOff) == 0;
}

bool CTipDlg::IsSuppressedByCommandLine(const QStringList& arguments)
{
    // The first argument is the program itself.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument.size() < 2 ||
            (argument[0] != QLatin1Char('/') && argument[0] != QLatin1Char('-'))) {
            continue;
        }
        const QString flag = argument.mid(1);
        if (flag.compare(QStringLiteral("Embedding"), Qt::CaseInsensitive) == 0 ||
            flag.compare(QStringLiteral("Automation"), Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

void CTipDlg::RunAtStartup(QWidget* parent, const QStringList& arguments)
{
    if (IsSuppressedByCommandLine(arguments)) {
        return;
    }
    CTipDlg dialog(parent);
    if (dialog.m_bShowAtStartup) {
        CModal::Exec(dialog);
    }
}

void CTipDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CTipDlg::OnNextTip()
{
    GetNextTipString();
    UpdateControls();
}

void CTipDlg::OnClose()
{
    m_bShowAtStartup = m_pShowCheck->isChecked();
    accept();
    CSettings::Set(CSettings::kTipsOff, m_bShowAtStartup ? 0 : 1);
}

bool CTipDlg::ReadLine(std::string& line)
{
    std::FILE* file = m_pTipsFile.get();
    line.clear();
    while (line.size() < kMaxLinePiece) {
        const int c = std::getc(file);
        if (c == EOF) {
            break;
        }
        if (c == '\r') {
            const int next = std::getc(file);
            if (next == '\n') {
                line += '\n';
                break;
            }
            if (next != EOF) {
                std::ungetc(next, file);
            }
            line += '\r';
            continue;
        }
        line += static_cast<char>(c);
        if (c == '\n') {
            break;
        }
    }
    return !line.empty();
}

void CTipDlg::GetNextTipString()
{
    if (!m_pTipsFile) {
        return;
    }
    std::string line;
    // Two ends of the file without a tip line in between: the file has none
    // at all, and the tip stays empty rather than reading on for ever.
    int endsReached = 0;
    for (;;) {
        if (!ReadLine(line)) {
            if (++endsReached == 2) {
                m_strTipText.clear();
                return;
            }
            std::clearerr(m_pTipsFile.get());
            if (std::fseek(m_pTipsFile.get(), 0, SEEK_SET) != 0) {
                CMessageBox::Show(this, TroubleText(), CAppInfo::Title());
            }
            continue;
        }
        const char first = line.front();
        if (first == ' ' || first == '\t' || first == '\n' || first == ';') {
            continue;
        }
        m_strTipText = DecodeTip(line);
        return;
    }
}

void CTipDlg::UpdateControls()
{
    QString shown = m_strTipText;
    if (shown.endsWith(QLatin1Char('\n'))) {
        shown.chop(1);
    }
    // The check box keeps what the user set: a Next Tip must not undo it.
    m_pTipLabel->setText(CTipTexts::Translated(shown));
    m_pNextButton->setEnabled(m_pTipsFile != nullptr);
}
