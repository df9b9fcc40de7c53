#include "language/change_language.h"

#include "errors/error_handler.h"
#include "global/mod_global.h"
#include "language/form_texts.h"
#include "language/mdb_language_table.h"
#include "platform/program_folder.h"

#include <QVariant>

namespace {

const QString kMsg1Default = QStringLiteral("GDT-file has been created.");
const QString kMsg2Default =
    QStringLiteral("The path for Orvane.exe is not correct.\r\nDo you want to continue without Orvane?");
const QString kMsg3Default = QStringLiteral("The target path does not exist.\r\nDo you want to save it anyway?");

// Labels, buttons, check boxes and menu entries (QAction) show "text"; group boxes and menus
// (QMenu) "title"; a window its "windowTitle".
const char* textProperty(const QObject& control)
{
    for (const char* name : {"text", "title", "windowTitle"}) {
        if (control.metaObject()->indexOfProperty(name) >= 0)
            return name;
    }
    return nullptr;
}

QObject* findControl(QObject& window, const QString& name)
{
    if (window.objectName() == name)
        return &window;
    return window.findChild<QObject*>(name);
}

void applyTexts(QObject& window, const QList<language::ControlText>& texts, const language::LanguageRows& rows)
{
    for (const language::ControlText& text : texts) {
        QObject* control = findControl(window, text.control);
        const char* property = control ? (text.property ? text.property : textProperty(*control)) : nullptr;
        const QString current = property ? control->property(property).toString() : QString();
        const QString translated = modGlobal::Language(rows, text.key, current);
        if (property)
            control->setProperty(property, translated);
    }
}

} // namespace

namespace modGlobal {

QString Language(const language::LanguageRows& rows, const QString& componentName, const QString& defaultText)
{
    for (const language::LanguageRow& row : rows) {
        if (row.key != componentName)
            continue;
        if (!row.value) {
            errors::Error_Handler(QStringLiteral("Language"), errors::invalidUseOfNull());
            return {};
        }
        return *row.value;
    }
    return defaultText;
}

void ChangeLanguage(const QString& formKey, QObject& window)
{
    // All rows are fetched before any text changes, so a failure while reading leaves the
    // window as it was. Every form key opens and reads the database, so a broken file is
    // reported whichever window asks.
    language::LanguageRows rows;
    const bool read = errors::trap(QStringLiteral("ChangeLanguage"), [&] {
        rows = language::readLanguageRows(language::languageDatabasePath(), Config.Language);
    });
    if (read)
        language::applyLanguage(formKey, window, rows);
}

} // namespace modGlobal

namespace language {

QString msg1ToShow()
{
    return modGlobal::Msg_1.isEmpty() ? kMsg1Default : modGlobal::Msg_1;
}

QString msg2ToShow()
{
    return modGlobal::Msg_2.isEmpty() ? kMsg2Default : modGlobal::Msg_2;
}

QString msg3ToShow()
{
    return modGlobal::Msg_3.isEmpty() ? kMsg3Default : modGlobal::Msg_3;
}

QString languageDatabasePath()
{
    return platform::programFolder() + QStringLiteral("/Language.mdb");
}

void applyLanguage(const QString& formKey, QObject& window, const LanguageRows& rows)
{
    if (formKey == QLatin1String("Main")) {
        applyTexts(window, mainWindowTexts(), rows);
        modGlobal::Msg_1 = modGlobal::Language(rows, QStringLiteral("Msg_1"), kMsg1Default);
        modGlobal::Msg_2 = modGlobal::Language(rows, QStringLiteral("Msg_2"), kMsg2Default);
        modGlobal::Msg_3 = modGlobal::Language(rows, QStringLiteral("Msg_3"), kMsg3Default);
    } else if (formKey == QLatin1String("Settings")) {
        applyTexts(window, settingsWindowTexts(), rows);
    }
}

} // namespace language
