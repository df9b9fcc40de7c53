#include "platform/process.h"
#include "runtime_errors/runtime_error.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The user looks for the viewer's path in the settings as typed: errors name it so, on Windows too,
// where the temporary folder's "/" would otherwise turn round; and a system text never shows "%1".
TEST(StartProgram, ErrorsNameThePathAsTyped)
{
    QTemporaryDir dir;
    const QString noProgram = dir.filePath("viewer.exe");
    QFile bytes(noProgram);
    ASSERT_TRUE(bytes.open(QIODevice::WriteOnly));
    bytes.write("no program at all");
    bytes.close();
    const struct
    {
        const char* what;
        QString path;
        qint32 number;
        QString description; // how the description starts
    } cases[] = {
        {"no path", "", errors::kInvalidProcedureCall, "Invalid procedure call or argument: no program to start"},
        {"nothing there", dir.filePath("missing.exe"), errors::kFileNotFound,
         "File not found: " + dir.filePath("missing.exe")},
        {"a folder is no program", dir.path(), errors::kFileNotFound, "File not found: " + dir.path()},
        {"bytes no system runs", noProgram, errors::kPermissionDenied,
         "Permission denied: " + noProgram + " (cannot start it: "},
    };
    for (const auto& c : cases) {
        try {
            platform::startProgramDetached(c.path);
            ADD_FAILURE() << c.what << ": started";
        } catch (const errors::RuntimeError& error) {
            EXPECT_EQ(error.number(), c.number) << c.what;
            EXPECT_TRUE(error.description().startsWith(c.description))
                << c.what << ": " << qPrintable(error.description());
            EXPECT_FALSE(error.description().contains("%1")) << c.what << ": " << qPrintable(error.description());
        }
    }
}

} // namespace
