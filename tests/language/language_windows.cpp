#include "language_windows.h"

#include "support/scripted_presenters.h"
#include "support/temp_program_folder.h"

#include <QVariant>

namespace testsupport {
namespace {

QString shownText(const QObject& object)
{
    for (const char* property : {"text", "title", "windowTitle"}) {
        const QVariant value = object.property(property);
        if (value.isValid())
            return value.toString();
    }
    return QStringLiteral("<no text>");
}

} // namespace

std::unique_ptr<frmMain> makeMainWindow()
{
    return std::make_unique<frmMain>();
}

std::unique_ptr<frmSettings> makeSettingsWindow()
{
    TempProgramFolder withoutLanguageFile;
    ScriptedMessages loadError;
    return std::make_unique<frmSettings>();
}

QString textOf(const QObject& window, const QString& control)
{
    const QObject* object = window.objectName() == control ? &window : window.findChild<QObject*>(control);
    return object ? shownText(*object) : QStringLiteral("<no control %1>").arg(control);
}

QString allTexts(const QObject& window)
{
    QString texts = window.objectName() + QLatin1Char('=') + shownText(window) + QLatin1Char('\n');
    for (const QObject* child : window.findChildren<QObject*>()) {
        const QString name = child->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !name.startsWith(QLatin1Char('_')))
            texts += name + QLatin1Char('=') + shownText(*child) + QLatin1Char('\n');
    }
    return texts;
}

} // namespace testsupport
