#pragma once

#include "mainwindow/frm_main.h"
#include "settingswindow/frm_settings.h"
#include "support/qstring_printer.h"

#include <QObject>
#include <QString>

#include <memory>

namespace testsupport {

// The real windows showing the texts they are designed with: frmMain before its start-up, and
// frmSettings loaded where no Language.mdb can be found (the settings window applies the language
// as it loads). That load's error box and log line go to a folder and presenter of its own, so
// the caller's messages and log see nothing of it.
std::unique_ptr<frmMain> makeMainWindow();
std::unique_ptr<frmSettings> makeSettingsWindow();

// The text a control shows: its "text" property, else "title", else "windowTitle".
QString textOf(const QObject& window, const QString& control);

// One line "name=text" for window and each object inside it that the windows name (Qt's own
// helpers, named qt_... or _..., are left out), and "name.property=text" for each property of
// keyTableProperties() it has, in a fixed order: all of a window's texts, to compare before and
// after.
QString allTexts(const QObject& window);

// The properties the language key tables set other than the shown text ("accessibleName", the
// status line's texts, ...).
QList<const char*> keyTableProperties();

} // namespace testsupport
