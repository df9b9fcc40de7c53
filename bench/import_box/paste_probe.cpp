// How long the main window freezes when a large text is pasted into its import box. A separate
// program (xclip) owns the clipboard, as when a person copies from the practice software; the
// probe presses Ctrl+V in the box of the real main window and measures until the window has
// painted the text and takes its next event. Then it runs the import tick on that text and prints
// how the import ended. Needs an X display (xvfb-run) and xclip.
//
// Run: xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" paste_probe [repetitions [largest size in KB]]

#include "mainwindow/frm_main.h"
#include "platform/message_boxes.h"
#include "platform/program_folder.h"
#include "support/recording_messages.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Quits loop once widget has painted and the event loop has come back for the next event.
class AnswerWatch : public QObject
{
public:
    AnswerWatch(QWidget& widget, QEventLoop& loop) : m_loop(loop) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, &m_loop, &QEventLoop::quit);
        return false;
    }

private:
    QEventLoop& m_loop;
};

// Hands text to a new xclip process, which owns the clipboard until it is killed, and waits until
// the clipboard offers the whole text.
void putOnClipboard(QProcess& xclip, const QString& text)
{
    xclip.kill();
    xclip.waitForFinished();
    xclip.start(QStringLiteral("xclip"),
                {QStringLiteral("-quiet"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
    xclip.write(text.toUtf8());
    xclip.closeWriteChannel();
    QElapsedTimer waited;
    waited.start();
    while (QGuiApplication::clipboard()->text().size() != text.size() && waited.elapsed() < 10000)
        QTest::qWait(20);
}

double secondsUntilTheWindowAnswers(QWidget& box)
{
    QCoreApplication::processEvents(); // paints still due from before the paste
    QEventLoop loop;
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    // Watched only from here: the clipboard transfer inside the paste may run events of its own.
    AnswerWatch watch(*static_cast<QAbstractScrollArea&>(box).viewport(), loop);
    loop.exec();
    return clock.nsecsElapsed() / 1e9;
}

QString oneLine(qsizetype size)
{
    return QString(size, QLatin1Char('x'));
}

QString manyLines(qsizetype size)
{
    const QString line = QStringLiteral("Appointment: Surname, Given (F) #4711 12/24/1960 10:30\n");
    QString text;
    text.reserve(size + line.size());
    while (text.size() < size)
        text += line;
    text.truncate(size);
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    const qsizetype largestKb = argc > 2 ? atoi(argv[2]) : 5120;

    QTemporaryDir folder;
    platform::ScopedProgramFolder useFolder(folder.path());
    testsupport::RecordingMessages messages;
    platform::ScopedMessagePresenter useMessages(messages);
    QFile::copy(QStringLiteral(LUMVIK_LANGUAGE_MDB), folder.filePath(QStringLiteral("Language.mdb")));
    QFile settings(folder.filePath(QStringLiteral("Settings.ini")));
    if (!settings.open(QIODevice::WriteOnly))
        return 1;
    settings.write("[Lumvik]\r\nTxtImport=1\r\nLanguage=English\r\n");
    settings.close();

    frmMain window;
    window.Form_Load();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto* box = window.findChild<QWidget*>(QStringLiteral("txtContent"));
    auto* timer = window.findChild<QTimer*>(QStringLiteral("tmrTxtTimer"));
    auto* id = window.findChild<QLineEdit*>(QStringLiteral("txtID"));
    QProcess xclip;

    std::printf("Paste into the import box: seconds until the window answers again (median of %d), "
                "then the import of that text\n",
                repetitions);
    const struct
    {
        const char* shape;
        QString (*text)(qsizetype);
    } shapes[] = {{"one line without spaces", oneLine}, {"many lines", manyLines}};
    for (const qsizetype kb : {100, 1024, 5120}) {
        if (kb > largestKb)
            break;
        for (const auto& shape : shapes) {
            const QString text = shape.text(kb * 1024);
            std::vector<double> seconds;
            for (int run = 0; run < repetitions; ++run) {
                window.cmdClear_Click();
                timer->stop(); // the tick runs below, not in the middle of a measurement
                putOnClipboard(xclip, text);
                box->setFocus();
                seconds.push_back(secondsUntilTheWindowAnswers(*box));
            }
            std::sort(seconds.begin(), seconds.end());
            messages.texts.clear();
            QElapsedTimer importClock;
            importClock.start();
            window.tmrTxtTimer_Timer();
            const double importSeconds = importClock.nsecsElapsed() / 1e9;
            const QString outcome = messages.texts.isEmpty() ? QStringLiteral("fields filled, ID %1").arg(id->text())
                                                             : messages.texts.join(QStringLiteral(" | ")).trimmed();
            std::printf("  %5lld KB %-24s %6.3f s   import %.3f s: %s\n", static_cast<long long>(kb), shape.shape,
                        seconds[seconds.size() / 2], importSeconds, qPrintable(outcome.left(100)));
            std::fflush(stdout);
        }
    }
    xclip.kill();
    xclip.waitForFinished();
    return 0;
}
