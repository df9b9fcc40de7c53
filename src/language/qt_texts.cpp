#include "language/qt_texts.h"

#include "platform/program_folder.h"
#include "platform/system_messages.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <optional>

namespace language {
namespace {

std::optional<QLocale> localeOfLanguage(const QString& languageName)
{
    const QString name = languageName.trimmed();
    if (name.isEmpty())
        return std::nullopt;
    for (const QLocale& locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        if (locale.nativeLanguageName().compare(name, Qt::CaseInsensitive) == 0 ||
            QLocale::languageToString(locale.language()).compare(name, Qt::CaseInsensitive) == 0)
            return locale;
    }
    return std::nullopt;
}

// The "translations" folder beside the program first, so that an installed program folder carries
// its own; then the system's copy, where there is one.
QStringList qtTranslationFolders()
{
    QStringList folders = {platform::programFolder() + QStringLiteral("/translations")};
    if (const QString system = platform::systemQtTranslationsFolder(); !system.isEmpty())
        folders.append(system);
    return folders;
}

} // namespace

void useQtTexts(const QString& languageName)
{
    static std::unique_ptr<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    const auto locale = localeOfLanguage(languageName);
    if (!locale)
        return;
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : qtTranslationFolders()) {
        if (translator->load(*locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator.get());
            installed = std::move(translator);
            return;
        }
    }
}

} // namespace language
