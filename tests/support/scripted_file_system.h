#pragma once

#include "platform/file_system.h"

#include <QStringList>

#include <deque>

namespace testsupport {

// The system's file system with failures and races put in on cue: each scripted step replaces
// the next call of its operation, every other call goes to the disk. Records every call, so a
// test sees the order of the steps. A step nobody used fails the test.
class ScriptedFileSystem : public platform::FileSystem
{
public:
    enum class Operation { Create, Write, Flush, Close, RenameWithoutReplacing, RenameReplacing, Remove, SyncFolder };

    ScriptedFileSystem() = default;
    ~ScriptedFileSystem() override;

    // The next call of operation returns status and does nothing.
    void failNext(Operation operation, platform::FileStatus status);
    // The next write hands only its first `bytes` bytes to the disk.
    void shortenNextWrite(qsizetype bytes);
    // Just before the next rename without replacing, another program creates a file at its target.
    void takeNameBeforeNextRename();

    struct Call
    {
        Operation operation;
        QString path;
    };
    const std::vector<Call>& calls() const { return m_calls; }
    std::vector<Operation> operations() const;

    platform::FileStatus createTemporaryFile(const QString& folder, const QString& stem,
                                             platform::OpenFile& file) override;
    platform::FileStatus writeSome(const platform::OpenFile& file, QByteArrayView bytes, qsizetype& written) override;
    platform::FileStatus flushToDisk(const platform::OpenFile& file) override;
    platform::FileStatus closeFile(platform::OpenFile& file) override;
    platform::FileStatus renameWithoutReplacing(const QString& from, const QString& to) override;
    platform::FileStatus renameReplacing(const QString& from, const QString& to) override;
    platform::FileStatus removeFile(const QString& path) override;
    platform::FileStatus syncFolder(const QString& folder) override;
    bool entryExists(const QString& path) override;

private:
    struct Step
    {
        Operation operation;
        platform::FileStatus status;
        qsizetype shortWrite = -1;
        bool takeName = false;
    };
    // Records the call and hands out the step scripted for it, if any.
    std::optional<Step> next(Operation operation, const QString& path);

    platform::FileSystem& m_disk = platform::systemFileSystem();
    std::deque<Step> m_steps;
    std::vector<Call> m_calls;
    platform::ScopedFileSystem m_install{*this};
};

} // namespace testsupport
