#pragma once

#include "dates/regional.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// Whether the device took a request: a device that reads a request file deletes it from the
// target folder or moves it away, and nothing else tells the sender. These are the states and
// what the status line says about them; pickup_monitor.h does the looking.
namespace pickup {

// The patient a request names, as typed.
struct Patient
{
    QString surname;
    QString firstName;
    QString id;

    bool isEmpty() const { return surname.isEmpty() && firstName.isEmpty() && id.isEmpty(); }
    bool operator==(const Patient&) const = default;
};

enum class State {
    Waiting, // the file is still in the target folder
    Taken,   // gone: deleted, moved away, or renamed to a name that does not end in .gdt
    Overdue, // still there after its minutes
    Unseen,  // its folder cannot be read or does not answer: whether it was taken is not known
};

// One request file being watched.
struct Request
{
    quint64 id = 0; // given by the watch
    QString path;   // absolute; follows a rename to another .gdt name in the same folder
    Patient patient;
    QDateTime written;
    int minutes = 0;     // the PickupMinutes it is watched with
    QByteArray identity; // the file as the last look saw it (platform::EntryLook)
    State state = State::Waiting;
    QDateTime takenAt; // when its absence was noticed

    QString fileName() const;
    QString folder() const;
    bool operator==(const Request&) const = default;
};

// What one look found out about one request.
struct Look
{
    enum class Kind { Present, Gone, Unknown };
    quint64 id = 0;
    Kind kind = Kind::Unknown;
    QString path;        // Present: where the file stands now
    QByteArray identity; // Present
};

// What the status line says: the state that matters most among the requests still watched (cannot
// be seen, then not taken in time, then waiting), how many are in it and the oldest of them;
// "taken" only once none is left, naming the last one taken.
struct Status
{
    enum class Kind { None, Waiting, Taken, Overdue, Unseen };
    Kind kind = Kind::None;
    qsizetype count = 0;
    Request request;

    bool operator==(const Status&) const = default;
};

// The requests watched and what the looks found; it neither looks nor reads a clock itself.
class Watch
{
public:
    // Watches request (Waiting, or Overdue for one found at start-up) under a new id.
    void add(Request request);
    bool watches(const QString& path) const;
    // The requests still to look at: all not taken, oldest first.
    QList<Request> pending() const;
    bool hasPending() const { return !m_pending.isEmpty(); }
    // Takes in what one look found, at now. A request present after its minutes is overdue; one
    // taken is watched no more.
    void apply(const QList<Look>& looks, const QDateTime& now);
    // The look has not answered for too long: nothing is known about any request still watched.
    void markUnanswered();
    Status status() const;

private:
    QList<Request> m_pending;
    std::optional<Request> m_lastTaken;
    quint64 m_nextId = 1;
};

// The status line's texts from Language.mdb. In request, %1 is the file name, %2 the surname, %3
// the first name and %4 the patient ID; in the others %1 is the request so named (the file name
// alone for a request that names nobody), and the rest as noted.
struct Texts
{
    QString request;
    QString waiting;
    QString waitingMany; // %2 how many
    QString taken;       // %2 when it was noticed
    QString overdue;     // %2 its minutes
    QString overdueMany; // %2 the oldest one's minutes, %3 how many
    QString unseen;
    QString unseenMany; // %2 how many
};

// The status line's text; empty for Kind::None.
QString describe(const Status& status, const Texts& texts, const dates::RegionalFormats& regional);

} // namespace pickup
