#include "platform/process.h"

#include "platform/system_messages.h"

#include <QFile>

#include <csignal>
#include <thread>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

// X11 and Wayland give the starting program no say over the new window's state: it opens as its
// window manager places it. Any executable file is a program here; there is no opening by type.
// posix_spawn, unlike QProcess, hands back the system's own error code when the program cannot be
// run, so the reason comes from the English system messages instead of a translated text.

extern char** environ;

namespace platform {
namespace {

class SpawnSetup
{
public:
    SpawnSetup()
    {
        ::posix_spawn_file_actions_init(&actions);
        ::posix_spawnattr_init(&attributes);
    }
    ~SpawnSetup()
    {
        ::posix_spawn_file_actions_destroy(&actions);
        ::posix_spawnattr_destroy(&attributes);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
};

} // namespace

QString launchDetached(const QString& file, const QString& workingFolder, const QString&)
{
    const QByteArray program = QFile::encodeName(file);
    const QByteArray folder = QFile::encodeName(workingFolder);
    SpawnSetup setup;
    ::posix_spawn_file_actions_addopen(&setup.actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    ::posix_spawn_file_actions_addchdir_np(&setup.actions, folder.constData());
    // A session of its own: the viewer outlives Lumvik and no signal meant for Lumvik's terminal
    // reaches it. Signals Lumvik blocks or ignores are the program's own business again.
    sigset_t none;
    sigemptyset(&none);
    sigset_t defaults;
    sigfillset(&defaults);
    ::posix_spawnattr_setsigmask(&setup.attributes, &none);
    ::posix_spawnattr_setsigdefault(&setup.attributes, &defaults);
    ::posix_spawnattr_setflags(&setup.attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    char* const arguments[] = {const_cast<char*>(program.constData()), nullptr};
    pid_t child = 0;
    const int error = ::posix_spawn(&child, program.constData(), &setup.actions, &setup.attributes, arguments, environ);
    if (error != 0)
        return systemMessage(error);
    // Lumvik does not wait for the viewer, but collects its exit so that no zombie is left.
    std::thread([child] { ::waitpid(child, nullptr, 0); }).detach();
    return {};
}

} // namespace platform
