// Feeds arbitrary bytes through the import timer tick and checks the import's promises: nothing
// escapes the tick, a failure is exactly one reported run-time error (5, 6 or 62) that says in
// plain words what was wrong, under the name of the procedure the file's deciding line selects,
// a failure leaves no import file behind, and a success sets all six fields and deletes the file
// it took. The first byte chooses how the rest arrives: as the text of the import box (staged by
// the tick) or, bit 0 set, as an import file left in the folder that sorts before the staged one.

#include "errors/runtime_error.h"
#include "import/import_folder.h"
#include "import/import_timer.h"
#include "import/layouts.h"
#include "import/recording_import_window.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/program_folder.h"
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

void require(bool condition, const char* promise)
{
    if (!condition) {
        std::fprintf(stderr, "import fuzzer: broken promise: %s\n", promise);
        std::abort();
    }
}

struct Reader
{
    QString procedure;
    import::Layout layout;
    import::ImportedRecord (*cut)(const import::ImportLines&, const QString&);
};

// The reader the deciding line selects, written out here again so that a wrong choice or a wrong
// name in the library shows up as a disagreement.
Reader readerSelectedBy(const QString& decidingLine)
{
    if (decidingLine.startsWith(QStringLiteral("Quickview")))
        return {QStringLiteral("ImportData_2"), import::Layout::Quickview, import::cutQuickview};
    if (decidingLine.startsWith(QStringLiteral("Appointment")))
        return {QStringLiteral("ImportData_3"), import::Layout::Appointment, import::cutAppointment};
    return {QStringLiteral("ImportData_1"), import::Layout::ThreeLine, import::cutThreeLine};
}

// The procedure a failure of this file must be reported under, or empty when it imports.
QString expectedFailure(const QByteArray& fileBytes)
{
    const import::ImportLines lines = import::ImportLines::fromFileBytes(fileBytes);
    QString procedure = QStringLiteral("CreateTextfile");
    try {
        const Reader reader = readerSelectedBy(lines.line(1).isEmpty() ? lines.line(2) : lines.line(1));
        require(import::chooseLayout(lines) == reader.layout, "the deciding line selects the reader");
        procedure = reader.procedure;
        reader.cut(lines, QString());
        return {};
    } catch (const errors::RuntimeError&) {
        return procedure;
    }
}

// What the tick will stage for text, staged the same way into a scratch folder.
QByteArray stagedBytes(const QString& scratchFolder, const QString& text)
{
    QDir().mkpath(scratchFolder);
    QFile staged(import::stageImportText(scratchFolder, text));
    require(staged.open(QIODevice::ReadOnly), "the staged copy can be read");
    const QByteArray bytes = staged.readAll();
    staged.remove();
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
    const bool asLeftover = data[0] & 1;
    const QByteArray payload(reinterpret_cast<const char*>(data) + 1, qsizetype(size) - 1);
    const QString folder = import::importFolder();
    environment.messages.texts.clear();

    testsupport::RecordingImportWindow window;
    QByteArray taken;
    if (asLeftover) {
        QDir().mkpath(folder);
        QFile leftover(folder + QStringLiteral("/0.txt"));
        require(leftover.open(QIODevice::WriteOnly) && leftover.write(payload) == payload.size(), "leftover written");
        leftover.close();
        window.text = QStringLiteral("x");
        taken = payload;
    } else {
        window.text = QString::fromUtf8(payload);
        if (!window.text.isEmpty())
            taken = stagedBytes(environment.programFolder.filePath(QStringLiteral("Scratch")), window.text);
    }

    import::tmrTxtTimer_Timer(window);

    if (window.text.isEmpty()) {
        require(window.timerEnabled && environment.messages.texts.isEmpty(), "an empty box re-arms the timer");
    } else {
        require(!window.timerEnabled, "the timer stays off after an import or a failure");
        const QString failure = expectedFailure(taken);
        if (failure.isEmpty()) {
            require(environment.messages.texts.isEmpty(), "an import reports nothing");
            require(window.fields.size() == 6, "an import sets all six fields");
            const QString takenName = asLeftover ? QStringLiteral("0.txt") : import::stagedFileName(platform::now());
            require(!QFileInfo::exists(folder + u'/' + takenName), "an import deletes the file it took");
        } else {
            checkFailure(environment.messages.texts, failure);
            require(window.fields.isEmpty(), "a failed cut sets no field");
            require(import::importFilePaths(folder).isEmpty(), "a failure leaves no import file");
        }
    }

    import::deleteImportFiles(folder);
    QFile::remove(environment.programFolder.filePath(QStringLiteral("Logs/ErrorLog.log")));
    return 0;
}
