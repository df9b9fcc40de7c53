#pragma once

#include "pickup/pickup_watch.h"

#include <QObject>

#include <chrono>
#include <functional>
#include <memory>

class QTimer;

namespace pickup {

// Watches the request files written in this run until the device takes them, and once, at
// start-up, looks for older ones Lumvik's names say it wrote. Every interval it looks at each
// watched file once, on a thread of its own, since a folder on a share that hangs would freeze the
// window; never two looks at a time. A look that has not answered after kNoAnswer makes every
// watched request "cannot be seen". Nothing runs and no timer is armed while nothing is watched.
class Monitor : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::seconds kNoAnswer{10};

    explicit Monitor(std::chrono::milliseconds interval, QObject* parent = nullptr);
    // A look still running is given a moment to end; one that hangs is left to end with the program.
    ~Monitor() override;

    // A request just written to path, watched for minutes (0: not at all). It is waiting at once.
    void watch(const QString& path, const Patient& patient, int minutes);
    // The look at start-up: requests in folder named more than minutes ago are reported as not
    // taken in time and watched from then on.
    void lookForOldRequests(const QString& folder, int minutes);
    // Looks at every watched request now, unless a look is still running: then false (and after
    // kNoAnswer the requests cannot be seen).
    bool lookNow();
    Status status() const { return m_published; }

signals:
    void statusChanged(const pickup::Status& status);
    // A look's findings have been taken in.
    void looked();

private:
    struct Mailbox;

    // Runs job on a new thread; what it returns runs on this object's thread afterwards.
    void startLook(std::function<std::function<void()>()> job);
    void lookEnded();
    void publish();
    void keepLooking();

    const std::chrono::milliseconds m_interval;
    Watch m_watch;
    Status m_published;
    QTimer* m_timer = nullptr; // made with the first request watched
    bool m_looking = false;
    QDateTime m_lookStarted;
    std::shared_ptr<Mailbox> m_mailbox;
};

} // namespace pickup
