#pragma once

#include "mainwindow/frm_main.h"
#include "support/fresh_globals.h"
#include "support/qstring_printer.h"
#include "support/scripted_presenters.h"
#include "support/temp_program_folder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A main window started in a fresh program folder with the given Settings.ini, and a target
// folder for the request files.
class MainWindowTest : public ::testing::Test
{
protected:
    void TearDown() override;

    // Writes Settings.ini ([Lumvik] + lines), then creates the window and runs its start-up.
    void start(const QByteArray& settingsLines = {});
    QByteArray settingsWith(bool txtImport, bool modality = false) const;

    template <typename T = QWidget> T* control(const char* name) const
    {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* field(const char* name) const { return control<QLineEdit>(name); }
    // Clicks the named button with the mouse, so that its connection is part of what is tested.
    void press(const char* button) const;
    bool importTimerActive() const;
    QStringList requestFiles() const;
    QByteArray requestBytes() const; // of the only request file
    QStringList fieldTexts() const;  // the request fields' texts, modality last
    void fillFields();

    testsupport::FreshGlobals globals;
    testsupport::TempProgramFolder folder;
    testsupport::ScriptedMessages messages;
    QTemporaryDir target;
    std::unique_ptr<frmMain> window;
};
