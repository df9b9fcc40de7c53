#include "app/lumvik_app.h"

#include "platform/program_folder.h"

#include <QApplication>
#include <QIcon>

LumvikApp::LumvikApp()
    : m_instance(platform::programFolder()), m_installMessages(m_messages), m_installDialogs(m_dialogs)
{
}

bool LumvikApp::start()
{
    if (!m_instance.acquire())
        return false;
    QApplication::setApplicationName(QStringLiteral("Lumvik"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/lumvik/lumvik.svg")));
    m_window = std::make_unique<frmMain>();
    m_window->Form_Load();
    m_window->show();
    return true;
}
