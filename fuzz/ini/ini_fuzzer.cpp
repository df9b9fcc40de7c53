// libFuzzer target for the INI document behind Settings.ini: parse, set one key, read, serialise.
// Input: one byte choosing the key, the value (UTF-8, up to the first NUL), then the file's bytes.
// Checks what the settings rely on: an untouched document comes out byte for byte; a set changes
// bytes within one line of the file only, reads back (in memory and after re-parsing), and leaves
// the other keys as they were; a UTF-8 byte-order mark in front changes nothing but itself; bytes
// that are no INI text are refused with an error, never half read. A crash,
// hang or sanitizer report is a finding as well.

#include "runtime_errors/runtime_error.h"
#include "settings/ini_document.h"

#include <array>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

using settings::IniDocument;

const QString kSection = QStringLiteral("Lumvik");
const std::array<QString, 6> kKeys = {QStringLiteral("Path"),      QStringLiteral("OrvanePath"),
                                      QStringLiteral("RunOrvane"), QStringLiteral("TxtImport"),
                                      QStringLiteral("Language"),  QStringLiteral("Modality")};
const QByteArray kUtf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");
const QString kFileName = QStringLiteral("Settings.ini");

void require(bool condition, const char* promise)
{
    if (!condition) {
        std::fprintf(stderr, "ini fuzzer: broken promise: %s\n", promise);
        std::abort();
    }
}

// True when every byte that differs between before and after lies within one line of before.
bool changedWithinOneLine(const QByteArray& before, const QByteArray& after)
{
    qsizetype prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    return !before.mid(prefix, before.size() - prefix - suffix).contains('\n');
}

std::array<std::optional<QString>, 6> allValues(const IniDocument& document)
{
    std::array<std::optional<QString>, 6> values;
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        values[i] = document.value(kSection, kKeys[i]);
    return values;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Files without a mark are read in the system code page: make that UTF-8 for every run.
    std::setlocale(LC_ALL, "C.UTF-8");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t keyIndex = data[0] % kKeys.size();
    const QByteArray rest(reinterpret_cast<const char*>(data) + 1, qsizetype(size) - 1);
    const qsizetype split = rest.indexOf('\0');
    // The profile-string writer refuses line breaks in a value before they reach the document.
    QString value = QString::fromUtf8(split < 0 ? rest : rest.left(split));
    value.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    const QByteArray file = split < 0 ? QByteArray() : rest.mid(split + 1);

    std::optional<IniDocument> parsed;
    try {
        parsed.emplace(file, kFileName);
    } catch (const errors::RuntimeError&) {
        return 0; // no INI text: refused whole, and nothing is written over it
    }
    IniDocument& document = *parsed;
    require(document.bytes() == file, "an untouched document comes out byte for byte");
    auto valuesBefore = allValues(document);

    document.setValue(kSection, kKeys[keyIndex], value);
    const QByteArray written = document.bytes();
    require(changedWithinOneLine(file, written), "a set changes bytes within one line of the file only");
    const std::optional<QString> inMemory = document.value(kSection, kKeys[keyIndex]);
    require(inMemory.has_value(), "a key that was set can be read");
    // The one exception: decoding takes a leading U+FEFF for a byte-order mark and drops it.
    if (!value.startsWith(QChar(0xFEFF)))
        require(*inMemory == value, "a value that was set reads back");

    const IniDocument reread(written, kFileName);
    const auto valuesAfter = allValues(reread);
    require(valuesAfter[keyIndex] == inMemory, "the written file reads as the document did");
    valuesBefore[keyIndex] = inMemory;
    require(valuesAfter == valuesBefore, "a set leaves the other keys as they were");

    if (!file.startsWith(kUtf8Mark) && !file.startsWith("\xFF\xFE") && !file.startsWith("\xFE\xFF")) {
        IniDocument marked(kUtf8Mark + file, kFileName);
        marked.setValue(kSection, kKeys[keyIndex], value);
        require(marked.bytes() == kUtf8Mark + written, "a byte-order mark changes nothing but itself");
    }
    return 0;
}
