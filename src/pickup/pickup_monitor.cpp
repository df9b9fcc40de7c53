#include "pickup/pickup_monitor.h"

#include "pickup/pickup_look.h"
#include "platform/clock.h"

#include <QFileInfo>
#include <QMutex>
#include <QTimer>
#include <QWaitCondition>

#include <thread>

namespace pickup {

// Where a look's thread hands its findings over. The monitor may be gone by then: the thread
// then drops them.
struct Monitor::Mailbox
{
    QMutex mutex;
    QWaitCondition ended;
    Monitor* monitor = nullptr;
    bool running = false;
};

Monitor::Monitor(std::chrono::milliseconds interval, QObject* parent)
    : QObject(parent), m_interval(interval), m_mailbox(std::make_shared<Mailbox>())
{
    m_mailbox->monitor = this;
}

Monitor::~Monitor()
{
    QMutexLocker lock(&m_mailbox->mutex);
    m_mailbox->monitor = nullptr;
    if (m_mailbox->running)
        m_mailbox->ended.wait(&m_mailbox->mutex, 1000);
}

void Monitor::watch(const QString& path, const Patient& patient, int minutes)
{
    if (minutes <= 0)
        return;
    Request request;
    request.path = QFileInfo(path).absoluteFilePath();
    request.patient = patient;
    request.written = platform::now();
    request.minutes = minutes;
    m_watch.add(request);
    publish();
    keepLooking();
    lookNow(); // the first look learns which file it is, before the device can rename it
}

void Monitor::lookForOldRequests(const QString& folder, int minutes)
{
    if (minutes <= 0 || m_looking)
        return;
    const QString absolute = QFileInfo(folder.isEmpty() ? QStringLiteral(".") : folder).absoluteFilePath();
    const QDateTime before = platform::now().addSecs(-qint64(minutes) * 60);
    startLook([this, absolute, before, minutes]() -> std::function<void()> {
        const QList<Request> found = findOldRequests(absolute, before);
        return [this, found, minutes] {
            for (Request request : found) {
                if (m_watch.watches(request.path))
                    continue;
                request.minutes = minutes;
                request.state = State::Overdue;
                m_watch.add(request);
            }
            lookEnded();
        };
    });
}

bool Monitor::lookNow()
{
    if (m_looking) {
        if (m_lookStarted.secsTo(platform::now()) >= kNoAnswer.count()) {
            m_watch.markUnanswered();
            publish();
        }
        return false;
    }
    if (!m_watch.hasPending())
        return false;
    const QList<Request> requests = m_watch.pending();
    startLook([this, requests]() -> std::function<void()> {
        const QList<Look> looks = lookAt(requests);
        return [this, looks] {
            m_watch.apply(looks, platform::now());
            lookEnded();
        };
    });
    return true;
}

void Monitor::startLook(std::function<std::function<void()>()> job)
{
    m_looking = true;
    m_lookStarted = platform::now();
    {
        // The thread of the last look may still be on its way out.
        const QMutexLocker lock(&m_mailbox->mutex);
        m_mailbox->running = true;
    }
    std::thread([job = std::move(job), mailbox = m_mailbox] {
        std::function<void()> found = job();
        QMutexLocker lock(&mailbox->mutex);
        if (mailbox->monitor)
            QMetaObject::invokeMethod(mailbox->monitor, std::move(found), Qt::QueuedConnection);
        mailbox->running = false;
        mailbox->ended.wakeAll();
    }).detach();
}

void Monitor::lookEnded()
{
    m_looking = false;
    publish();
    keepLooking();
    emit looked();
}

void Monitor::keepLooking()
{
    if (!m_watch.hasPending()) {
        if (m_timer)
            m_timer->stop();
        return;
    }
    if (!m_timer) {
        m_timer = new QTimer(this);
        m_timer->setObjectName(QStringLiteral("tmrPickup"));
        m_timer->setInterval(m_interval);
        connect(m_timer, &QTimer::timeout, this, &Monitor::lookNow);
    }
    if (!m_timer->isActive())
        m_timer->start();
}

void Monitor::publish()
{
    const Status status = m_watch.status();
    if (status == m_published)
        return;
    m_published = status;
    emit statusChanged(status);
}

} // namespace pickup
