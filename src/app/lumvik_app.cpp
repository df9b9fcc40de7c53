#include "app/lumvik_app.h"

#include "app/program_icon.h"
#include "errors/error_handler.h"
#include "platform/program_folder.h"

#include <QApplication>

LumvikApp::LumvikApp()
    : m_instance(platform::programFolder()), m_installMessages(m_messages), m_installDialogs(m_dialogs)
{
}

bool LumvikApp::start()
{
    using Outcome = platform::SingleInstance::Outcome;
    const Outcome lock = m_instance.acquire();
    if (lock == Outcome::AnotherRuns)
        return false;
    QApplication::setApplicationName(QStringLiteral("Lumvik"));
    QApplication::setWindowIcon(programIcon());
    // No lock file means no other instance holds this folder. Lumvik starts, so the practice can
    // work, and says that the one-instance guard is off until the folder is writable again.
    if (lock == Outcome::Unavailable)
        errors::Error_Handler(QStringLiteral("frmMain_Load"), m_instance.unavailableError());
    m_window = std::make_unique<frmMain>();
    m_window->Form_Load();
    m_window->show();
    return true;
}
