#pragma once

#include "global/mod_global.h"
#include "language/change_language.h"
#include "settingswindow/frm_settings.h"
#include "support/fresh_globals.h"
#include "support/qstring_printer.h"
#include "support/scripted_presenters.h"
#include "support/temp_program_folder.h"

#include <QAbstractButton>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>

// A settings window over a fresh Config and program folder, with every box and dialog answered
// by script. A test that makes the window report an error fails.
class SettingsWindowTest : public ::testing::Test
{
protected:
    testsupport::FreshGlobals globals; // first, so that it is fresh before the constructor runs

    SettingsWindowTest()
    {
        modGlobal::Config.Language = QStringLiteral("English");
        QFile::copy(QStringLiteral(LUMVIK_BINARY_DIR "/bin/Language.mdb"),
                    folder.filePath(QStringLiteral("Language.mdb")));
    }

    void TearDown() override
    {
        for (const auto& box : messages.shown()) {
            if (!allowedWarning.isEmpty() && box.text.endsWith(allowedWarning))
                continue;
            EXPECT_NE(box.caption, QStringLiteral("Warning")) << box.text.toStdString();
        }
    }

    // Builds the window from the current Config, shown but not modal, so no test blocks on it.
    frmSettings& open()
    {
        window = std::make_unique<frmSettings>();
        window->show();
        return *window;
    }

    template <typename Control> Control* find(const char* name) const
    {
        auto* control = window->findChild<Control*>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    // Clicks near the left edge, where a check box has its indicator.
    void click(const char* name) const
    {
        auto* button = find<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    // The value of key in Settings.ini as written, or nullopt.
    std::optional<QString> iniValue(const QString& key) const
    {
        const QString prefix = key + QLatin1Char('=');
        for (const QString& line :
             QString::fromLatin1(folder.read(QStringLiteral("Settings.ini"))).split(QStringLiteral("\r\n"))) {
            if (line.startsWith(prefix))
                return line.mid(prefix.size());
        }
        return std::nullopt;
    }

    testsupport::TempProgramFolder folder;
    QString allowedWarning; // the end of a warning text a test expects, e.g. " - ChangeLanguage"
    testsupport::ScriptedMessages messages;
    testsupport::ScriptedDialogs dialogs;
    std::unique_ptr<frmSettings> window;
};
