// The request files and Settings.ini on a Windows file system (run under Wine): no replacing,
// files that another program holds open, and the English texts of Windows' errors.
#include "platform/file_system_win32.h"
#include "platform/file_writes.h"
#include "platform/system_messages.h"
#include "runtime_errors/runtime_error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <windows.h>

namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A file that another program has open and shares with nobody, as an editor or a scanner may.
class HeldFile
{
public:
    explicit HeldFile(const QString& path)
        : m_handle(::CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()), GENERIC_READ,
                                 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
    {
        EXPECT_NE(m_handle, INVALID_HANDLE_VALUE) << qPrintable(path);
    }
    ~HeldFile() { ::CloseHandle(m_handle); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

private:
    HANDLE m_handle;
};

class WindowsFilesTest : public ::testing::Test
{
protected:
    QString folder() const { return m_folder.path() + QLatin1Char('/'); }
    QStringList entries() const
    {
        return QDir(m_folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    void put(const QString& name, const QByteArray& bytes) const
    {
        QFile file(folder() + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    QTemporaryDir m_folder;
};

TEST_F(WindowsFilesTest, TakenNamesGetTheNextNumberAndNothingIsReplaced)
{
    put(QStringLiteral("06122026_081530.gdt"), "first");
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("06122026_081530_2.gdt")));
    QString written;
    {
        const HeldFile held(folder() + QStringLiteral("06122026_081530.gdt"));
        written = platform::writeNewFileAtomically(folder(), QStringLiteral("06122026_081530"), QStringLiteral(".gdt"),
                                                   "second");
    }
    EXPECT_EQ(written, folder() + QStringLiteral("06122026_081530_3.gdt"));
    EXPECT_EQ(contentOf(written), "second");
    EXPECT_EQ(contentOf(folder() + QStringLiteral("06122026_081530.gdt")), "first");
    EXPECT_EQ(entries(), QStringList({"06122026_081530.gdt", "06122026_081530_2.gdt", "06122026_081530_3.gdt"}));
}

TEST_F(WindowsFilesTest, MissingFolderIsPathNotFoundAndLeavesNothing)
{
    const QString missing = folder() + QStringLiteral("GDT\\");
    try {
        platform::writeNewFileAtomically(missing, QStringLiteral("x"), QStringLiteral(".gdt"), "bytes");
        ADD_FAILURE() << "written into a missing folder";
    } catch (const errors::RuntimeError& error) {
        EXPECT_EQ(error.number(), errors::kPathNotFound) << qPrintable(error.description());
    }
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(WindowsFilesTest, SettingsHeldOpenByAnotherProgramStayAsTheyWereAndTheReasonIsEnglish)
{
    put(QStringLiteral("Settings.ini"), "[Lumvik]\r\nPath=D:\\GDT\\\r\n");
    try {
        const HeldFile held(folder() + QStringLiteral("Settings.ini"));
        platform::replaceFileAtomically(folder() + QStringLiteral("Settings.ini"), "[Lumvik]\r\nPath=E:\\\r\n");
        ADD_FAILURE() << "replaced a file another program holds";
    } catch (const errors::RuntimeError& error) {
        EXPECT_EQ(error.number(), errors::kPathFileAccessError);
        EXPECT_TRUE(error.description().contains(QDir::toNativeSeparators(folder() + QStringLiteral("Settings.ini"))))
            << qPrintable(error.description());
    }
    EXPECT_EQ(contentOf(folder() + QStringLiteral("Settings.ini")), "[Lumvik]\r\nPath=D:\\GDT\\\r\n");
    EXPECT_EQ(entries(), QStringList({"Settings.ini"}));
}

// A folder the user may not write (its access list, a write-protected medium) cannot be made under
// Wine here, where the tests run as root: the error codes it gives are sorted here.
TEST(FileStatusOfSystemError, FullDiskRefusalOrTheSystemsEnglishReason)
{
    using Kind = platform::FileStatus::Kind;
    const std::pair<DWORD, Kind> sorted[] = {
        {ERROR_DISK_FULL, Kind::DiskFull},
        {ERROR_HANDLE_DISK_FULL, Kind::DiskFull},
        {1295, Kind::DiskFull}, // ERROR_DISK_QUOTA_EXCEEDED
        {ERROR_ACCESS_DENIED, Kind::PermissionDenied},
        {ERROR_WRITE_PROTECT, Kind::PermissionDenied},
        {ERROR_SHARING_VIOLATION, Kind::Failed},
    };
    for (const auto& [error, kind] : sorted)
        EXPECT_EQ(platform::fileStatusOfSystemError(error).kind, kind) << error;
    EXPECT_EQ(platform::fileStatusOfSystemError(ERROR_SHARING_VIOLATION).reason,
              platform::systemMessage(ERROR_SHARING_VIOLATION));
}

// The tests run with German regional settings: the system's own texts would be German.
TEST(WindowsSystemMessages, AreEnglishOrTheNumber)
{
    for (const DWORD code : {DWORD(ERROR_FILE_NOT_FOUND), DWORD(ERROR_ACCESS_DENIED), DWORD(ERROR_SHARING_VIOLATION)}) {
        const QString text = platform::systemMessage(long(code));
        EXPECT_FALSE(text.isEmpty() || text.startsWith(QLatin1String("system error")) ||
                     text.endsWith(QLatin1Char('.')))
            << qPrintable(text);
        EXPECT_TRUE(std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; }))
            << qPrintable(text);
    }
    EXPECT_EQ(platform::systemMessage(0x2000FFFF), QStringLiteral("system error 536936447"));
}

// "%1 is not a valid Win32 application": the place is the file's, taken as it stands ("\1" is no
// back reference), or "it".
TEST(WindowsSystemMessages, FillTheirPlacesWithTheFileTheySpeakOf)
{
    for (const QString subject : {"C:/Tools/viewer.exe", "C:\\1\\viewer.exe", ""}) {
        const QString text = platform::systemMessage(ERROR_BAD_EXE_FORMAT, subject);
        EXPECT_TRUE(text.contains(subject.isEmpty() ? QStringLiteral("it") : subject) && !text.contains('%'))
            << qPrintable(text);
    }
}

} // namespace
