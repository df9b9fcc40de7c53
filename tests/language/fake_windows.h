#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace testsupport {

// Plain QObject trees standing in for the two windows until they exist: each control is a
// QObject with the control's objectName and its designed text in the property the real
// widget uses ("text" for labels, buttons, check boxes and menu entries, "title" for frames
// and menus, "windowTitle" for the settings window itself). The labels of the main window sit
// inside the frame fraData, as in the real window.
std::unique_ptr<QObject> makeMainWindow();
std::unique_ptr<QObject> makeSettingsWindow();

// The text a control shows, read from whichever of the properties above it carries.
QString textOf(const QObject& window, const QString& control);

} // namespace testsupport
