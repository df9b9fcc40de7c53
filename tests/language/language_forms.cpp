#include "language_forms.h"

#include "language/form_texts.h"
#include "support/scripted_presenters.h"
#include "support/temp_program_folder.h"

#include <QVariant>

#include <algorithm>

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

// One line per property the key tables name besides the shown text (accessible names, the status
// line's texts), for the objects that have it.
QString tableTexts(const QObject& object)
{
    QString texts;
    for (const char* property : keyTableProperties()) {
        if (const QVariant value = object.property(property); value.isValid())
            texts += object.objectName() + QLatin1Char('.') + QLatin1String(property) + QLatin1Char('=') +
                     value.toString() + QLatin1Char('\n');
    }
    return texts;
}

} // namespace

QList<const char*> keyTableProperties()
{
    QList<const char*> properties;
    for (const auto* table : {&language::mainWindowTexts(), &language::settingsWindowTexts()}) {
        for (const language::ControlText& text : *table) {
            const auto same = [&](const char* known) { return qstrcmp(known, text.property) == 0; };
            if (text.property && std::none_of(properties.begin(), properties.end(), same))
                properties.append(text.property);
        }
    }
    return properties;
}

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
    QString texts = window.objectName() + QLatin1Char('=') + shownText(window) + QLatin1Char('\n') + tableTexts(window);
    for (const QObject* child : window.findChildren<QObject*>()) {
        const QString name = child->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !name.startsWith(QLatin1Char('_')))
            texts += name + QLatin1Char('=') + shownText(*child) + QLatin1Char('\n') + tableTexts(*child);
    }
    return texts;
}

} // namespace testsupport
