// libFuzzer target for the reading path of Language.mdb: the header check and libmdb's catalog,
// table definition and row reading, as ChangeLanguage uses them. Seed it with the shipped
// Language.mdb and the Access fixtures (run-short.sh does). Every input must end in rows or in
// errors::RuntimeError; a crash, hang or sanitizer report is a finding.

#include "language/mdb_language_table.h"
#include "runtime_errors/runtime_error.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        (void)language::readLanguageRowsFromBytes(bytes, QStringLiteral("Deutsch"), QStringLiteral("fuzz.mdb"));
    } catch (const errors::RuntimeError&) {
    }
    return 0;
}
