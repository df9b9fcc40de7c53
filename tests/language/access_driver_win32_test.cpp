// The Access ODBC driver on Windows. Run alone by the test "language_without_access_driver",
// whose ODBC knows no driver at all; the other tests have the stand-in driver.
#include "language/mdb_language_table.h"
#include "language_files.h"

#include <gtest/gtest.h>

namespace {

TEST(AccessDriver, DISABLED_MissingOneIsNamedWithWhatToInstall)
{
    const errors::RuntimeError error = testsupport::errorOf(
        [] { (void)language::readLanguageRows(testsupport::shippedLanguageMdb(), QStringLiteral("English")); });
    EXPECT_EQ(error.number(), language::kDriverNotFound);
    for (const char* named :
         {"Microsoft Access Driver (*.mdb)", "Microsoft Access Driver (*.mdb, *.accdb)", "Access Database Engine"})
        EXPECT_TRUE(error.description().contains(QLatin1String(named))) << qPrintable(error.description());
}

} // namespace
