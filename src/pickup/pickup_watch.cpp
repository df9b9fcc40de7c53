#include "pickup/pickup_watch.h"

#include <QFileInfo>

#include <algorithm>

namespace pickup {

QString Request::fileName() const
{
    return QFileInfo(path).fileName();
}

QString Request::folder() const
{
    return QFileInfo(path).path();
}

void Watch::add(Request request)
{
    request.id = m_nextId++;
    const auto later = std::upper_bound(m_pending.begin(), m_pending.end(), request.written,
                                        [](const QDateTime& written, const Request& r) { return written < r.written; });
    m_pending.insert(later, std::move(request));
}

bool Watch::watches(const QString& path) const
{
    return std::any_of(m_pending.begin(), m_pending.end(), [&](const Request& r) { return r.path == path; });
}

QList<Request> Watch::pending() const
{
    return m_pending;
}

void Watch::apply(const QList<Look>& looks, const QDateTime& now)
{
    for (const Look& look : looks) {
        const auto request =
            std::find_if(m_pending.begin(), m_pending.end(), [&](const Request& r) { return r.id == look.id; });
        if (request == m_pending.end())
            continue;
        switch (look.kind) {
        case Look::Kind::Present:
            request->path = look.path;
            request->identity = look.identity;
            request->state =
                request->written.addSecs(qint64(request->minutes) * 60) <= now ? State::Overdue : State::Waiting;
            break;
        case Look::Kind::Unknown:
            request->state = State::Unseen;
            break;
        case Look::Kind::Gone:
            request->state = State::Taken;
            request->takenAt = now;
            m_lastTaken = *request;
            m_pending.erase(request);
            break;
        }
    }
}

void Watch::markUnanswered()
{
    for (Request& request : m_pending)
        request.state = State::Unseen;
}

Status Watch::status() const
{
    for (const auto& [state, kind] :
         {std::pair{State::Unseen, Status::Kind::Unseen}, std::pair{State::Overdue, Status::Kind::Overdue},
          std::pair{State::Waiting, Status::Kind::Waiting}}) {
        const auto inState = [state = state](const Request& r) { return r.state == state; };
        const auto oldest = std::find_if(m_pending.begin(), m_pending.end(), inState);
        if (oldest != m_pending.end())
            return {kind, std::count_if(m_pending.begin(), m_pending.end(), inState), *oldest};
    }
    if (m_lastTaken)
        return {Status::Kind::Taken, 1, *m_lastTaken};
    return {};
}

QString describe(const Status& status, const Texts& texts, const dates::RegionalFormats& regional)
{
    const Request& request = status.request;
    const Patient& patient = request.patient;
    const QString named = patient.isEmpty()
                              ? request.fileName()
                              : texts.request.arg(request.fileName(), patient.surname, patient.firstName, patient.id);
    const QString count = QString::number(status.count);
    const QString minutes = QString::number(request.minutes);
    const bool many = status.count > 1;
    switch (status.kind) {
    case Status::Kind::None:
        return {};
    case Status::Kind::Waiting:
        return many ? texts.waitingMany.arg(named, count) : texts.waiting.arg(named);
    case Status::Kind::Taken:
        return texts.taken.arg(named, regional.longTime(request.takenAt.time()));
    case Status::Kind::Overdue:
        return many ? texts.overdueMany.arg(named, minutes, count) : texts.overdue.arg(named, minutes);
    case Status::Kind::Unseen:
        return many ? texts.unseenMany.arg(named, count) : texts.unseen.arg(named);
    }
    return {};
}

} // namespace pickup
