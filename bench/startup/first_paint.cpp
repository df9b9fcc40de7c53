#include "startup/first_paint.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>

#include <psapi.h>
#endif

namespace {

long peakResidentKb()
{
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS counters = {};
    if (!::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters))
        return -1;
    return long(counters.PeakWorkingSetSize / 1024);
#else
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
#endif
}

class FirstPaintFilter : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            const qint64 now = QDateTime::currentMSecsSinceEpoch() * 1000;
            std::printf("%lld %ld\n", static_cast<long long>(now), peakResidentKb());
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

} // namespace

void reportFirstPaintAndQuit(QWidget& widget)
{
    widget.installEventFilter(new FirstPaintFilter(&widget));
}
