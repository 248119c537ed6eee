#include "dialogs/AboutDlg.h"

#include "dialogs/SplashDlg.h"
#include "platform/AppInfo.h"
#include "platform/Help.h"
#include "platform/Shell.h"
#include "ratings/RatingLabels.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kLowestMood = -3;
constexpr int kHighestMood = 3;
} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutDlg"));
    setWindowTitle(CAppInfo::Caption(tr("About")));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("AboutPicture"));
    picture->setPixmap(CSplashDlg::BigPicture());
    picture->setAlignment(Qt::AlignCenter);

    m_pFacePicture = new QLabel(this);
    m_pFacePicture->setObjectName(QStringLiteral("FacePicture"));
    m_pFacePicture->setAlignment(Qt::AlignCenter);

    auto* author = new QPushButton(tr("About the author..."), this);
    author->setObjectName(QStringLiteral("AuthorButton"));
    author->setAutoDefault(false);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    connect(author, &QPushButton::clicked, this,
            [this] { CHelp::Show(this, HelpContext::Author); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(m_pFacePicture);
    row->addStretch(1);
    row->addWidget(author);
    row->addWidget(ok);
    // How a diary is protected, in a few words (the README says more).
    auto* security =
        new QLabel(tr("Encrypted diaries (*.dayloom) are sealed with XChaCha20-Poly1305 under a "
                      "key made from the password with Argon2id (libsodium): without the "
                      "password nobody can read them, and any change to the file is noticed. "
                      "Four-file diaries (*.ilm) are only scrambled."),
                   this);
    security->setObjectName(QStringLiteral("SecurityNote"));
    security->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(security);
    layout->addLayout(row);

    for (int mood = kLowestMood; mood <= kHighestMood; ++mood) {
        m_bmpFaces[static_cast<std::size_t>(mood - kLowestMood)] = LoadFacePicture(mood);
    }
    // Room for the biggest face, so the row keeps its height while they turn.
    QSize faceSize(48, 48);
    for (const QPixmap& face : m_bmpFaces) {
        faceSize = faceSize.expandedTo(face.size());
    }
    m_pFacePicture->setMinimumSize(faceSize);
    m_nFace = 0;
    ShowFace();

    m_pTimer = new QTimer(this);
    m_pTimer->setInterval(kTimerPeriodMs);
    connect(m_pTimer, &QTimer::timeout, this, &CAboutDlg::OnTimer);
    m_pTimer->start();
}

CAboutDlg::~CAboutDlg()
{
    m_pTimer->stop();
}

void CAboutDlg::OnTimer()
{
    ++m_nFace;
    if (m_nFace > kHighestMood) {
        m_nFace = kLowestMood;
    }
    ShowFace();
}

void CAboutDlg::ShowFace()
{
    const QPixmap& face = m_bmpFaces[static_cast<std::size_t>(m_nFace - kLowestMood)];
    if (face.isNull()) {
        m_pFacePicture->clear();
    } else {
        m_pFacePicture->setPixmap(face);
    }
}

void CAboutDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QString CAboutDlg::WebSiteTarget()
{
    // The bare address with its scheme: a "url:" prefix, as some shells
    // take it, would leave the desktop without a handler for the link.
    return CAppInfo::WebSite();
}

QString CAboutDlg::MailTarget()
{
    return QStringLiteral("mailto:") + CAppInfo::MailAddress() + QStringLiteral("?subject=") +
           CAppInfo::Title();
}

void CAboutDlg::OpenWebSite()
{
    CShell::Open(WebSiteTarget());
}

void CAboutDlg::SendMail()
{
    CShell::Open(MailTarget());
}
