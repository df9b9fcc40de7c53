#pragma once

#include "mainwindow/frm_main.h"
#include "platform/single_instance.h"
#include "widgets/widget_presenters.h"

#include <memory>

// Everything the program sets up between QApplication and the event loop: the single-instance
// lock, the real message boxes and dialogs, and the main window with its start-up.
class LumvikApp
{
public:
    LumvikApp();

    // False when another instance runs: then nothing is shown and the program should end.
    bool start();
    frmMain& window() { return *m_window; }

private:
    platform::SingleInstance m_instance;
    widgets::WidgetMessagePresenter m_messages;
    platform::ScopedMessagePresenter m_installMessages;
    widgets::WidgetDialogPresenter m_dialogs;
    platform::ScopedDialogPresenter m_installDialogs;
    std::unique_ptr<frmMain> m_window;
};
