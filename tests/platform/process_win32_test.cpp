#include "platform/process.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

namespace {

// A shortcut at link to target, saved as the shell's own link object saves it.
bool makeShortcut(const QString& link, const QString& target)
{
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* shortcut = nullptr;
    IPersistFile* file = nullptr;
    bool saved =
        SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                     reinterpret_cast<void**>(&shortcut))) &&
        SUCCEEDED(shortcut->SetPath(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(target).utf16()))) &&
        SUCCEEDED(shortcut->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Save(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(link).utf16()), TRUE));
    if (file)
        file->Release();
    if (shortcut)
        shortcut->Release();
    if (SUCCEEDED(com))
        ::CoUninitialize();
    return saved;
}

// Each kind of viewer, with blanks in its path, notes its start in "<its path>.started" (the test
// program: its argument count, the show state it was handed and its working folder; the batch
// file: its working folder). A program whose name is the path's first word must never run.
TEST(StartProgram, StartsEachKindOfViewerByItsPathInItsFolder)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("Program Files/Viewer");
    QDir().mkpath(folder);
    QDir().mkpath(dir.filePath("Links"));
    const QString program = folder + "/viewer app.exe";
    const QString linked = folder + "/linked viewer.exe";
    for (const QString& copy : {program, linked, dir.filePath("Program.exe")})
        ASSERT_TRUE(QFile::copy(QStringLiteral(LUMVIK_STARTED_PROGRAM), copy));
    const QString batch = folder + "/viewer app.bat";
    QFile script(batch);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("@cd > \"%~f0.started\"\r\n");
    script.close();
    const QString shortcut = dir.filePath("Links/viewer link.lnk");
    ASSERT_TRUE(makeShortcut(shortcut, linked));

    const QByteArray nativeFolder = QDir::toNativeSeparators(folder).toUtf8();
    const struct
    {
        const char* what;
        QString viewer;
        QString noted;
        QByteArray start; // how the note starts
    } viewers[] = {
        {"program", program, program, "0 " + QByteArray::number(SW_SHOWMINIMIZED) + ' ' + nativeFolder},
        {"batch file", batch, batch, nativeFolder},
        // A shortcut's target starts in the folder and window state the shortcut itself names.
        {"shortcut", shortcut, linked, "0 "},
    };
    for (const auto& v : viewers)
        EXPECT_NO_THROW(platform::startProgramDetached(QDir::toNativeSeparators(v.viewer))) << v.what;
    for (const auto& v : viewers) {
        QFile note(v.noted + QStringLiteral(".started"));
        QDeadlineTimer deadline(20000);
        while (!note.exists() && !deadline.hasExpired())
            QThread::msleep(20);
        QThread::msleep(100);
        ASSERT_TRUE(note.open(QIODevice::ReadOnly)) << v.what;
        const QByteArray noted = note.readAll().trimmed();
        EXPECT_TRUE(noted.startsWith(v.start)) << v.what << ": " << noted.constData();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("Program.exe.started")));
}

} // namespace
