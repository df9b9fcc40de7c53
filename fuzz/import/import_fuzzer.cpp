// Feeds arbitrary bytes through the import timer tick and checks the import's promises: nothing
// escapes the tick, a failure is exactly one reported run-time error (5, 6 or 62) that says in
// plain words what was wrong, under the name of the procedure the file's deciding line selects,
// a failure leaves no import file behind and every imported field empty, and a success sets the
// imported fields to what the reader cuts from the staged text and deletes that file. The first byte
// chooses whether an import file of another patient is left in the folder, sorting before the
// staged one: it is never taken.

#include "dates/regional.h"
#include "import/import_folder.h"
#include "import/import_timer.h"
#include "import/layouts.h"
#include "import/recording_import_window.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/program_folder.h"
#include "runtime_errors/runtime_error.h"
#include "support/recording_messages.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

struct Environment
{
    QTemporaryDir programFolder;
    platform::ScopedProgramFolder useProgramFolder{programFolder.path()};
    platform::ScopedFixedClock clock{QDateTime(QDate(2026, 12, 6), QTime(7, 45))};
    testsupport::RecordingMessages messages;
    platform::ScopedMessagePresenter useMessages{messages};
};

const QByteArray kLeftover = "Appointment: Left, Over (M) #LEFTOVER 01/02/1970 10:00\r\n";

void require(bool condition, const char* promise)
{
    if (!condition) {
        std::fprintf(stderr, "import fuzzer: broken promise: %s\n", promise);
        std::abort();
    }
}

struct Expected
{
    QString failure; // the procedure a failure is reported under; empty when the text imports
    fields::RequestFields record;
};

Expected expectedImport(const QByteArray& fileBytes, const QString& today)
{
    const import::ImportLines lines = import::ImportLines::fromFileBytes(fileBytes);
    QString procedure = QStringLiteral("CreateTextfile");
    try {
        const import::LayoutReader& reader = import::chooseLayout(lines);
        const QString& deciding = lines.line(1).isEmpty() ? lines.line(2) : lines.line(1);
        require(deciding.startsWith(reader.keyword), "the deciding line starts with the chosen layout's keyword");
        import::refuseSeveralPatients(lines, reader);
        procedure = reader.procedure;
        return {QString(), reader.cut(lines, today)};
    } catch (const errors::RuntimeError&) {
        return {procedure, {}};
    }
}

// What the tick will stage for text, staged the same way into a scratch folder.
QByteArray stagedBytes(const QString& scratchFolder, const QString& text)
{
    platform::StagingFolder scratch = platform::StagingFolder::open(scratchFolder);
    const QString name = QFileInfo(import::stageImportText(scratch, text)).fileName();
    const QByteArray bytes = scratch.readFile(name);
    scratch.removeFile(name);
    return bytes;
}

void checkFailure(const QStringList& boxes, const QString& procedure)
{
    static const QRegularExpression form(QStringLiteral("^ # (5|6|62) - (.+) - (\\w+)$"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QStringList bareTexts = {QStringLiteral("Invalid procedure call or argument"),
                                          QStringLiteral("Overflow"), QStringLiteral("Input past end of file")};
    require(boxes.size() == 1, "a failure is reported exactly once");
    const auto match = form.match(boxes.first());
    require(match.hasMatch(), "a failure is error 5, 6 or 62 in the handler's form");
    require(!bareTexts.contains(match.captured(2)), "a failure says in plain words what was wrong");
    require(match.captured(3) == procedure, "a failure carries the name of the failing procedure");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Environment environment;
    if (size == 0)
        return 0;
    const bool withLeftover = data[0] & 1;
    const QString folder = import::importFolder();
    const QString leftover = folder + QStringLiteral("/0.txt");
    environment.messages.texts.clear();

    testsupport::RecordingImportWindow window;
    window.text = QString::fromUtf8(QByteArray(reinterpret_cast<const char*>(data) + 1, qsizetype(size) - 1));
    QByteArray taken;
    if (!window.text.isEmpty())
        taken = stagedBytes(environment.programFolder.filePath(QStringLiteral("Scratch")), window.text);
    if (withLeftover) {
        QDir().mkpath(folder);
        QFile file(leftover);
        require(file.open(QIODevice::WriteOnly) && file.write(kLeftover) == kLeftover.size(), "leftover written");
    }

    import::tmrTxtTimer_Timer(window);

    if (window.text.isEmpty()) {
        require(window.timerEnabled && environment.messages.texts.isEmpty(), "an empty box re-arms the timer");
    } else {
        require(!window.timerEnabled, "the timer stays off after an import or a failure");
        const Expected expected =
            expectedImport(taken, dates::RegionalFormats::current().shortDate(platform::now().date()));
        if (expected.failure.isEmpty()) {
            require(environment.messages.texts.isEmpty(), "an import reports nothing");
            const auto imported = fields::requestFieldsBy(&fields::RequestField::filledByImport);
            bool setAsCut = window.fields.size() == imported.size();
            for (const fields::RequestField* field : imported)
                setAsCut = setAsCut && window.current(QLatin1String(field->control)) == expected.record.*field->member;
            require(setAsCut, "an import sets the imported fields from the text in the box");
            require(!QFileInfo::exists(folder + u'/' + import::stagedFileName(platform::now())),
                    "an import deletes the file it took");
            require(QFileInfo::exists(leftover) == withLeftover, "an import leaves an older file alone");
        } else {
            checkFailure(environment.messages.texts, expected.failure);
            require(window.fieldsEmptied(), "a failure empties the imported fields");
            require(import::importFileNames(platform::StagingFolder::open(folder)).isEmpty(),
                    "a failure leaves no import file");
        }
    }

    if (auto staging = platform::StagingFolder::openExisting(folder))
        import::deleteImportFiles(*staging);
    QFile::remove(environment.programFolder.filePath(QStringLiteral("Logs/ErrorLog.log")));
    return 0;
}
