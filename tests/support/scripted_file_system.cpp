#include "support/scripted_file_system.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>

namespace testsupport {

using platform::FileStatus;

ScriptedFileSystem::~ScriptedFileSystem()
{
    releaseLook();
    EXPECT_TRUE(m_steps.empty()) << m_steps.size() << " scripted file-system step(s) never reached";
}

void ScriptedFileSystem::failNext(Operation operation, FileStatus status)
{
    const std::lock_guard lock(m_mutex);
    m_steps.push_back({operation, std::move(status)});
}

void ScriptedFileSystem::shortenNextWrite(qsizetype bytes)
{
    const std::lock_guard lock(m_mutex);
    m_steps.push_back({Operation::Write, {}, bytes});
}

void ScriptedFileSystem::takeNameBeforeNextRename()
{
    const std::lock_guard lock(m_mutex);
    m_steps.push_back({Operation::RenameWithoutReplacing, {}, -1, true});
}

void ScriptedFileSystem::holdNextLook()
{
    const std::lock_guard lock(m_mutex);
    m_holding = true;
    m_steps.push_back({Operation::Look, {}, -1, false, true});
}

void ScriptedFileSystem::releaseLook()
{
    const std::lock_guard lock(m_mutex);
    m_holding = false;
    m_released.notify_all();
}

std::vector<ScriptedFileSystem::Call> ScriptedFileSystem::calls() const
{
    const std::lock_guard lock(m_mutex);
    return m_calls;
}

std::vector<ScriptedFileSystem::Operation> ScriptedFileSystem::operations() const
{
    const std::lock_guard lock(m_mutex);
    std::vector<Operation> operations;
    for (const Call& call : m_calls)
        operations.push_back(call.operation);
    return operations;
}

std::optional<ScriptedFileSystem::Step> ScriptedFileSystem::next(Operation operation, const QString& path)
{
    std::unique_lock lock(m_mutex);
    m_calls.push_back({operation, path});
    const auto step =
        std::find_if(m_steps.begin(), m_steps.end(), [&](const Step& s) { return s.operation == operation; });
    if (step == m_steps.end())
        return std::nullopt;
    const Step taken = *step;
    m_steps.erase(step);
    if (taken.hold)
        m_released.wait(lock, [this] { return !m_holding; });
    return taken;
}

FileStatus ScriptedFileSystem::createTemporaryFile(const QString& folder, const QString& stem, platform::OpenFile& file)
{
    if (const auto step = next(Operation::Create, folder))
        return step->status;
    return m_disk.createTemporaryFile(folder, stem, file);
}

FileStatus ScriptedFileSystem::writeSome(const platform::OpenFile& file, QByteArrayView bytes, qsizetype& written)
{
    const auto step = next(Operation::Write, file.path);
    if (step && step->shortWrite >= 0)
        return m_disk.writeSome(file, bytes.first(std::min(step->shortWrite, bytes.size())), written);
    if (step)
        return step->status;
    return m_disk.writeSome(file, bytes, written);
}

FileStatus ScriptedFileSystem::flushToDisk(const platform::OpenFile& file)
{
    if (const auto step = next(Operation::Flush, file.path))
        return step->status;
    return m_disk.flushToDisk(file);
}

FileStatus ScriptedFileSystem::closeFile(platform::OpenFile& file)
{
    const auto step = next(Operation::Close, file.path);
    const FileStatus closed = m_disk.closeFile(file); // a failed close still closes
    return step ? step->status : closed;
}

FileStatus ScriptedFileSystem::renameWithoutReplacing(const QString& from, const QString& to)
{
    const auto step = next(Operation::RenameWithoutReplacing, to);
    if (step && step->takeName) {
        QFile intruder(to);
        EXPECT_TRUE(intruder.open(QIODevice::WriteOnly) && intruder.write("other") == 5);
    } else if (step) {
        return step->status;
    }
    return m_disk.renameWithoutReplacing(from, to);
}

FileStatus ScriptedFileSystem::renameReplacing(const QString& from, const QString& to)
{
    if (const auto step = next(Operation::RenameReplacing, to))
        return step->status;
    return m_disk.renameReplacing(from, to);
}

FileStatus ScriptedFileSystem::removeFile(const QString& path)
{
    if (const auto step = next(Operation::Remove, path))
        return step->status;
    return m_disk.removeFile(path);
}

FileStatus ScriptedFileSystem::syncFolder(const QString& folder)
{
    if (const auto step = next(Operation::SyncFolder, folder))
        return step->status;
    return m_disk.syncFolder(folder);
}

bool ScriptedFileSystem::entryExists(const QString& path)
{
    return m_disk.entryExists(path);
}

platform::EntryLook ScriptedFileSystem::lookAt(const QString& path)
{
    const auto step = next(Operation::Look, path);
    if (step && !step->status.ok())
        return {};
    return m_disk.lookAt(path);
}

std::optional<QStringList> ScriptedFileSystem::entryNames(const QString& folder)
{
    if (const auto step = next(Operation::List, folder); step && !step->status.ok())
        return std::nullopt;
    return m_disk.entryNames(folder);
}

} // namespace testsupport
