#include "pickup/pickup_look.h"

#include "gdt/code_page_437.h"
#include "platform/file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace pickup {
namespace {

using platform::EntryLook;

bool endsInGdt(const QString& name)
{
    return name.endsWith(QLatin1String(".gdt"), Qt::CaseInsensitive);
}

// Where the file of request went when its name is gone: another .gdt name in the same folder that
// holds the same file and no other watched request.
Look lookForRename(const Request& request, const QSet<QString>& watchedPaths)
{
    if (request.identity.isEmpty())
        return {request.id, Look::Kind::Gone, {}, {}};
    platform::FileSystem& files = platform::fileSystem();
    const QString folder = request.folder();
    const std::optional<QStringList> names = files.entryNames(folder);
    if (!names)
        return {request.id, Look::Kind::Unknown, {}, {}};
    for (const QString& name : *names) {
        const QString path = QDir(folder).filePath(name);
        if (!endsInGdt(name) || watchedPaths.contains(path))
            continue;
        const EntryLook entry = files.lookAt(path);
        if (entry.kind == EntryLook::Kind::Present && entry.identity == request.identity)
            return {request.id, Look::Kind::Present, path, entry.identity};
    }
    return {request.id, Look::Kind::Gone, {}, {}};
}

// The moment in a request file's name and its number within that second (1 without "_n").
struct RequestName
{
    QDateTime moment;
    int number = 1;
};

std::optional<RequestName> requestName(const QString& fileName)
{
    // As the writer names them: ddMMyyyy_HHmmss, then _2, _3, ... for more in the same second.
    // Read by hand: a regular expression would cost the start-up more than the rest of the look.
    const auto digits = [](QStringView text) {
        return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    const QStringView name(fileName);
    if (!name.endsWith(QLatin1String(".gdt")) || name.size() < 19 || !digits(name.first(8)) || name[8] != u'_' ||
        !digits(name.sliced(9, 6)))
        return std::nullopt;
    const QStringView rest = name.sliced(15).chopped(4);
    int number = 1;
    if (!rest.isEmpty()) {
        const QStringView digitsAfter = rest.sliced(1);
        if (rest[0] != u'_' || !digits(digitsAfter) || digitsAfter[0] == u'0' || digitsAfter.toInt() < 2)
            return std::nullopt;
        number = digitsAfter.toInt();
    }
    const QDateTime moment = QDateTime::fromString(name.first(15).toString(), QStringLiteral("ddMMyyyy_HHmmss"));
    if (!moment.isValid())
        return std::nullopt;
    return RequestName{moment, number};
}

} // namespace

QList<Look> lookAt(const QList<Request>& requests)
{
    QSet<QString> watchedPaths;
    for (const Request& request : requests)
        watchedPaths.insert(request.path);
    QList<Look> looks;
    for (const Request& request : requests) {
        const EntryLook entry = platform::fileSystem().lookAt(request.path);
        switch (entry.kind) {
        case EntryLook::Kind::Present:
            looks.append({request.id, Look::Kind::Present, request.path, entry.identity});
            break;
        case EntryLook::Kind::Unknown:
            looks.append({request.id, Look::Kind::Unknown, {}, {}});
            break;
        case EntryLook::Kind::Absent:
            looks.append(lookForRename(request, watchedPaths));
            break;
        }
    }
    return looks;
}

QList<Request> findOldRequests(const QString& folder, const QDateTime& before)
{
    platform::FileSystem& files = platform::fileSystem();
    const std::optional<QStringList> names = files.entryNames(folder);
    if (!names)
        return {};
    QList<std::pair<RequestName, Request>> found;
    for (const QString& name : *names) {
        const std::optional<RequestName> named = requestName(name);
        if (!named || named->moment >= before)
            continue;
        Request request;
        request.path = QDir(folder).filePath(name);
        request.written = named->moment;
        const EntryLook entry = files.lookAt(request.path);
        // Only a file is a request: the writer passes over folders and links standing at its names.
        const QFileInfo info(request.path);
        if (entry.kind != EntryLook::Kind::Present || !info.isFile() || info.isSymLink())
            continue;
        request.identity = entry.identity;
        QFile file(request.path);
        if (file.open(QIODevice::ReadOnly))
            request.patient = patientOfRecord(file.read(64 * 1024));
        found.append({*named, request});
    }
    // In the order they were written.
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return std::pair(a.first.moment, a.first.number) < std::pair(b.first.moment, b.first.number);
    });
    QList<Request> requests;
    for (const auto& each : found)
        requests.append(each.second);
    return requests;
}

Patient patientOfRecord(const QByteArray& record)
{
    Patient patient;
    const std::pair<const char*, QString Patient::*> fields[] = {
        {"3000", &Patient::id}, {"3101", &Patient::surname}, {"3102", &Patient::firstName}};
    for (QByteArray line : record.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        for (const auto& [id, member] : fields) {
            if (line.size() > 7 && line.mid(3, 4) == id && (patient.*member).isEmpty())
                patient.*member = gdt::fromCodePage437(line.mid(7));
        }
    }
    return patient;
}

} // namespace pickup
