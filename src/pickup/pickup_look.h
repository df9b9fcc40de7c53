#pragma once

#include "pickup/pickup_watch.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// The looks at the target folder, through platform::fileSystem(). Each may block for as long as
// the folder's share does not answer: they run on a thread of their own (pickup_monitor.h).
namespace pickup {

// One look at each request. A file gone from its name counts as taken unless the same file now
// stands under another name ending in .gdt in its folder (some devices rename what they read),
// which is then watched instead; a folder that cannot be read is Unknown, never Gone.
QList<Look> lookAt(const QList<Request>& requests);

// The request files in folder named as Lumvik names them ("ddMMyyyy_HHmmss.gdt", then "_2",
// "_3", ... within a second) for a moment before `before`, in the order written, each with the
// patient its record names; nothing when the folder cannot be read.
QList<Request> findOldRequests(const QString& folder, const QDateTime& before);

// The patient ID, surname and first name of a request record (fields 3000, 3101, 3102, code page
// 437).
Patient patientOfRecord(const QByteArray& record);

} // namespace pickup
