#include "platform/IdleWatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <algorithm>

CIdleWatch::CIdleWatch(QObject* parent, std::function<int64_t()> now)
    : QObject(parent), m_now(std::move(now)), m_pTimer(new QTimer(this))
{
    m_pTimer->setObjectName(QStringLiteral("idleTimer"));
    m_pTimer->setSingleShot(true);
    m_pTimer->setTimerType(Qt::VeryCoarseTimer);
    connect(m_pTimer, &QTimer::timeout, this, &CIdleWatch::Check);
}

CIdleWatch::~CIdleWatch()
{
    Stop();
}

void CIdleWatch::Start(int minutes)
{
    if (minutes <= 0) {
        Stop();
        return;
    }
    if (m_nLimit == 0) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    m_nLimit = int64_t{minutes} * 60;
    m_tLastInput = m_now();
    SleepFor(m_nLimit);
}

void CIdleWatch::Stop()
{
    if (m_nLimit != 0 && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
    m_nLimit = 0;
    m_pTimer->stop();
}

bool CIdleWatch::IsWatching() const
{
    return m_nLimit != 0;
}

void CIdleWatch::Check()
{
    if (m_nLimit == 0) {
        return;
    }
    const int64_t quiet = m_now() - m_tLastInput;
    if (quiet >= m_nLimit) {
        // Once per quiet spell: the next one starts now.
        m_tLastInput = m_now();
        SleepFor(m_nLimit);
        emit idle();
        return;
    }
    // A clock set back counts from now.
    SleepFor(quiet < 0 ? m_nLimit : m_nLimit - quiet);
}

bool CIdleWatch::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        // Only noted; the timer is not touched.
        m_tLastInput = m_now();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CIdleWatch::SleepFor(int64_t seconds)
{
    // A timer's milliseconds are an int: a day at most at a time.
    constexpr int64_t kLongest = 24 * 60 * 60;
    m_pTimer->start(static_cast<int>(std::clamp<int64_t>(seconds, 1, kLongest) * 1000));
}
