#pragma once

#include "platform/file_system.h"

#include <QStringList>

#include <condition_variable>
#include <deque>
#include <mutex>

namespace testsupport {

// The system's file system with failures and races put in on cue: each scripted step replaces
// the next call of its operation, every other call goes to the disk. Records every call, so a
// test sees the order of the steps. A step nobody used fails the test. The looks (Look, List) may
// come from another thread.
class ScriptedFileSystem : public platform::FileSystem
{
public:
    enum class Operation {
        Create,
        Write,
        Flush,
        Close,
        RenameWithoutReplacing,
        RenameReplacing,
        Remove,
        SyncFolder,
        Look, // a failed status: the entry is Unknown
        List, // a failed status: the folder cannot be read
    };

    ScriptedFileSystem() = default;
    ~ScriptedFileSystem() override;

    // The next call of operation returns status and does nothing.
    void failNext(Operation operation, platform::FileStatus status);
    // The next write hands only its first `bytes` bytes to the disk.
    void shortenNextWrite(qsizetype bytes);
    // Just before the next rename without replacing, another program creates a file at its target.
    void takeNameBeforeNextRename();
    // The next look waits until releaseLook(), as on a share that does not answer.
    void holdNextLook();
    void releaseLook();

    struct Call
    {
        Operation operation;
        QString path;
    };
    std::vector<Call> calls() const;
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
    platform::EntryLook lookAt(const QString& path) override;
    std::optional<QStringList> entryNames(const QString& folder) override;

private:
    struct Step
    {
        Operation operation;
        platform::FileStatus status;
        qsizetype shortWrite = -1;
        bool takeName = false;
        bool hold = false;
    };
    // Records the call and hands out the step scripted for it, if any.
    std::optional<Step> next(Operation operation, const QString& path);

    platform::FileSystem& m_disk = platform::systemFileSystem();
    mutable std::mutex m_mutex;
    std::condition_variable m_released;
    bool m_holding = false;
    std::deque<Step> m_steps;
    std::vector<Call> m_calls;
    platform::ScopedFileSystem m_install{*this};
};

} // namespace testsupport
