#include "dialogs/SplashDlg.h"

#include "platform/AppInfo.h"
#include "platform/MessageBox.h"

#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

CSplashDlg::CSplashDlg(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashDlg"));
    setWindowTitle(CAppInfo::Title());

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("SplashPicture"));
    picture->setPixmap(BigPicture());
    picture->setAlignment(Qt::AlignCenter);

    m_btnContinue = new QPushButton(tr("Push to continue..."), this);
    m_btnContinue->setObjectName(QStringLiteral("ContinueButton"));
    m_btnContinue->setDefault(true);
    connect(m_btnContinue, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(picture);
    layout->addWidget(m_btnContinue);

    m_pTimer = new QTimer(this);
    m_pTimer->setInterval(kTimerPeriodMs);
    connect(m_pTimer, &QTimer::timeout, this, &CSplashDlg::OnTimer);
}

QPixmap CSplashDlg::BigPicture()
{
    QPixmap picture(CAppInfo::FindDataFile(QStringLiteral("dayloom.png")));
    if (!picture.isNull()) {
        return picture;
    }
    picture = QPixmap(480, 300);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, 300);
    sky.setColorAt(0, QColor(40, 60, 120));
    sky.setColorAt(1, QColor(230, 170, 90));
    painter.fillRect(picture.rect(), sky);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPointSize(28);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(picture.rect(), Qt::AlignCenter, CAppInfo::Title());
    return picture;
}

void CSplashDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_bStarted) {
        return;
    }
    m_bStarted = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    m_nCountdown = kInitialCountdown;
    m_pTimer->start();
    if (!m_pTimer->isActive()) {
        // No countdown then: the splash waits for the button.
        CMessageBox::Show(this, tr("Unable to create timer!"), CAppInfo::Title());
    }
    m_btnContinue->setFocus();
}

void CSplashDlg::OnTimer()
{
    if (m_nCountdown <= 0) {
        accept();
        return;
    }
    --m_nCountdown;
    m_btnContinue->setText(tr("Push to continue or wait %1 more seconds...").arg(m_nCountdown));
}

void CSplashDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CSplashDlg::done(int result)
{
    // However the splash ends, it counts no further.
    m_pTimer->stop();
    QDialog::done(result);
}
